#include "sampler/system_cursors_win.h"

#include <windows.h>

#include <atomic>

namespace tintrel {

namespace {

// OCR_NORMAL, OCR_IBEAM, OCR_WAIT, OCR_UP, the four sizing arrows, OCR_SIZEALL, OCR_NO, OCR_HAND,
// OCR_APPSTARTING, OCR_HELP: every cursor a window chooses from.
constexpr DWORD kSystemCursors[] = {32512, 32513, 32514, 32516, 32642, 32643, 32644,
                                    32645, 32646, 32648, 32649, 32650, 32651};

std::atomic<bool> replaced{false};

}  // namespace

void ShowCrossEverywhere() {
    const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    // Marked first: a crash midway must still restore what has been changed.
    replaced = true;
    for (const DWORD cursor : kSystemCursors) {
        SetSystemCursor(CopyCursor(cross), cursor);  // the system takes the copy over
    }
}

void RestoreSystemCursors() {
    if (replaced.exchange(false)) {
        ReloadSystemCursors();
    }
}

void ReloadSystemCursors() {
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}

}  // namespace tintrel
