#pragma once

#include <windows.h>

#include <optional>

#include "sampler/capture_geometry.h"

namespace tintrel {

// Copies the screen around the pointer into the bitmap selected into `target` (of `size`), so that
// the pointer's pixel lands on `center`; what lies beyond the virtual screen is filled black.
// Positions and sizes are physical screen pixels. Returns the part of the bitmap that shows the
// screen, or nothing when the pointer's position cannot be read (while a secure desktop such as the
// lock screen is shown). Throws std::runtime_error when the screen cannot be read; the screen's
// drawing context is released on every path.
std::optional<CaptureCopy> CaptureAroundPointer(HDC target, SIZE size, POINT center);

// Makes the next capture read the virtual screen's extent again; for WM_DISPLAYCHANGE.
void ForgetVirtualScreen();

// Moves the pointer by (dx, dy) physical pixels; Windows keeps it on the screen.
void MovePointerBy(int dx, int dy);

}  // namespace tintrel
