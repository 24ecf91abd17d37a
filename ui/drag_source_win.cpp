#include "ui/drag_source_win.h"

#include <windowsx.h>  // GET_X_LPARAM

namespace tintrel {

namespace {

constexpr const wchar_t* kDropTargetProperty = L"TintrelDropTarget";

// Gives the mouse back however the drag ends, also when a drop handler throws.
class CaptureScope {
public:
    explicit CaptureScope(HWND window) : window_(window) { SetCapture(window); }
    ~CaptureScope() { Release(); }
    CaptureScope(const CaptureScope&) = delete;
    CaptureScope& operator=(const CaptureScope&) = delete;

    bool Held() const { return GetCapture() == window_; }
    void Release() const {
        if (Held()) {
            ReleaseCapture();
        }
    }

private:
    HWND window_;
};

struct TargetPoint {
    DropTarget* Target = nullptr;
    POINT Client{};
};

// The target under a screen position and the position in its client coordinates; no target when the
// window there takes no drops.
TargetPoint TargetAt(POINT screen) {
    const HWND window = WindowFromPoint(screen);
    TargetPoint found{DropTargetOf(window), screen};
    if (found.Target != nullptr) {
        ScreenToClient(window, &found.Client);
    }
    return found;
}

bool Accepts(const TargetPoint& point) {
    return point.Target != nullptr && point.Target->DragOver(point.Client);
}

// The screen position of a mouse message sent to the window that holds the mouse.
POINT ScreenPointOf(const MSG& message) {
    POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    ClientToScreen(message.hwnd, &point);
    return point;
}

void ShowAcceptance(bool accepted) {
    SetCursor(LoadCursorW(nullptr, accepted ? IDC_ARROW : IDC_NO));
}

bool IsInput(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

}  // namespace

void RegisterDropTarget(HWND window, DropTarget& target) {
    SetPropW(window, kDropTargetProperty, &target);
}

void RevokeDropTarget(HWND window) {
    RemovePropW(window, kDropTargetProperty);
}

DropTarget* DropTargetOf(HWND window) {
    DWORD process = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &process) == 0 || process != GetCurrentProcessId()) {
        return nullptr;
    }
    return static_cast<DropTarget*>(GetPropW(window, kDropTargetProperty));
}

bool DragFrom(HWND source) {
    const CaptureScope capture(source);
    POINT pointer;
    GetCursorPos(&pointer);
    ShowAcceptance(Accepts(TargetAt(pointer)));

    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got < 0) {
            return false;
        }
        if (!capture.Held()) {
            DispatchMessageW(&message);
            return false;
        }
        if (!IsInput(message.message)) {
            DispatchMessageW(&message);
            continue;
        }
        switch (message.message) {
            case WM_MOUSEMOVE:
                ShowAcceptance(Accepts(TargetAt(ScreenPointOf(message))));
                break;
            case WM_LBUTTONUP: {
                // Released first, so that the target handles the drop as after any other release.
                capture.Release();
                const TargetPoint drop = TargetAt(ScreenPointOf(message));
                if (!Accepts(drop)) {
                    return false;
                }
                drop.Target->DragDrop(drop.Client);
                return true;
            }
            case WM_KEYDOWN:
                if (message.wParam == VK_ESCAPE) {
                    return false;
                }
                break;
            default:
                break;
        }
    }
}

}  // namespace tintrel
