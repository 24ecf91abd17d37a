#pragma once

#include <windows.h>

namespace tintrel {

// A raised frame `width` pixels wide on the outermost pixels of the half-open rectangle: highlight on
// the left and top, shadow on the right and bottom; the shadow, drawn last, owns the top-right and
// bottom-left corners.
void DrawRaisedFrame(HDC dc, const RECT& frame, int width = 1);

// A lowered bevel `width` pixels wide: shadow on the left and top, highlight on the right and bottom,
// which own the corners they share with the shadow.
void DrawLoweredBevel(HDC dc, const RECT& frame, int width = 1);

}  // namespace tintrel
