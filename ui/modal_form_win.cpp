#include "ui/modal_form_win.h"

#include "ui/base_window_win.h"

namespace tintrel {

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

}  // namespace

HWND CreateDialogForm(const wchar_t* className, WNDPROC procedure, const wchar_t* caption, SIZE client, void* form) {
    const LPCWSTR registered = RegisterWindowClassOnce(className, procedure, LoadCursorW(nullptr, IDC_ARROW),
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT bounds{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&bounds, kDialogStyle, FALSE, kDialogExStyle);
    const HWND hwnd =
        CreateWindowChecked(kDialogExStyle, registered, caption, kDialogStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr, form);
    return hwnd;
}

int RunModalForm(HWND form,
                 HWND owner,
                 HWND initialFocus,
                 const int& modalResult,
                 const std::function<void()>& onEscape) {
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
            onEscape();
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

}  // namespace tintrel
