#include "exchange/palette_import.h"

#include <algorithm>

#include "exchange/exchange_messages.h"
#include "exchange/exchange_text.h"
#include "exchange/swatch_formats.h"
#include "exchange/text_formats.h"
#include "exchange/web_palettes.h"
#include "persist/file_error.h"

namespace tintrel {

namespace {

// The first line that is not blank, without the blanks at its ends: found in one pass over the blanks
// and line breaks before it.
std::string_view FirstLine(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::size_t start = 0;
    while (start < text.size() &&
           (text[start] == ' ' || text[start] == '\t' || text[start] == '\r' || text[start] == '\n')) {
        ++start;
    }
    text.remove_prefix(start);
    if (text.empty()) {
        return {};
    }
    return TrimBlanks(text.substr(0, text.find_first_of("\r\n")));
}

bool IsHexDigits(std::string_view text, std::size_t count) {
    return text.size() == count && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
}

// Puts colours into one page of the palette from `cell` on; returns the cell after the last one filled.
std::size_t FillPage(PalletStore& store,
                     std::int32_t page,
                     const ExchangePage& from,
                     std::size_t first,
                     ImportOutcome& outcome) {
    const auto columns = static_cast<std::size_t>(store.XCount());
    const std::size_t cells = columns * static_cast<std::size_t>(store.YCount());
    const std::size_t end = std::min(cells, first + from.Colors.size());
    for (std::size_t index = first; index < cells; ++index) {
        const ColorRef color = index < end ? from.Colors[index - first] : 0;
        store.SetCell(static_cast<std::int32_t>(index % columns), static_cast<std::int32_t>(index / columns), page,
                      CellColors{color, 0});
    }
    outcome.ColorsLeftOut += first + from.Colors.size() + from.ColorsNotKept - end;
    return end;
}

// The pages of one file as new pages after the last, as many as there is room for.
void AddPages(PalletStore& store, std::vector<std::string>& names, const PaletteFile& file, ImportOutcome& outcome) {
    const std::int32_t first = store.ZCount();
    const auto taken = std::min(static_cast<std::size_t>(kMaxPalletPages - first), file.Pages.size());
    store.SetPalletSize(store.XCount(), store.YCount(), first + static_cast<std::int32_t>(taken));
    names.resize(static_cast<std::size_t>(first));
    for (std::size_t index = 0; index < taken; ++index) {
        FillPage(store, first + static_cast<std::int32_t>(index), file.Pages[index], 0, outcome);
        names.push_back(UniquePageName(file.Pages[index].Name, names));
    }
    if (taken > 0 && !outcome.FirstPage) {
        outcome.FirstPage = first;
    }
    outcome.PagesLeftOut += file.Pages.size() - taken + file.PagesNotKept;
}

std::string WithCount(std::string_view before, std::size_t count, std::string_view after) {
    return std::string(before) + std::to_string(count) + std::string(after);
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
    if (first.starts_with('{')) {
        return PaletteFormat::Json;
    }
    if (first.starts_with("/*") || first.starts_with('@') || first.starts_with(':') || first.starts_with("--") ||
        first.find('{') != std::string_view::npos) {
        return PaletteFormat::Css;
    }
    return PaletteFormat::Unknown;
}

PaletteFile ReadPaletteFile(std::string_view bytes, std::string_view fileName) {
    if (bytes.empty()) {
        throw ExchangeError(std::string(kFileEmpty));
    }
    if (bytes.size() > kMaxExchangeFileBytes) {
        throw ExchangeError(std::string(kFileTooLarge));
    }
    PaletteFile file;
    switch (DetectFormat(bytes)) {
        case PaletteFormat::Ase:
            file = ReadAse(bytes, fileName);
            break;
        case PaletteFormat::Aco:
            file = ReadAco(bytes, fileName);
            break;
        case PaletteFormat::Gpl:
            file.Pages.push_back(ReadGpl(bytes, fileName));
            break;
        case PaletteFormat::PaintNet:
            file.Pages.push_back(ReadPaintNet(bytes, fileName));
            break;
        case PaletteFormat::PlainText:
            file.Pages.push_back(ReadPlainColors(bytes, fileName));
            break;
        case PaletteFormat::Css:
            file = ReadCss(bytes, fileName);
            break;
        case PaletteFormat::Json:
            file = ReadJson(bytes, fileName);
            break;
        case PaletteFormat::Unknown:
            throw ExchangeError(std::string(kNotAPalette));
    }
    std::erase_if(file.Pages, [](const ExchangePage& page) { return page.Colors.empty(); });
    if (file.Pages.empty()) {
        throw ExchangeError(std::string(kNoColors));
    }
    // A page needs a name the palette file keeps.
    for (ExchangePage& page : file.Pages) {
        if (page.Name.empty()) {
            page.Name = PageNameFromFileName(fileName);
        }
        if (page.Name.empty()) {
            page.Name.push_back('?');
        }
    }
    return file;
}

bool ImportReplacesPage(const PalletStore& store) {
    return store.ZCount() >= kMaxPalletPages;
}

ImportOutcome ImportFiles(PalletStore& store,
                          std::vector<std::string>& names,
                          std::int32_t selectedPage,
                          std::span<const FilePath> files,
                          const PaletteFileReader& read,
                          const FillSelectedQuestion& fillSelected) {
    ImportOutcome outcome;
    bool intoSelected = false;
    std::size_t filled = 0;  // cells of the selected page taken so far
    const std::int32_t selected = std::clamp(selectedPage, 0, std::max(store.ZCount() - 1, 0));
    for (std::size_t index = 0; index < files.size(); ++index) {
        PaletteFile file;
        try {
            file = read(files[index]);
        } catch (const FileError& error) {
            if (files.size() == 1) {
                throw;
            }
            outcome.Notes.push_back(ImportNote{error.MessageFormat(), error.Path(), true});
            continue;
        }
        if (!intoSelected && ImportReplacesPage(store)) {
            if (!fillSelected(files.size() - index)) {
                outcome.FilesLeftOut = files.size() > 1 ? files.size() - index : 0;
                break;
            }
            intoSelected = true;
        }
        if (intoSelected) {
            filled = FillPage(store, selected, file.Pages.front(), filled, outcome);
            outcome.PagesLeftOut += file.Pages.size() - 1 + file.PagesNotKept;
            outcome.FirstPage = outcome.FirstPage.value_or(selected);
        } else {
            AddPages(store, names, file, outcome);
        }
        if (file.NamesLost > 0) {
            outcome.Notes.push_back(
                ImportNote{WithCount(kNamesLostPrefix, file.NamesLost, kNamesLostSuffix), files[index], false});
        }
        store.SetPalletModified(true);
    }
    return outcome;
}

}  // namespace tintrel
