#include "sampler/magnifier_win.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "sampler/area_average.h"
#include "sampler/magnifier_geometry.h"
#include "sampler/screen_capture_win.h"
#include "ui/fonts_win.h"
#include "ui/frames_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

HBITMAP CreatePixelBitmap(HDC dc, SIZE size, std::uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    return bitmap;
}

namespace {

constexpr COLORREF kSilver = 0x00C0C0C0;

COLORREF FromPixel(std::uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

void Magnifier::Surface::Create(HDC reference, HBITMAP image) {
    Reset();
    Image.Reset(image);
    Dc = std::make_unique<MemoryDC>(reference);
    Selection = std::make_unique<ScopedSelect>(Dc->Get(), Image.Get());
}

void Magnifier::Surface::Reset() {
    Selection.reset();
    Dc.reset();
    Image.Reset();
}

void Magnifier::Create(SIZE size) {
    size_ = size;
    WindowDC screen(nullptr);
    // Its memory a pick reads directly: one pixel or a whole square costs no call into the system.
    magBitmap_.Create(screen.Get(), CreatePixelBitmap(screen.Get(), size, pixels_));
    CreateBuffer();
    Brush silver(CreateSolidBrush(kSilver));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(magBitmap_.Dc->Get(), &all, silver.Get());
    magCenterX_ = size.cx / 2;
    magCenterY_ = size.cy / 2;
    stale_ = true;
}

void Magnifier::CreateBuffer() {
    const WindowDC screen(nullptr);
    const SIZE box = BoxSize();
    buffer_.Create(screen.Get(), CreateCompatibleBitmap(screen.Get(), box.cx, box.cy));
}

void Magnifier::SetDpi(DpiScale dpi) {
    stale_ = stale_ || dpi != dpi_;
    dpi_ = dpi;
    // The bitmap keeps its size: at the smallest factor a screen pixel takes at least two pixels of the
    // box at any DPI, so the box never shows more screen pixels than the bitmap holds.
    if (magBitmap_.Dc) {
        CreateBuffer();
    }
}

void Magnifier::Release() {
    magBitmap_.Reset();
    simulated_.Reset();
    simulatedPixels_ = nullptr;
    buffer_.Reset();
    pixels_ = nullptr;
}

void Magnifier::SetZoom(int zoom) {
    stale_ = stale_ || zoom != zoom_;
    zoom_ = zoom;
}

void Magnifier::SetSampleSize(int size) {
    stale_ = stale_ || size != sampleSize_;
    sampleSize_ = size;
}

void Magnifier::ShowZoomLabel(bool shown) {
    stale_ = stale_ || shown != labelShown_;
    labelShown_ = shown;
}

void Magnifier::Keep() {
    kept_.clear();
    if (pixels_ != nullptr) {
        GdiFlush();
        kept_.assign(pixels_, pixels_ + static_cast<std::size_t>(size_.cx) * static_cast<std::size_t>(size_.cy));
    }
}

void Magnifier::PutBack() {
    if (pixels_ == nullptr || kept_.size() != static_cast<std::size_t>(size_.cx) * static_cast<std::size_t>(size_.cy)) {
        return;
    }
    GdiFlush();
    std::copy(kept_.begin(), kept_.end(), pixels_);
}

std::optional<COLORREF> Magnifier::Capture(ScreenPoint at, const FrozenScreen* frozen) {
    if (pixels_ == nullptr) {
        return std::nullopt;
    }
    const std::optional<CaptureCopy> copy =
        CaptureAround(magBitmap_.Dc->Get(), size_, POINT{magCenterX_, magCenterY_}, at, frozen);
    if (!copy) {
        return std::nullopt;
    }
    GdiFlush();  // the copy must have reached the bitmap's memory before it is read
    SimulateVision();
    return Pick(*copy);
}

COLORREF Magnifier::Pick(const CaptureCopy& copy) const {
    if (sampleSize_ == 1) {
        return FromPixel(pixels_[static_cast<std::ptrdiff_t>(magCenterY_) * size_.cx + magCenterX_]);
    }
    const PixelRect onScreen{copy.DestX, copy.DestY, copy.DestX + copy.Width, copy.DestY + copy.Height};
    return static_cast<COLORREF>(
        AverageSquare(PixelGrid{pixels_, size_.cx, size_.cy}, onScreen, magCenterX_, magCenterY_, sampleSize_));
}

void Magnifier::Paint(HDC dc, POINT origin) const {
    if (pixels_ == nullptr) {
        return;
    }
    const int savedState = SaveDC(dc);
    // Relative to the origin the caller's DC already has, which may be an off-screen buffer's.
    OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    const SIZE box = BoxSize();
    IntersectClipRect(dc, 0, 0, box.cx, box.cy);
    Draw(dc);
    RestoreDC(dc, savedState);
}

void Magnifier::PaintNow(HWND window, POINT origin) {
    if (pixels_ == nullptr) {
        return;
    }
    const auto count = static_cast<std::size_t>(size_.cx) * static_cast<std::size_t>(size_.cy);
    if (!stale_ && shown_.size() == count && std::memcmp(shown_.data(), pixels_, count * sizeof(std::uint32_t)) == 0) {
        return;
    }
    shown_.assign(pixels_, pixels_ + count);
    stale_ = false;
    Draw(buffer_.Dc->Get());
    const WindowDC target(window);
    const SIZE box = BoxSize();
    BitBlt(target.Get(), origin.x, origin.y, box.cx, box.cy, buffer_.Dc->Get(), 0, 0, SRCCOPY);
}

void Magnifier::Draw(HDC dc) const {
    const SIZE box = BoxSize();
    const MagnifierScale scale{
        box.cx,      box.cy, dpi_(magCenterX_ + kDefaultZoom / 2), dpi_(magCenterY_ + kDefaultZoom / 2),
        dpi_(zoom_), dpi_(1)};
    const MagnifierLayout layout = LayOutMagnifier(size_.cx, size_.cy, magCenterX_, magCenterY_, scale, sampleSize_);
    SetStretchBltMode(dc, STRETCH_DELETESCANS);
    StretchBlt(dc, layout.Dest.Left, layout.Dest.Top, layout.Dest.Right - layout.Dest.Left,
               layout.Dest.Bottom - layout.Dest.Top, SourceDc(), layout.Source.Left, layout.Source.Top,
               layout.Source.Right - layout.Source.Left, layout.Source.Bottom - layout.Source.Top, SRCCOPY);
    const PixelRect& frame = layout.Frame;
    DrawRaisedFrame(dc, RECT{frame.Left, frame.Top, frame.Right, frame.Bottom}, scale.Line);
    DrawRaisedFrame(dc, RECT{0, 0, box.cx, box.cy}, scale.Line);
    if (labelShown_) {
        const std::wstring label = L"\u00D7" + WidenCp932(std::to_string(zoom_));
        const ScopedSelect font(dc, FixedFont(dpi_));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkMode(dc, OPAQUE);
        TextOutW(dc, dpi_(2), dpi_(2), label.c_str(), static_cast<int>(label.size()));
    }
    DrawVisionLabel(dc);
}

}  // namespace tintrel
