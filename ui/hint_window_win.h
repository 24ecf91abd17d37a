#pragma once

#include <windows.h>

#include "ui/window_handles_win.h"

namespace tintrel {

// A tool-tip window for hints that show `pause` milliseconds after the pointer rests, follow each other
// after `pause` and hide after `hidePause`. Throws std::runtime_error when it cannot be created.
OwnedWindow CreateHintWindow(int pause, int hidePause);

}  // namespace tintrel
