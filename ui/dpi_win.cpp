#include "ui/dpi_win.h"

#include "ui/gdi_handles_win.h"

namespace tintrel {

namespace {

// Functions of Windows 10 (version 1607 and later), looked up at run time so that the program still
// starts on Windows 7, where the system DPI is the only one.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <class Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

RECT DpiScale::operator()(const RECT& design) const {
    const UnitRect pixels = DesignToPixels(UnitRect{design.left, design.top, design.right, design.bottom}, dpi_);
    return RECT{pixels.Left, pixels.Top, pixels.Right, pixels.Bottom};
}

DpiScale SystemDpi() {
    const WindowDC screen(nullptr);
    return DpiScale(GetDeviceCaps(screen.Get(), LOGPIXELSX));
}

DpiScale WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (window != nullptr && getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return DpiScale(static_cast<int>(dpi));
        }
    }
    return SystemDpi();
}

SIZE OuterSizeForClient(SIZE client, DWORD style, DWORD exStyle, DpiScale dpi) {
    static const auto adjustForDpi = User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT bounds{0, 0, client.cx, client.cy};
    if (adjustForDpi == nullptr ||
        adjustForDpi(&bounds, style, FALSE, exStyle, static_cast<UINT>(dpi.Dpi())) == FALSE) {
        // Without it the frame is the system DPI's, which is then also every window's.
        bounds = RECT{0, 0, client.cx, client.cy};
        AdjustWindowRectEx(&bounds, style, FALSE, exStyle);
    }
    return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void PlaceForDpi(HWND window, const RECT& place, SIZE designClient, DpiScale dpi) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const SIZE outer = OuterSizeForClient(dpi(designClient), style, exStyle, dpi);
    SetWindowPos(window, nullptr, place.left, place.top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceControl(HWND control, const RECT& design, DpiScale dpi) {
    const RECT pixels = dpi(design);
    SetWindowPos(control, nullptr, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

DpiChange ReadDpiChange(WPARAM wParam, LPARAM lParam) {
    // The horizontal and vertical DPI are always the same: the low word is taken.
    return DpiChange{DpiScale(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam)};
}

}  // namespace tintrel
