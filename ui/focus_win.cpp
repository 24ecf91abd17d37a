#include "ui/focus_win.h"

namespace tintrel {

HWND FocusableChild(HWND window, HWND candidate, HWND fallback) {
    const bool usable = candidate != nullptr && IsWindow(candidate) && IsChild(window, candidate) &&
                        IsWindowVisible(candidate) && IsWindowEnabled(candidate);
    return usable ? candidate : fallback;
}

}  // namespace tintrel
