#include "exchange/pallet_exchange_commands_win.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exchange/palette_exchange_win.h"

namespace tintrel {

void PalletExchangeCommands::Export(std::string_view formatTemplate, const TextOptions& options, bool withHistory) {
    const WindowDisabled palette(parts_.FloatWindow());
    ExportPallet(parts_.Owner, parts_.Folder,
                 ExportSource{*parts_.Store, parts_.Tabs->PageNames(), parts_.Tabs->Selected(), formatTemplate, options,
                              withHistory});
}

void PalletExchangeCommands::Import() {
    const WindowDisabled palette(parts_.FloatWindow());
    if (const std::optional<FilePath> path = AskPaletteFile(parts_.Owner, parts_.Folder)) {
        ImportFiles(std::span(&*path, 1));
    }
}

void PalletExchangeCommands::Drop(HDROP drop) {
    const std::vector<FilePath> paths = DroppedFiles(drop);
    if (!paths.empty()) {
        const WindowDisabled palette(parts_.FloatWindow());
        ImportFiles(paths);
    }
}

void PalletExchangeCommands::ImportFiles(std::span<const FilePath> paths) {
    std::vector<std::string> names = parts_.Tabs->PageNames();
    // Never into the history: with the history's tab selected, a full palette offers its last page.
    const ImportOutcome outcome =
        ImportPalletFiles(paths, *parts_.Store, names, std::min(parts_.Tabs->Selected(), parts_.Store->ZCount() - 1));
    if (outcome.FirstPage) {
        parts_.Tabs->SetPages(std::move(names));
        parts_.Tabs->Select(*outcome.FirstPage);
        parts_.Cells->Repaint();
    }
    TellWhatWasLeftOut(outcome);
}

}  // namespace tintrel
