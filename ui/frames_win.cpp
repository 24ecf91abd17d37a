#include "ui/frames_win.h"

namespace tintrel {

namespace {

void FillPixels(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const RECT area{left, top, right, bottom};
    FillRect(dc, &area, brush);
}

}  // namespace

void DrawRaisedFrame(HDC dc, const RECT& frame, int width) {
    const HBRUSH highlight = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    const HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    FillPixels(dc, frame.left, frame.top, frame.left + width, frame.bottom, highlight);
    FillPixels(dc, frame.left, frame.top, frame.right - width, frame.top + width, highlight);
    FillPixels(dc, frame.right - width, frame.top, frame.right, frame.bottom, shadow);
    FillPixels(dc, frame.left, frame.bottom - width, frame.right, frame.bottom, shadow);
}

void DrawLoweredBevel(HDC dc, const RECT& frame, int width) {
    const HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    const HBRUSH highlight = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    FillPixels(dc, frame.left, frame.top, frame.right - width, frame.top + width, shadow);
    FillPixels(dc, frame.left, frame.top, frame.left + width, frame.bottom - width, shadow);
    FillPixels(dc, frame.left, frame.bottom - width, frame.right, frame.bottom, highlight);
    FillPixels(dc, frame.right - width, frame.top, frame.right, frame.bottom, highlight);
}

}  // namespace tintrel
