#include "exchange/palette_export.h"

#include <array>

#include "exchange/swatch_formats.h"
#include "exchange/text_formats.h"
#include "palette/pallet_captions.h"

namespace tintrel {

namespace {

constexpr std::array kTypes{
    // GIMP パレット (*.gpl)
    ExportType{ExportFormat::Gpl, false, ".gpl",
               "GIMP \x83p\x83\x8C\x83"
               "b\x83g (*.gpl)"},
    // Adobe スウォッチ交換ファイル (*.ase)
    ExportType{ExportFormat::Ase, false, ".ase",
               "Adobe \x83X\x83"
               "E\x83H\x83"
               "b\x83`\x8C\xF0\x8A\xB7\x83t\x83@\x83"
               "C\x83\x8B (*.ase)"},
    // Adobe スウォッチ交換ファイル、全ページ (*.ase)
    ExportType{ExportFormat::Ase, true, ".ase",
               "Adobe \x83X\x83"
               "E\x83H\x83"
               "b\x83`\x8C\xF0\x8A\xB7\x83t\x83@\x83"
               "C\x83\x8B\x81"
               "A\x91S\x83y\x81[\x83W (*.ase)"},
    // Photoshop スウォッチ (*.aco)
    ExportType{ExportFormat::Aco, false, ".aco",
               "Photoshop \x83X\x83"
               "E\x83H\x83"
               "b\x83` (*.aco)"},
    // Paint.NET パレット (*.txt)
    ExportType{ExportFormat::PaintNet, false, ".txt",
               "Paint.NET \x83p\x83\x8C\x83"
               "b\x83g (*.txt)"},
    // CSS カスタムプロパティ (*.css)
    ExportType{ExportFormat::Css, false, ".css",
               "CSS \x83J\x83X\x83^\x83\x80\x83v\x83\x8D\x83p\x83"
               "e\x83"
               "B (*.css)"},
    // CSS カスタムプロパティ、全ページ (*.css)
    ExportType{ExportFormat::Css, true, ".css",
               "CSS \x83J\x83X\x83^\x83\x80\x83v\x83\x8D\x83p\x83"
               "e\x83"
               "B\x81"
               "A\x91S\x83y\x81[\x83W (*.css)"},
    // JSON デザイントークン (*.json)
    ExportType{ExportFormat::Json, false, ".json",
               "JSON \x83"
               "f\x83U\x83"
               "C\x83\x93\x83g\x81[\x83N\x83\x93 (*.json)"},
    // JSON デザイントークン、全ページ (*.json)
    ExportType{ExportFormat::Json, true, ".json",
               "JSON \x83"
               "f\x83U\x83"
               "C\x83\x93\x83g\x81[\x83N\x83\x93\x81"
               "A\x91S\x83y\x81[\x83W (*.json)"},
    // 現在のテンプレートで書いたテキスト (*.txt)
    ExportType{ExportFormat::TemplateText, false, ".txt",
               "\x8C\xBB\x8D\xDD\x82\xCC\x83"
               "e\x83\x93\x83v\x83\x8C\x81[\x83g\x82\xC5\x8F\x91\x82\xA2\x82\xBD\x83"
               "e\x83L\x83X\x83g (*.txt)"},
};

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace

std::span<const ExportType> ExportTypes() {
    return kTypes;
}

ExportDecision DecideExportType(std::string_view extension, std::size_t chosen) {
    const std::string typed = LowerAscii(extension);
    if (chosen >= kTypes.size()) {
        chosen = 0;
    }
    if (typed == kTypes[chosen].Extension) {
        return ExportDecision{chosen, false};
    }
    for (std::size_t index = 0; index < kTypes.size(); ++index) {
        if (typed == kTypes[index].Extension) {
            return ExportDecision{index, false};
        }
    }
    return ExportDecision{chosen, true};
}

std::vector<ExchangePage> PagesForExport(const PalletStore& store, const std::vector<std::string>& names) {
    std::vector<ExchangePage> pages;
    for (std::int32_t page = 0; page < store.ZCount(); ++page) {
        const auto index = static_cast<std::size_t>(page);
        ExchangePage exported{index < names.size() ? names[index] : std::string(), store.XCount(), {}};
        for (std::int32_t row = 0; row < store.YCount(); ++row) {
            for (std::int32_t column = 0; column < store.XCount(); ++column) {
                exported.Colors.push_back(store.Cell(column, row, page)->Current);
            }
        }
        pages.push_back(std::move(exported));
    }
    return pages;
}

ExchangePage HistoryForExport(const PalletStore& store) {
    const std::vector<std::int32_t>& colors = store.History().Colors();
    return ExchangePage{std::string(kHistoryCaption), store.XCount(), {colors.begin(), colors.end()}};
}

std::string WriteExport(const ExportType& type,
                        const std::vector<ExchangePage>& pages,
                        std::int32_t selectedPage,
                        std::string_view formatTemplate,
                        const TextOptions& options) {
    std::vector<ExchangePage> chosen;
    if (type.AllPages) {
        chosen = pages;
    } else if (selectedPage >= 0 && static_cast<std::size_t>(selectedPage) < pages.size()) {
        chosen.push_back(pages[static_cast<std::size_t>(selectedPage)]);
    }
    if (chosen.empty()) {
        chosen.emplace_back();
    }
    switch (type.Format) {
        case ExportFormat::Gpl:
            return WriteGpl(chosen.front());
        case ExportFormat::Ase:
            return WriteAse(chosen);
        case ExportFormat::Aco:
            return WriteAco(chosen.front());
        case ExportFormat::PaintNet:
            return WritePaintNet(chosen.front());
        case ExportFormat::Css:
            return WriteCss(chosen);
        case ExportFormat::Json:
            return WriteJson(chosen);
        case ExportFormat::TemplateText:
            return WriteTemplateText(chosen.front(), formatTemplate, options);
    }
    return {};
}

}  // namespace tintrel
