#pragma once

#include <windows.h>

#include <shellapi.h>  // HDROP

#include <functional>
#include <span>
#include <string_view>
#include <utility>

#include "base/file_path.h"
#include "color/format_template.h"
#include "palette/pallet_store.h"
#include "palette/pallet_tab_strip_win.h"
#include "palette/pallet_view_win.h"

namespace tintrel {

// The palette's exchange with other programs' files as the menu and the palette offer it: export through
// the Save dialog, import through the Open dialog or one or several files dropped on the palette. The
// floating palette stays disabled while a dialog or box runs, as its owner's disabling does not reach it.
class PalletExchangeCommands {
public:
    struct Parts {
        HWND Owner = nullptr;
        // Where the dialogs open.
        FilePath Folder;
        PalletStore* Store = nullptr;
        PalletTabStrip* Tabs = nullptr;
        PalletView* Cells = nullptr;
        std::function<HWND()> FloatWindow;
    };

    void Attach(Parts parts) { parts_ = std::move(parts); }

    // Text files take each colour's text through `formatTemplate`; with the history's page shown, the
    // history goes with the pages.
    void Export(std::string_view formatTemplate, const TextOptions& options, bool withHistory);
    void Import();
    void Drop(HDROP drop);

private:
    void ImportFiles(std::span<const FilePath> paths);

    Parts parts_;
};

}  // namespace tintrel
