#include "ui/focus_win.h"

namespace tintrel {

HWND FocusableChild(HWND window, HWND candidate, HWND fallback) {
    const bool usable = candidate != nullptr && IsWindow(candidate) && IsChild(window, candidate) &&
                        IsWindowVisible(candidate) && IsWindowEnabled(candidate);
    return usable ? candidate : fallback;
}

void WindowPairFocus::Attach(HWND main, HWND firstControl) {
    main_ = main;
    firstControl_ = firstControl;
}

bool WindowPairFocus::Activate(WPARAM state) {
    // The control that had the focus gets it back when the window is activated again.
    if (LOWORD(state) == WA_INACTIVE) {
        lastFocus_ = FocusableChild(main_, GetFocus(), lastFocus_);
        return false;
    }
    if (HIWORD(state) != 0) {
        return false;  // minimised
    }
    FocusControl();
    return true;
}

void WindowPairFocus::FocusControl() {
    SetFocus(FocusableChild(main_, lastFocus_, firstControl_));
}

void WindowPairFocus::KeepVisible() {
    const HWND active = GetActiveWindow();
    if (active == nullptr) {
        return;  // another program is in front: its focus is not ours to move
    }
    const HWND focus = GetFocus();
    if (focus != nullptr && GetAncestor(focus, GA_ROOT) == active && IsWindowVisible(focus) && IsWindowEnabled(focus)) {
        return;
    }
    if (active == OtherWindow()) {
        FocusOther();
    } else if (active == main_ || !IsWindowVisible(active)) {
        if (active != main_) {
            SetActiveWindow(main_);
        }
        FocusControl();
    }
}

bool WindowPairFocus::SwitchWindowKey(const MSG& message) {
    const HWND other = OtherWindow();
    if (message.message != WM_KEYDOWN || message.wParam != VK_F6 || GetKeyState(VK_MENU) < 0 ||
        GetKeyState(VK_CONTROL) < 0 || other == nullptr || !IsWindowEnabled(main_)) {
        return false;
    }
    // With two windows, F6 and Shift+F6 both go to the other one.
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == main_ || root == other) {
        SetActiveWindow(root == main_ ? other : main_);
        return true;
    }
    return false;
}

}  // namespace tintrel
