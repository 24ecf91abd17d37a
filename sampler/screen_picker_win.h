#pragma once

#include <windows.h>

namespace tintrel {

// The state of a pick on the screen: while it lasts the screen-wide cursor is the cross, and a left
// press has the pick target hold the mouse so that moves and the release reach it wherever the
// pointer goes.
class ScreenPicker {
public:
    // A press of `button` (WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN) on `target` starts a pick.
    void Start(UINT button, HWND target);
    // The release of `button` ends it.
    void Finish(UINT button);
    // Ends a pick at once, as after an error.
    void Cancel();
    bool IsPicking() const;

    // The arrow keys steer the pointer while picking, by 1 pixel or with Shift by 10.
    static bool IsSteeringKey(WPARAM key);
    static void Steer(WPARAM key, bool shift);

private:
    HWND target_ = nullptr;
};

}  // namespace tintrel
