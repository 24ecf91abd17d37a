#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/window_handles_win.h"

namespace tintrel {

// A tool-tip window for hints that show `pause` milliseconds after the pointer rests, follow each other
// after `pause` and hide after `hidePause`. Throws Error when it cannot be created.
OwnedWindow CreateHintWindow(int pause, int hidePause);

// A balloon tool of `owner` that shows where it is put (TTM_TRACKPOSITION) while it is tracked.
TOOLINFOW BalloonTool(HWND owner, wchar_t* text);

}  // namespace tintrel
