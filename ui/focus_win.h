#pragma once

#include <windows.h>

namespace tintrel {

// `candidate` when it is a control inside `window` that can take the focus (it is there, visible and
// enabled), otherwise `fallback`. A window's focus must never go to a hidden control: the keys would
// reach nothing the user can see.
HWND FocusableChild(HWND window, HWND candidate, HWND fallback);

}  // namespace tintrel
