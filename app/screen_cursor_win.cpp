#include "app/screen_cursor_win.h"

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
    // Let the window under the pointer choose its cursor again at once, not at the next move.
    POINT position;
    if (GetCursorPos(&position)) {
        SetCursorPos(position.x, position.y);
    }
}

bool ApplyScreenCursor() {
    if (screenCursor == nullptr) {
        return false;
    }
    SetCursor(screenCursor);
    return true;
}

}  // namespace tintrel
