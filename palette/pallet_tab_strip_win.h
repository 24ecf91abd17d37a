#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/dpi_win.h"

namespace tintrel {

// `PalletTab`: one tab per palette page, in several rows of tabs that are not stretched to the full
// width, highlighted under the pointer, painted double-buffered. The page names are kept as the code
// page 932 bytes they were given, so that a name goes back to the palette file exactly as it came.
// After the pages, the pick history's tab "履歴" may follow, which is no page of the user's.
class PalletTabStrip {
public:
    void Create(HWND parent, int id, const RECT& bounds);

    HWND Handle() const { return tabs_; }
    // The captions' font and the room around them, for the DPI of the strip's window.
    void SetDpi(DpiScale dpi);

    // Replaces the tabs with one per name, and the history's tab after them while it is shown.
    void SetPages(std::vector<std::string> names);
    const std::vector<std::string>& PageNames() const { return names_; }
    // The selected page, -1 when none is.
    std::int32_t Selected() const;
    void Select(std::int32_t page);

    // Shows or hides the history's tab. Hiding it while it is selected selects the last page.
    void ShowHistoryTab(bool shown);
    // The history's tab is the one after the pages.
    std::int32_t HistoryTab() const { return static_cast<std::int32_t>(names_.size()); }
    bool HistorySelected() const { return historyShown_ && Selected() == HistoryTab(); }

    // The area below the tab headers, in the tab strip's client coordinates.
    RECT DisplayArea() const;
    // True when `client` (tab strip coordinates) lies in the header rows but on no tab.
    bool IsOnEmptyHeader(POINT client) const;

private:
    HWND tabs_ = nullptr;
    void AppendTab(const std::string& caption);

    std::vector<std::string> names_;
    bool historyShown_ = false;
};

}  // namespace tintrel
