#pragma once

#include <windows.h>

#include <optional>

namespace tintrel {

// The screen-wide cursor: while set, it overrides the cursor of every window of the program (the
// busy cursor while saving, the cross while picking). nullptr restores the windows' own cursors.
void SetScreenCursor(HCURSOR cursor);

// The screen-wide cursor, nullptr when none is set.
HCURSOR ScreenCursor();

// Shows the screen-wide cursor if one is set; for WM_SETCURSOR handlers. True when it was shown.
bool ApplyScreenCursor();
// WM_SETCURSOR of a top-level window `window` over whose child controls choose their own cursors:
// TRUE when the screen-wide cursor was shown, FALSE over a control, nothing where the window's own class
// cursor is due (the default handling).
std::optional<LRESULT> SetTopLevelCursor(HWND window, WPARAM wParam);

// The busy cursor as the screen-wide cursor for the life of the scope.
class BusyCursorScope {
public:
    BusyCursorScope() { SetScreenCursor(LoadCursorW(nullptr, IDC_WAIT)); }
    ~BusyCursorScope() { SetScreenCursor(nullptr); }
    BusyCursorScope(const BusyCursorScope&) = delete;
    BusyCursorScope& operator=(const BusyCursorScope&) = delete;
};

}  // namespace tintrel
