// Palettes in and out: export through the Save dialog, import through the Open dialog or a file dropped
// on the palette, one or several.
#include "app/main_form_win.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "color/format_editor_win.h"
#include "exchange/palette_exchange_win.h"

namespace tintrel {

namespace {

void ImportInto(std::span<const FilePath> paths, PalletStore& store, PalletTabStrip& tabs, PalletView& view) {
    std::vector<std::string> names = tabs.PageNames();
    // Never into the history: with the history's tab selected, a full palette offers its last page.
    const ImportOutcome outcome = ImportPalletFiles(paths, store, names, std::min(tabs.Selected(), store.ZCount() - 1));
    if (outcome.FirstPage) {
        tabs.SetPages(std::move(names));
        tabs.Select(*outcome.FirstPage);
        view.Repaint();
    }
    TellWhatWasLeftOut(outcome);
}

}  // namespace

void TFMain::NExportClick() {
    const WindowDisabled palette(palletHost_.FloatingWindow());
    const int selected = formatChoice_.Selected();
    const std::string formatTemplate =
        selected <= 0 ? std::string(kWebColorTemplate) : formatEditor_.FormatLine(selected);
    const TextOptions options = CurrentTextOptions();
    ExportPallet(hwnd_, FolderOf(executablePath_),
                 ExportSource{pallet_, palletTab_.PageNames(), palletTab_.Selected(), formatTemplate, options,
                              IsChecked(CommandId::NHistory)});
}

void TFMain::NImportClick() {
    const WindowDisabled palette(palletHost_.FloatingWindow());
    if (const std::optional<FilePath> path = AskPaletteFile(hwnd_, FolderOf(executablePath_))) {
        ImportPalletFile(*path);
    }
}

void TFMain::PalletPanelDropFiles(HDROP drop) {
    const std::vector<FilePath> paths = DroppedFiles(drop);
    if (!paths.empty()) {
        const WindowDisabled palette(palletHost_.FloatingWindow());
        ImportInto(paths, pallet_, palletTab_, paintPallet_);
    }
}

void TFMain::ImportPalletFile(const FilePath& path) {
    ImportInto(std::span(&path, 1), pallet_, palletTab_, paintPallet_);
}

}  // namespace tintrel
