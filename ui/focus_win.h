#pragma once

#include <windows.h>

#include <functional>

namespace tintrel {

// `candidate` when it is a control inside `window` that can take the focus (it is there, visible and
// enabled), otherwise `fallback`. A window's focus must never go to a hidden control: the keys would
// reach nothing the user can see.
HWND FocusableChild(HWND window, HWND candidate, HWND fallback);

// The keyboard focus between a main window and a second top-level window of the program: it never stays
// in a hidden window, an activated window always hands it to a control, and F6 moves it between the two.
class WindowPairFocus {
public:
    // `firstControl` takes the focus when no other control of `main` had it.
    void Attach(HWND main, HWND firstControl);

    // The second window while it is shown, and how it takes the focus.
    std::function<HWND()> OtherWindow;
    std::function<void()> FocusOther;

    // WM_ACTIVATE of the main window: true when the focus was given to a control.
    bool Activate(WPARAM state);
    // WM_SETFOCUS of the main window.
    void FocusControl();
    // After a window was shown or hidden: the focus moves away from what can no longer take it.
    void KeepVisible();
    // F6 and Shift+F6; true when taken.
    bool SwitchWindowKey(const MSG& message);

private:
    HWND main_ = nullptr;
    HWND firstControl_ = nullptr;
    HWND lastFocus_ = nullptr;
};

}  // namespace tintrel
