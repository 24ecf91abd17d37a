#include "sampler/screen_picker_win.h"

#include "sampler/screen_capture_win.h"
#include "ui/screen_cursor_win.h"

namespace tintrel {

namespace {

// Looked up once: whether a pick runs is asked at every pointer move, and a lookup costs a call into
// the window system on some systems.
HCURSOR Cross() {
    static const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    return cross;
}

}  // namespace

void ScreenPicker::Start(UINT button, HWND target) {
    target_ = target;
    SetScreenCursor(Cross());
    if (button == WM_LBUTTONDOWN) {
        SetCapture(target_);
    }
}

void ScreenPicker::Finish(UINT button) {
    if (button == WM_LBUTTONUP && GetCapture() == target_) {
        ReleaseCapture();
    }
    SetScreenCursor(nullptr);
}

void ScreenPicker::Cancel() {
    if (GetCapture() == target_) {
        ReleaseCapture();
    }
    SetScreenCursor(nullptr);
}

bool ScreenPicker::IsPicking() const {
    return ScreenCursor() == Cross();
}

bool ScreenPicker::IsSteeringKey(WPARAM key) {
    return key >= VK_LEFT && key <= VK_DOWN;
}

void ScreenPicker::Steer(WPARAM key, bool shift) {
    const int step = shift ? 10 : 1;
    MovePointerBy(key == VK_LEFT ? -step : (key == VK_RIGHT ? step : 0),
                  key == VK_UP ? -step : (key == VK_DOWN ? step : 0));
}

}  // namespace tintrel
