#pragma once

#include <windows.h>

#include <optional>

#include "ui/gdi_handles_win.h"

namespace tintrel {

// The magnifier: `MagBitmap`, the screen area around the pointer as last captured, and its centre
// pixel, drawn four times enlarged into a paint box of the bitmap's size.
class Magnifier {
public:
    // Creates `MagBitmap` with `size`, filled silver, its centre at half its width and height.
    void Create(SIZE size);
    // Releases `MagBitmap`; nothing draws or captures after it.
    void Release();

    // Captures the screen around the pointer into `MagBitmap` and returns the pointer's pixel; nothing
    // when the pointer cannot be read. Throws std::runtime_error when the screen cannot be read.
    std::optional<COLORREF> Capture();

    // Draws the bitmap enlarged with the centre pixel's block at the centre, a raised frame around that
    // block and one around the whole box at `origin` of `dc`.
    void Paint(HDC dc, POINT origin) const;

    int CenterX() const { return magCenterX_; }
    int CenterY() const { return magCenterY_; }

private:
    Bitmap magBitmap_;
    SIZE size_{};
    int magCenterX_ = 0;
    int magCenterY_ = 0;
};

}  // namespace tintrel
