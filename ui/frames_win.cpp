#include "ui/frames_win.h"

namespace tintrel {

namespace {

void FillPixels(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const RECT area{left, top, right, bottom};
    FillRect(dc, &area, brush);
}

}  // namespace

void DrawRaisedFrame(HDC dc, const RECT& frame) {
    const HBRUSH highlight = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    const HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    FillPixels(dc, frame.left, frame.top, frame.left + 1, frame.bottom, highlight);
    FillPixels(dc, frame.left, frame.top, frame.right - 1, frame.top + 1, highlight);
    FillPixels(dc, frame.right - 1, frame.top, frame.right, frame.bottom, shadow);
    FillPixels(dc, frame.left, frame.bottom - 1, frame.right, frame.bottom, shadow);
}

void DrawLoweredBevel(HDC dc, const RECT& frame) {
    const HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    const HBRUSH highlight = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    FillPixels(dc, frame.left, frame.top, frame.right - 1, frame.top + 1, shadow);
    FillPixels(dc, frame.left, frame.top, frame.left + 1, frame.bottom - 1, shadow);
    FillPixels(dc, frame.left, frame.bottom - 1, frame.right, frame.bottom, highlight);
    FillPixels(dc, frame.right - 1, frame.top, frame.right, frame.bottom, highlight);
}

}  // namespace tintrel
