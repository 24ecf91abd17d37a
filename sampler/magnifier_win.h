#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "color/vision_simulation.h"
#include "sampler/capture_geometry.h"
#include "ui/dpi_win.h"
#include "ui/gdi_handles_win.h"

namespace tintrel {

class FrozenScreen;

// A top-down 32-bit bitmap compatible with `dc` whose pixels (0x00RRGGBB) are at `pixels`, which
// stays valid as long as the bitmap; nullptr when it cannot be made.
HBITMAP CreatePixelBitmap(HDC dc, SIZE size, std::uint32_t*& pixels);

// The magnifier: `MagBitmap`, the screen area around the pointer as last captured, and its centre
// pixel, drawn enlarged (4 times unless the user chose another factor) into a paint box of the
// bitmap's size in design units. Each screen pixel is a sharp square of the factor's design units in
// whole pixels of the box's DPI. A pick takes the centre pixel, or the average of a square around it.
class Magnifier {
public:
    Magnifier() = default;
    Magnifier(const Magnifier&) = delete;
    Magnifier& operator=(const Magnifier&) = delete;

    // Creates `MagBitmap` with `size`, filled silver, its centre at half its width and height.
    void Create(SIZE size);
    // Lays the box out for `dpi` (96 until it is called).
    void SetDpi(DpiScale dpi);
    // The box's size in pixels at its DPI.
    SIZE BoxSize() const { return dpi_(size_); }
    // Releases `MagBitmap`; nothing draws or captures after it.
    void Release();

    // Captures the screen around `at` (the live screen, or `frozen` when given) into `MagBitmap` and
    // returns the colour picked there: that pixel, or the average of the square around it that lies on
    // the screen; nothing when the screen cannot be read at the moment. Throws Error when
    // the screen cannot be read.
    std::optional<COLORREF> Capture(ScreenPoint at, const FrozenScreen* frozen = nullptr);

    // Draws the bitmap enlarged with the centre pixel's block at the centre, a raised frame around the
    // picked square and one around the whole box at `origin` of `dc`, and the factor in a corner while
    // it is shown.
    void Paint(HDC dc, POINT origin) const;
    // Paints into `window` at `origin` at once, in one step, unless the box would look as it does.
    void PaintNow(HWND window, POINT origin);

    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    int SampleSize() const { return sampleSize_; }
    void SetSampleSize(int size);
    // Shows or hides the factor in the corner.
    void ShowZoomLabel(bool shown);
    // Shows the screen as seen with `vision`, named in the lower corner; a pick keeps the true colour.
    void SetVision(ColorVision vision);
    ColorVision Vision() const { return vision_; }
    // Keeps what the box shows now, to put it back when a pick is cancelled.
    void Keep();
    void PutBack();

    int CenterX() const { return magCenterX_; }
    int CenterY() const { return magCenterY_; }

private:
    void Draw(HDC dc) const;
    // What the box enlarges: the captured bitmap, or its copy as seen with the simulated vision.
    HDC SourceDc() const;
    void SimulateVision();
    void DrawVisionLabel(HDC dc) const;
    void CreateBuffer();
    COLORREF Pick(const CaptureCopy& copy) const;

    // A bitmap that stays selected into a device context of its own, so that a sample costs no
    // selection nor creation.
    struct Surface {
        Bitmap Image;
        std::unique_ptr<MemoryDC> Dc;
        std::unique_ptr<ScopedSelect> Selection;

        void Create(HDC reference, HBITMAP image);
        void Reset();
    };

    Surface magBitmap_;
    Surface simulated_;
    std::uint32_t* simulatedPixels_ = nullptr;
    ColorVision vision_ = ColorVision::Normal;
    Surface buffer_;                   // where PaintNow composes the box before showing it
    std::uint32_t* pixels_ = nullptr;  // the bitmap's own memory, 0x00RRGGBB, rows top to bottom
    // What the box last showed, so that a sample over an unchanged screen paints nothing.
    std::vector<std::uint32_t> shown_;
    std::vector<std::uint32_t> kept_;
    bool stale_ = true;
    SIZE size_{};
    int magCenterX_ = 0;
    int magCenterY_ = 0;
    DpiScale dpi_;
    int zoom_ = 4;
    int sampleSize_ = 1;
    bool labelShown_ = false;
};

}  // namespace tintrel
