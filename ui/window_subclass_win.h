#pragma once

#include <windows.h>

#include <commctrl.h>

namespace tintrel {

// A window procedure put in front of a window's own, removed again with this object (or with the
// window, whichever goes first). The procedure passes what it does not take on with DefSubclassProc.
class WindowSubclass {
public:
    WindowSubclass() = default;
    ~WindowSubclass() { Remove(); }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // Throws Error when the procedure cannot be installed.
    void Install(HWND window, SUBCLASSPROC procedure, DWORD_PTR object);
    void Remove();

private:
    HWND window_ = nullptr;
    SUBCLASSPROC procedure_ = nullptr;
};

}  // namespace tintrel
