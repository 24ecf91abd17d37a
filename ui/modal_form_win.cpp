#include "ui/modal_form_win.h"

#include "ui/fonts_win.h"
#include "ui/window_text_win.h"

namespace tintrel::detail {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void CentreOnScreen(HWND form) {
    RECT window;
    GetWindowRect(form, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(form, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsInside(HWND form, HWND window) {
    return window == form || IsChild(form, window);
}

// A multi-line text box asks for every key, Tab included, so the dialog manager would never move on
// from it: Tab is taken here for every control alike.
bool MoveFocusOnTab(HWND form, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0 ||
        !IsInside(form, message.hwnd)) {
        return false;
    }
    const HWND next = GetNextDlgTabItem(form, GetFocus(), GetKeyState(VK_SHIFT) < 0);
    if (next != nullptr) {
        SetFocus(next);
        if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
            SendMessageW(next, EM_SETSEL, 0, -1);
        }
    }
    return true;
}

}  // namespace

void CreateDialogWindow(const wchar_t* className,
                        WNDPROC procedure,
                        std::string_view captionCp932,
                        SIZE client,
                        void* form) {
    const LPCWSTR registered = RegisterWindowClassOnce(className, procedure, LoadCursorW(nullptr, IDC_ARROW),
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const SIZE outer = OuterSizeForClient(client, kDialogStyle, kDialogExStyle, DpiScale());
    const HWND hwnd = CreateWindowChecked(kDialogExStyle, registered, WidenCp932(captionCp932).c_str(), kDialogStyle,
                                          CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, form);
    SetControlFont(hwnd, FormFont(DpiScale()));
}

DpiScale FitFormToScreen(HWND form, SIZE designClient) {
    CentreOnScreen(form);
    const DpiScale dpi = WindowDpi(form);
    RECT window;
    GetWindowRect(form, &window);
    PlaceForDpi(form, window, designClient, dpi);
    SetControlFont(form, FormFont(dpi));
    CentreOnScreen(form);
    return dpi;
}

int RunModalLoop(HWND form,
                 HWND owner,
                 HWND initialFocus,
                 const int& modalResult,
                 void (*cancel)(void*),
                 void* object) {
    CentreOnScreen(form);
    if (owner != nullptr) {
        SetWindowLongPtrW(form, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
        EnableWindow(owner, FALSE);
    }
    ShowWindow(form, SW_SHOW);
    SetForegroundWindow(form);
    SetFocus(initialFocus);

    MSG message;
    bool quitting = false;
    while (modalResult == kModalResultNone) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quitting = true;
            break;
        }
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && IsInside(form, message.hwnd)) {
            RunGuarded([&] { cancel(object); });
            continue;
        }
        if (MoveFocusOnTab(form, message)) {
            continue;
        }
        if (!IsDialogMessageW(form, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // The owner is enabled before the form is hidden, so that it, and not another program, is activated.
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
    }
    ShowWindow(form, SW_HIDE);
    if (owner != nullptr) {
        SetActiveWindow(owner);
    }
    if (quitting) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return kModalResultCancel;
    }
    return modalResult;
}

}  // namespace tintrel::detail
