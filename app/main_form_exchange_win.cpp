// Palettes in and out: export through the Save dialog, import through the Open dialog or a file dropped
// on the palette.
#include "app/main_form_win.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "color/format_editor_win.h"
#include "exchange/palette_exchange_win.h"

namespace tintrel {

void TFMain::NExportClick() {
    const WindowDisabled palette(palletHost_.FloatingWindow());
    const int selected = formatChoice_.Selected();
    const std::string formatTemplate =
        selected <= 0 ? std::string(kWebColorTemplate) : formatEditor_.FormatLine(selected);
    const TextOptions options = CurrentTextOptions();
    ExportPallet(hwnd_, FolderOf(executablePath_),
                 ExportSource{pallet_, palletTab_.PageNames(), palletTab_.Selected(), formatTemplate, options});
}

void TFMain::NImportClick() {
    const WindowDisabled palette(palletHost_.FloatingWindow());
    if (const std::optional<FilePath> path = AskPaletteFile(hwnd_, FolderOf(executablePath_))) {
        ImportPalletFile(*path);
    }
}

void TFMain::PalletPanelDropFiles(HDROP drop) {
    if (const std::optional<FilePath> path = DroppedFile(drop)) {
        const WindowDisabled palette(palletHost_.FloatingWindow());
        ImportPalletFile(*path);
    }
}

void TFMain::ImportPalletFile(const FilePath& path) {
    std::vector<std::string> names = palletTab_.PageNames();
    const std::optional<ImportOutcome> outcome = ImportPallet(path, pallet_, names, palletTab_.Selected());
    if (!outcome) {
        return;
    }
    palletTab_.SetPages(std::move(names));
    palletTab_.Select(outcome->FirstPage);
    paintPallet_.Repaint();
    TellWhatWasLeftOut(*outcome);
}

}  // namespace tintrel
