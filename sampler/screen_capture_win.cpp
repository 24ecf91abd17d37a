#include "sampler/screen_capture_win.h"

#include <algorithm>

#include "base/error.h"
#include "sampler/capture_geometry.h"
#include "sampler/pick_view_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/physical_pixels_win.h"

namespace tintrel {

namespace {

// 画面を読み取れません
constexpr const char* kCannotReadScreen =
    "\x89\xE6\x96\xCA\x82\xF0\x93\xC7\x82\xDD\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1";

// The virtual screen in physical pixels, kept between samples: reading it costs more than the copy
// itself on some systems, and it changes only with the display settings.
std::optional<ScreenRect>& KnownVirtualScreen() {
    static std::optional<ScreenRect> screen;
    return screen;
}

ScreenRect VirtualScreen() {
    std::optional<ScreenRect>& known = KnownVirtualScreen();
    if (!known) {
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        known = ScreenRect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    }
    return *known;
}

}  // namespace

std::optional<CaptureCopy> CaptureAround(HDC target,
                                         SIZE size,
                                         POINT center,
                                         ScreenPoint at,
                                         const FrozenScreen* frozen) {
    // The pointer, the screen's extent and the copy must all be read in the same pixels.
    const PhysicalPixelScope physical;
    POINT pointer;
    if (frozen == nullptr && !GetCursorPos(&pointer)) {
        return std::nullopt;
    }
    const ScreenRect screen = frozen != nullptr ? frozen->Bounds() : VirtualScreen();
    // Only what lies on the screen is copied: beyond it some drivers return noise rather than nothing.
    const CaptureCopy copy = ClipCapture(at, size.cx, size.cy, center.x, center.y, screen);
    if (copy.Width != size.cx || copy.Height != size.cy) {
        const RECT all{0, 0, size.cx, size.cy};
        FillRect(target, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    if (copy.Width <= 0 || copy.Height <= 0) {
        return copy;
    }
    if (frozen != nullptr) {
        BitBlt(target, copy.DestX, copy.DestY, copy.Width, copy.Height, frozen->Dc(), copy.SourceX - screen.Left,
               copy.SourceY - screen.Top, SRCCOPY);
        return copy;
    }
    const WindowDC live(nullptr);
    if (live.Get() == nullptr || !BitBlt(target, copy.DestX, copy.DestY, copy.Width, copy.Height, live.Get(),
                                         copy.SourceX, copy.SourceY, SRCCOPY)) {
        throw Error(kCannotReadScreen);
    }
    return copy;
}

std::optional<ScreenPoint> PointerOnScreen() {
    const PhysicalPixelScope physical;
    POINT pointer;
    if (!GetCursorPos(&pointer)) {
        return std::nullopt;
    }
    return ScreenPoint{pointer.x, pointer.y};
}

void ForgetVirtualScreen() {
    KnownVirtualScreen().reset();
}

ScreenPoint MovePointerTo(ScreenPoint to) {
    const PhysicalPixelScope physical;
    const ScreenRect screen = VirtualScreen();
    const ScreenPoint kept{std::clamp(to.X, screen.Left, screen.Right - 1),
                           std::clamp(to.Y, screen.Top, screen.Bottom - 1)};
    SetCursorPos(kept.X, kept.Y);
    return kept;
}

}  // namespace tintrel
