#include "sampler/magnifier_win.h"

#include "sampler/screen_capture_win.h"
#include "ui/frames_win.h"

namespace tintrel {

namespace {

constexpr int kZoom = 4;
constexpr COLORREF kSilver = 0x00C0C0C0;

}  // namespace

void Magnifier::Create(SIZE size) {
    size_ = size;
    WindowDC screen(nullptr);
    magBitmap_.Reset(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
    MemoryDC dc(screen.Get());
    ScopedSelect select(dc.Get(), magBitmap_.Get());
    Brush silver(CreateSolidBrush(kSilver));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc.Get(), &all, silver.Get());
    magCenterX_ = size.cx / 2;
    magCenterY_ = size.cy / 2;
}

void Magnifier::Release() {
    magBitmap_.Reset();
}

std::optional<COLORREF> Magnifier::Capture() {
    return CaptureAroundPointer(magBitmap_.Get(), size_, POINT{magCenterX_, magCenterY_});
}

void Magnifier::Paint(HDC dc, POINT origin) const {
    if (magBitmap_.Get() == nullptr) {
        return;
    }
    const int savedState = SaveDC(dc);
    // Relative to the origin the caller's DC already has, which may be an off-screen buffer's.
    OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    IntersectClipRect(dc, 0, 0, size_.cx, size_.cy);

    MemoryDC source(dc);
    {
        ScopedSelect select(source.Get(), magBitmap_.Get());
        SetStretchBltMode(dc, STRETCH_DELETESCANS);
        const int half = kZoom / 2;
        StretchBlt(dc, magCenterX_ - half * size_.cx, magCenterY_ - half * size_.cy, kZoom * size_.cx, kZoom * size_.cy,
                   source.Get(), 0, 0, size_.cx, size_.cy, SRCCOPY);
    }
    DrawRaisedFrame(dc, RECT{magCenterX_ - 1, magCenterY_ - 1, magCenterX_ + kZoom + 1, magCenterY_ + kZoom + 1});
    DrawRaisedFrame(dc, RECT{0, 0, size_.cx, size_.cy});
    RestoreDC(dc, savedState);
}

}  // namespace tintrel
