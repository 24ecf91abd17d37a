#pragma once

#include <windows.h>

#include <functional>

#include "ui/base_window_win.h"
#include "ui/dpi_win.h"

namespace tintrel {

// The floating palette window: a sizeable tool window with a thin title bar and a close box, always on
// top whatever the main window's option says, holding the palette panel in its whole client area. It
// exists while the palette floats; closing it hides the panel in it, which docks the palette back.
class PalletFloatWindow : public BaseWindow<PalletFloatWindow> {
public:
    // The user starts and ends moving or sizing the window by its title bar or border.
    std::function<void()> OnStartDock;
    std::function<void()> OnEndDock;
    // The window is at `dpi` now: on the monitor it was created on, or on one of another DPI that it was
    // moved to, after it took the size the system suggests there.
    std::function<void(DpiScale dpi)> OnDpiChanged;
    // The control that takes the focus when the window is activated and none of its controls had it.
    HWND FirstFocus = nullptr;

    // Creates the window over `owner` with its outer top-left corner at (left, top) and a client area
    // of width by height screen pixels, titled `title` up to its first line break, and moves `panel`
    // into it.
    void Create(HWND owner, HWND panel, const wchar_t* title, int left, int top, int width, int height);
    // Destroys the window; the panel must have been moved out of it first.
    void Destroy() { DestroyOwnWindow(); }
    // Gives the focus to the control of this window that had it last, or to FirstFocus.
    void FocusControl();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    void FitPanel();
    void FormClose();

    HWND panel_ = nullptr;
    HWND lastFocus_ = nullptr;
};

}  // namespace tintrel
