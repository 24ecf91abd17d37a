#pragma once

#include <windows.h>

namespace tintrel {

// Draws the magnifier into a paint box of `size` at `origin` of `dc`: the captured bitmap four times
// enlarged with its centre pixel's block at (centerX, centerY), a raised frame around that block and
// one around the whole box.
void PaintMagnifier(HDC dc, POINT origin, SIZE size, HBITMAP magBitmap, int centerX, int centerY);

}  // namespace tintrel
