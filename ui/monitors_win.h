#pragma once

#include <windows.h>

namespace tintrel {

// Where to put a top-level window whose outer rectangle, in screen coordinates, would be `window`: as
// it is when any part of it lies in the work area of a monitor, else moved, at its size, into the work
// area of the nearest monitor, so that a window stored on a monitor since removed can be reached.
RECT PlaceOnMonitor(const RECT& window);
// Moves a top-level window, at its size, to `topLeft` as PlaceOnMonitor places it.
void MoveOntoMonitor(HWND window, POINT topLeft);

// Where to open a window `width` by `height` beside `anchor`, wholly on the anchor's monitor.
RECT PlaceBesideWindow(HWND anchor, int width, int height);

}  // namespace tintrel
