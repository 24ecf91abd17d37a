#include "exchange/palette_import.h"

#include <algorithm>

#include "exchange/exchange_messages.h"
#include "exchange/exchange_text.h"
#include "exchange/swatch_formats.h"
#include "exchange/text_formats.h"

namespace tintrel {

namespace {

// The first line that is not blank, without the blanks at its ends.
std::string_view FirstLine(std::string_view text) {
    for (const std::string_view line : SplitLines(text)) {
        if (!TrimBlanks(line).empty()) {
            return TrimBlanks(line);
        }
    }
    return {};
}

bool IsHexDigits(std::string_view text, std::size_t count) {
    return text.size() == count && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
}

void FillPage(PalletStore& store, std::int32_t page, const ExchangePage& from, ImportOutcome& outcome) {
    const auto columns = store.XCount();
    const auto cells = static_cast<std::size_t>(columns) * static_cast<std::size_t>(store.YCount());
    for (std::size_t index = 0; index < cells; ++index) {
        const ColorRef color = index < from.Colors.size() ? from.Colors[index] : 0;
        const auto column = static_cast<std::int32_t>(index % static_cast<std::size_t>(columns));
        const auto row = static_cast<std::int32_t>(index / static_cast<std::size_t>(columns));
        store.SetCell(column, row, page, CellColors{color, 0});
    }
    outcome.ColorsLeftOut += from.Colors.size() > cells ? from.Colors.size() - cells : 0;
}

}  // namespace

PaletteFormat DetectFormat(std::string_view bytes) {
    if (bytes.starts_with("ASEF")) {
        return PaletteFormat::Ase;
    }
    if (bytes.size() >= 4 && bytes[0] == '\0' && (bytes[1] == '\1' || bytes[1] == '\2')) {
        return PaletteFormat::Aco;
    }
    const std::string_view first = FirstLine(bytes);
    if (first == "GIMP Palette") {
        return PaletteFormat::Gpl;
    }
    if (first.starts_with(';') || IsHexDigits(first, 8)) {
        return PaletteFormat::PaintNet;
    }
    if (ParseColorLine(first)) {
        return PaletteFormat::PlainText;
    }
    return PaletteFormat::Unknown;
}

std::vector<ExchangePage> ReadPaletteFile(std::string_view bytes, std::string_view fileName) {
    if (bytes.empty()) {
        throw ExchangeError(std::string(kFileEmpty));
    }
    if (bytes.size() > kMaxExchangeFileBytes) {
        throw ExchangeError(std::string(kFileTooLarge));
    }
    std::vector<ExchangePage> pages;
    switch (DetectFormat(bytes)) {
        case PaletteFormat::Ase:
            pages = ReadAse(bytes, fileName);
            break;
        case PaletteFormat::Aco:
            pages.push_back(ReadAco(bytes, fileName));
            break;
        case PaletteFormat::Gpl:
            pages.push_back(ReadGpl(bytes, fileName));
            break;
        case PaletteFormat::PaintNet:
            pages.push_back(ReadPaintNet(bytes, fileName));
            break;
        case PaletteFormat::PlainText:
            pages.push_back(ReadPlainColors(bytes, fileName));
            break;
        case PaletteFormat::Unknown:
            throw ExchangeError(std::string(kNotAPalette));
    }
    std::erase_if(pages, [](const ExchangePage& page) { return page.Colors.empty(); });
    if (pages.empty()) {
        throw ExchangeError(std::string(kNoColors));
    }
    // A page needs a name the palette file keeps.
    for (ExchangePage& page : pages) {
        if (page.Name.empty()) {
            page.Name = PageNameFromFileName(fileName);
        }
        if (page.Name.empty()) {
            page.Name.push_back('?');
        }
    }
    return pages;
}

bool ImportReplacesPage(const PalletStore& store) {
    return store.ZCount() >= kMaxPalletPages;
}

ImportOutcome ImportPages(PalletStore& store,
                          std::vector<std::string>& names,
                          const std::vector<ExchangePage>& pages,
                          std::int32_t selectedPage) {
    ImportOutcome outcome;
    if (pages.empty()) {
        return outcome;
    }
    if (ImportReplacesPage(store)) {
        outcome.FirstPage = std::clamp(selectedPage, 0, store.ZCount() - 1);
        FillPage(store, outcome.FirstPage, pages.front(), outcome);
        outcome.PagesLeftOut = pages.size() - 1;
    } else {
        const std::int32_t first = store.ZCount();
        const auto room = static_cast<std::size_t>(kMaxPalletPages - first);
        const std::size_t taken = std::min(room, pages.size());
        store.SetPalletSize(store.XCount(), store.YCount(), first + static_cast<std::int32_t>(taken));
        names.resize(static_cast<std::size_t>(first));
        for (std::size_t index = 0; index < taken; ++index) {
            FillPage(store, first + static_cast<std::int32_t>(index), pages[index], outcome);
            names.push_back(pages[index].Name);
        }
        outcome.FirstPage = first;
        outcome.PagesLeftOut = pages.size() - taken;
    }
    store.SetPalletModified(true);
    return outcome;
}

}  // namespace tintrel
