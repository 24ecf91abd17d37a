#include "sampler/pick_view_win.h"

#include "base/error.h"
#include "sampler/magnifier_win.h"
#include "ui/physical_pixels_win.h"

namespace tintrel {

namespace {

// 画面を読み取れません
constexpr const char* kCannotReadScreen =
    "\x89\xE6\x96\xCA\x82\xF0\x93\xC7\x82\xDD\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1";

ScreenRect VirtualScreenNow() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return ScreenRect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

struct MonitorCopy {
    HDC Screen;
    HDC Target;
    ScreenRect Bounds;
    bool Failed = false;
};

BOOL CALLBACK CopyMonitor(HMONITOR, HDC, LPRECT monitor, LPARAM data) {
    auto& copy = *reinterpret_cast<MonitorCopy*>(data);
    copy.Failed = BitBlt(copy.Target, monitor->left - copy.Bounds.Left, monitor->top - copy.Bounds.Top,
                         monitor->right - monitor->left, monitor->bottom - monitor->top, copy.Screen, monitor->left,
                         monitor->top, SRCCOPY) == FALSE ||
                  copy.Failed;
    return TRUE;
}

}  // namespace

FrozenScreen::FrozenScreen() {
    const PhysicalPixelScope physical;
    bounds_ = VirtualScreenNow();
    const WindowDC screen(nullptr);
    if (screen.Get() == nullptr) {
        throw Error(kCannotReadScreen);
    }
    // A section of memory of the process's own, which goes back to the system as soon as the picture
    // goes: the picture of a large screen runs to many megabytes.
    std::uint32_t* pixels = nullptr;
    picture_.Reset(
        CreatePixelBitmap(screen.Get(), SIZE{bounds_.Right - bounds_.Left, bounds_.Bottom - bounds_.Top}, pixels));
    if (picture_.Get() == nullptr) {
        throw Error(kCannotReadScreen);
    }
    dc_ = std::make_unique<MemoryDC>(screen.Get());
    selection_ = std::make_unique<ScopedSelect>(dc_->Get(), picture_.Get());
    PatBlt(dc_->Get(), 0, 0, bounds_.Right - bounds_.Left, bounds_.Bottom - bounds_.Top, BLACKNESS);
    MonitorCopy copy{screen.Get(), dc_->Get(), bounds_};
    EnumDisplayMonitors(nullptr, nullptr, &CopyMonitor, reinterpret_cast<LPARAM>(&copy));
    if (copy.Failed) {
        throw Error(kCannotReadScreen);
    }
}

PickView::~PickView() {
    DestroyOwnWindow();
}

void PickView::ShowFrozen(HWND keepInSight) {
    // Taken before the window shows, so that the picture holds what the pointer was over.
    auto frozen = std::make_unique<FrozenScreen>();
    const PhysicalPixelScope physical;
    frozen_ = std::move(frozen);
    CreateOver(frozen_->Bounds());
    // The picker's own window stays above the picture: its magnifier and readout are what the user
    // watches while picking from it.
    if (keepInSight != nullptr && IsWindowVisible(keepInSight)) {
        keptInSight_ = keepInSight;
        keptWasTopmost_ = (GetWindowLongPtrW(keepInSight, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        SetWindowPos(keepInSight, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void PickView::Hide() {
    DestroyOwnWindow();
    frozen_.reset();
    if (keptInSight_ != nullptr && !keptWasTopmost_ && IsWindow(keptInSight_)) {
        SetWindowPos(keptInSight_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    keptInSight_ = nullptr;
}

void PickView::CreateOver(const ScreenRect& bounds) {
    DestroyOwnWindow();
    const LPCWSTR className =
        RegisterWindowClassOnce(L"TintrelPickView", &PickView::WindowProc, LoadCursorW(nullptr, IDC_CROSS), nullptr);
    CreateWindowChecked(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, L"", WS_POPUP, bounds.Left,
                        bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top, nullptr, nullptr, this);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd_);
}

LRESULT PickView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd_, &paint);
            if (frozen_) {
                const RECT& area = paint.rcPaint;
                BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, frozen_->Dc(),
                       area.left, area.top, SRCCOPY);
            }
            EndPaint(hwnd_, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (OnPress) {
                OnPress(message);
            }
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace tintrel
