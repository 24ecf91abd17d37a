#include "palette/pallet_float_window_win.h"

#include <string>

#include "ui/focus_win.h"
#include "ui/message_box_win.h"
#include "ui/monitors_win.h"

namespace tintrel {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

}  // namespace

void PalletFloatWindow::Create(HWND owner, HWND panel, const wchar_t* title, int left, int top, int width, int height) {
    const LPCWSTR className =
        RegisterWindowClassOnce(L"TintrelPalletFloat", &PalletFloatWindow::WindowProc, LoadCursorW(nullptr, IDC_ARROW),
                                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    std::wstring caption(title);
    caption = caption.substr(0, caption.find_first_of(L"\r\n"));
    const SIZE created = OuterSizeForClient(SIZE{width, height}, kStyle, kExStyle, WindowDpi(owner));
    CreateWindowChecked(kExStyle, className, caption.c_str(), kStyle, left, top, created.cx, created.cy, owner, nullptr,
                        this);
    // A place stored on a monitor that has gone since is moved onto one that is there; the frame is
    // that of the monitor's DPI.
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const RECT placed = PlaceOnMonitor(outer);
    const SIZE framed = OuterSizeForClient(SIZE{width, height}, kStyle, kExStyle, WindowDpi(hwnd_));
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, framed.cx, framed.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    panel_ = panel;
    SetParent(panel_, hwnd_);
    FitPanel();
    if (OnDpiChanged) {
        OnDpiChanged(WindowDpi(hwnd_));
    }
}

void PalletFloatWindow::FitPanel() {
    RECT client;
    GetClientRect(hwnd_, &client);
    SetWindowPos(panel_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PalletFloatWindow::FocusControl() {
    SetFocus(FocusableChild(hwnd_, lastFocus_, FirstFocus));
}

void PalletFloatWindow::FormClose() {
    // Hiding the panel tells its owner, which may take the panel back and destroy this window at once.
    if (panel_ != nullptr && GetParent(panel_) == hwnd_) {
        ShowWindow(panel_, SW_HIDE);
    }
    if (hwnd_ != nullptr) {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

LRESULT PalletFloatWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_SIZE:
            if (panel_ != nullptr && GetParent(panel_) == hwnd_) {
                FitPanel();
            }
            return 0;
        case WM_DPICHANGED: {
            const DpiChange change = ReadDpiChange(wParam, lParam);
            SetWindowPos(hwnd_, nullptr, change.Suggested.left, change.Suggested.top,
                         change.Suggested.right - change.Suggested.left, change.Suggested.bottom - change.Suggested.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            if (OnDpiChanged) {
                RunGuarded([this, &change] { OnDpiChanged(change.Dpi); });
            }
            return 0;
        }
        case WM_ENTERSIZEMOVE:
            if (OnStartDock) {
                RunGuarded([this] { OnStartDock(); });
            }
            break;
        case WM_EXITSIZEMOVE:
            if (OnEndDock) {
                RunGuarded([this] { OnEndDock(); });
            }
            break;
        // An activated window always gives the focus to a control, so that the keys keep working after a
        // move, a resize or a click on the title bar.
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                lastFocus_ = FocusableChild(hwnd_, GetFocus(), lastFocus_);
                break;
            }
            if (HIWORD(wParam) == 0) {
                FocusControl();
                return 0;
            }
            break;
        case WM_SETFOCUS:
            FocusControl();
            return 0;
        case WM_CONTEXTMENU:
            // The palette's menu is the main window's.
            return SendMessageW(GetWindow(hwnd_, GW_OWNER), message, wParam, lParam);
        case WM_CLOSE:
            RunGuarded([this] { FormClose(); });
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tintrel
