#pragma once

#include <windows.h>

namespace tintrel {

// Draws the magnifier into a paint box of `size` at `origin` of `dc`: the captured bitmap four times
// enlarged with its centre pixel's block at (centerX, centerY), a raised frame around that block and
// one around the whole box.
void PaintMagnifier(HDC dc, POINT origin, SIZE size, HBITMAP magBitmap, int centerX, int centerY);

// A raised one-pixel frame on the half-open rectangle: highlight on the left and top, shadow on the
// right and bottom, the bottom-left and top-right corners in shadow.
void DrawRaisedFrame(HDC dc, const RECT& frame);

}  // namespace tintrel
