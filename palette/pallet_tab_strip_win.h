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
class PalletTabStrip {
public:
    void Create(HWND parent, int id, const RECT& bounds);

    HWND Handle() const { return tabs_; }
    // The captions' font and the room around them, for the DPI of the strip's window.
    void SetDpi(DpiScale dpi);

    // Replaces the tabs with one per name.
    void SetPages(std::vector<std::string> names);
    const std::vector<std::string>& PageNames() const { return names_; }
    // The selected page, -1 when none is.
    std::int32_t Selected() const;
    void Select(std::int32_t page);

    // The area below the tab headers, in the tab strip's client coordinates.
    RECT DisplayArea() const;
    // True when `client` (tab strip coordinates) lies in the header rows but on no tab.
    bool IsOnEmptyHeader(POINT client) const;

private:
    HWND tabs_ = nullptr;
    std::vector<std::string> names_;
};

}  // namespace tintrel
