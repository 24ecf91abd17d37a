#include "sampler/magnifier_win.h"

#include "app/gdi_handles_win.h"

namespace tintrel {

namespace {

constexpr int kZoom = 4;

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

void PaintMagnifier(HDC dc, POINT origin, SIZE size, HBITMAP magBitmap, int centerX, int centerY) {
    const int savedState = SaveDC(dc);
    // Relative to the origin the caller's DC already has, which may be an off-screen buffer's.
    OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    IntersectClipRect(dc, 0, 0, size.cx, size.cy);

    MemoryDC source(dc);
    {
        ScopedSelect select(source.Get(), magBitmap);
        SetStretchBltMode(dc, STRETCH_DELETESCANS);
        const int half = kZoom / 2;
        StretchBlt(dc, centerX - half * size.cx, centerY - half * size.cy, kZoom * size.cx, kZoom * size.cy,
                   source.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
    }
    DrawRaisedFrame(dc, RECT{centerX - 1, centerY - 1, centerX + kZoom + 1, centerY + kZoom + 1});
    DrawRaisedFrame(dc, RECT{0, 0, size.cx, size.cy});
    RestoreDC(dc, savedState);
}

}  // namespace tintrel
