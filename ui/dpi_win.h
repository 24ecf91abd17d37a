#pragma once

#include <windows.h>

#include "ui/design_units.h"

namespace tintrel {

// The DPI a window is laid out for, and that window's design units (pixels at 96 DPI) in pixels. A
// window keeps one, takes it from WindowDpi when it is created and from WM_DPICHANGED when it moves to a
// monitor of another DPI, and passes it to every control it places and every font and picture it asks
// for, so that no control scales anything itself.
class DpiScale {
public:
    DpiScale() = default;
    explicit DpiScale(int dpi) : dpi_(dpi < 1 ? kDesignDpi : dpi) {}

    int Dpi() const { return dpi_; }
    int operator()(int designUnits) const { return DesignToPixels(designUnits, dpi_); }
    SIZE operator()(SIZE design) const { return SIZE{(*this)(design.cx), (*this)(design.cy)}; }
    POINT operator()(POINT design) const { return POINT{(*this)(design.x), (*this)(design.y)}; }
    RECT operator()(const RECT& design) const;
    // Pixels back in design units, for sizes kept in files.
    int ToDesign(int pixels) const { return PixelsToDesign(pixels, dpi_); }

    bool operator==(const DpiScale&) const = default;

private:
    int dpi_ = kDesignDpi;
};

// The DPI of the monitor `window` is on when the program is aware of each monitor's DPI, else the
// system's; 96 on systems that know neither (and for a null window, the system's).
DpiScale WindowDpi(HWND window);
DpiScale SystemDpi();

// The outer size of a window with `style` and `exStyle` (no menu) whose client area is `client` pixels,
// its frame and caption as wide as they are at `dpi`.
SIZE OuterSizeForClient(SIZE client, DWORD style, DWORD exStyle, DpiScale dpi);

// Moves a top-level window to the top-left corner of `place` and sizes it so that its client area is
// `designClient` design units at `dpi`, its frame as its style gives it at that DPI.
void PlaceForDpi(HWND window, const RECT& place, SIZE designClient, DpiScale dpi);

// Moves and sizes a child window to the design rectangle `design` of its parent's client area.
void PlaceControl(HWND control, const RECT& design, DpiScale dpi);

// What WM_DPICHANGED brings: the new DPI and the outer rectangle the system suggests for it, which
// keeps the window's place on the monitor it moves to.
struct DpiChange {
    DpiScale Dpi;
    RECT Suggested;
};
DpiChange ReadDpiChange(WPARAM wParam, LPARAM lParam);

}  // namespace tintrel
