#include "ui/screen_cursor_win.h"

#include "ui/physical_pixels_win.h"

namespace tintrel {

namespace {

HCURSOR screenCursor = nullptr;

}  // namespace

void SetScreenCursor(HCURSOR cursor) {
    screenCursor = cursor;
    if (cursor != nullptr) {
        SetCursor(cursor);
        return;
    }
    // Let the window under the pointer choose its cursor again at once, not at the next move. In
    // physical pixels, so that at display scaling the pointer does not creep by a rounding.
    const PhysicalPixelScope physical;
    POINT position;
    if (GetCursorPos(&position)) {
        SetCursorPos(position.x, position.y);
    }
}

HCURSOR ScreenCursor() {
    return screenCursor;
}

bool ApplyScreenCursor() {
    if (screenCursor == nullptr) {
        return false;
    }
    SetCursor(screenCursor);
    return true;
}

std::optional<LRESULT> SetTopLevelCursor(HWND window, WPARAM wParam) {
    if (ApplyScreenCursor()) {
        return TRUE;
    }
    if (reinterpret_cast<HWND>(wParam) != window) {
        return FALSE;
    }
    return std::nullopt;
}

}  // namespace tintrel
