#pragma once

#include <windows.h>

#include <optional>

#include "sampler/capture_geometry.h"

namespace tintrel {

class FrozenScreen;

// Copies the screen around `at` into the bitmap selected into `target` (of `size`), so that the
// pixel at `at` lands on `center`; what lies beyond the virtual screen is filled black. The screen is
// the live one, or the picture `frozen` when given. Positions and sizes are physical screen pixels.
// Returns the part of the bitmap that shows the screen, or nothing when the live screen cannot be
// read at the moment (while a secure desktop such as the lock screen is shown). Throws
// Error when the screen cannot be read; the screen's drawing context is released on
// every path.
std::optional<CaptureCopy> CaptureAround(HDC target,
                                         SIZE size,
                                         POINT center,
                                         ScreenPoint at,
                                         const FrozenScreen* frozen);

// Where the pointer is, in physical pixels; nothing while it cannot be read (on the lock screen).
std::optional<ScreenPoint> PointerOnScreen();

// Makes the next capture read the virtual screen's extent again; for WM_DISPLAYCHANGE.
void ForgetVirtualScreen();

// Moves the pointer to `to` (physical pixels), kept on the virtual screen; returns where it goes.
ScreenPoint MovePointerTo(ScreenPoint to);

}  // namespace tintrel
