// The keyboard focus between the main window and the floating palette: it never stays in a hidden
// window, an activated window always hands it to a control, and F6 moves it between the two windows.
// While a dialog or message box disables the main window, the floating palette is disabled with it.
#include "app/main_form_win.h"

#include "ui/focus_win.h"

namespace tintrel {

bool TFMain::WindowActivate(WPARAM state) {
    // The control that had the focus gets it back when the window is activated again.
    if (LOWORD(state) == WA_INACTIVE) {
        lastFocus_ = FocusableChild(hwnd_, GetFocus(), lastFocus_);
        return false;
    }
    if (HIWORD(state) != 0) {
        return false;  // minimised
    }
    FocusControl();
    return true;
}

void TFMain::FocusControl() {
    SetFocus(FocusableChild(hwnd_, lastFocus_, formatChoice_.Handle()));
}

void TFMain::KeepFocusVisible() {
    const HWND active = GetActiveWindow();
    if (active == nullptr) {
        return;  // another program is in front: its focus is not ours to move
    }
    const HWND focus = GetFocus();
    if (focus != nullptr && GetAncestor(focus, GA_ROOT) == active && IsWindowVisible(focus) && IsWindowEnabled(focus)) {
        return;
    }
    if (active == palletHost_.ShownFloatWindow()) {
        palletHost_.FocusFloatWindow();
    } else if (active == hwnd_ || !IsWindowVisible(active)) {
        if (active != hwnd_) {
            SetActiveWindow(hwnd_);
        }
        FocusControl();
    }
}

bool TFMain::SwitchWindowKey(const MSG& message) {
    const HWND floating = palletHost_.ShownFloatWindow();
    if (message.message != WM_KEYDOWN || message.wParam != VK_F6 || GetKeyState(VK_MENU) < 0 ||
        GetKeyState(VK_CONTROL) < 0 || floating == nullptr || !IsWindowEnabled(hwnd_)) {
        return false;
    }
    // With two windows, F6 and Shift+F6 both go to the other one.
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == hwnd_) {
        SetActiveWindow(floating);
        return true;
    }
    if (root == floating) {
        SetActiveWindow(hwnd_);
        return true;
    }
    return false;
}

void TFMain::WindowEnable(bool enabled) {
    palletHost_.EnableFloatWindow(enabled);
}

}  // namespace tintrel
