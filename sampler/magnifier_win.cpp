#include "sampler/magnifier_win.h"

#include "ui/frames_win.h"
#include "ui/gdi_handles_win.h"

namespace tintrel {

namespace {

constexpr int kZoom = 4;

}  // namespace

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
