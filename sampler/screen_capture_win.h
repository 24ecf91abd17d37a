#pragma once

#include <windows.h>

#include <optional>

namespace tintrel {

// Fills `bitmap` (of `size`) black and copies into it the screen around the pointer, so that the
// pointer's pixel lands on `center`; what lies beyond the virtual screen keeps the black. Positions and
// sizes are physical screen pixels. Returns the colour of the pointer's pixel, or nothing when the
// pointer's position cannot be read (while a secure desktop such as the lock screen is shown).
// Throws std::runtime_error when the screen cannot be read; the screen's drawing context is released
// on every path.
std::optional<COLORREF> CaptureAroundPointer(HBITMAP bitmap, SIZE size, POINT center);

// Makes the next capture read the virtual screen's extent again; for WM_DISPLAYCHANGE.
void ForgetVirtualScreen();

// Moves the pointer by (dx, dy) physical pixels; Windows keeps it on the screen.
void MovePointerBy(int dx, int dy);

}  // namespace tintrel
