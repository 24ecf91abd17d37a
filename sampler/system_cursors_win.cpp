#include "sampler/system_cursors_win.h"

#include <windows.h>

#include <atomic>

namespace tintrel {

namespace {

// OCR_NORMAL, OCR_IBEAM, OCR_WAIT, OCR_UP, the four sizing arrows, OCR_SIZEALL, OCR_NO, OCR_HAND,
// OCR_APPSTARTING, OCR_HELP: every cursor a window chooses from.
constexpr DWORD kSystemCursors[] = {32512, 32513, 32514, 32516, 32642, 32643, 32644,
                                    32645, 32646, 32648, 32649, 32650, 32651};

// Exists exactly as long as a running copy has the cursors replaced: the system closes a killed
// copy's handle, where the global atom stays.
constexpr wchar_t kHolderName[] = L"TintrelSystemCursorsHolder";

std::atomic<bool> replaced{false};
std::atomic<HANDLE> holder{nullptr};

void ReloadSystemCursors() {
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}

}  // namespace

void ShowCrossEverywhere() {
    const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    // Marked first: a crash midway must still restore what has been changed, and a kill leaves the
    // mark to the next start.
    if (!replaced.exchange(true)) {
        holder = CreateMutexW(nullptr, FALSE, kHolderName);
        GlobalAddAtomW(kCursorsReplacedMark);
    }
    for (const DWORD cursor : kSystemCursors) {
        SetSystemCursor(CopyCursor(cross), cursor);  // the system takes the copy over
    }
}

void RestoreSystemCursors() {
    if (!replaced.exchange(false)) {
        return;
    }
    ReloadSystemCursors();
    GlobalDeleteAtom(GlobalFindAtomW(kCursorsReplacedMark));
    if (const HANDLE held = holder.exchange(nullptr)) {
        CloseHandle(held);
    }
}

void RestoreCursorsOfEndedCopies() {
    if (GlobalFindAtomW(kCursorsReplacedMark) == 0) {
        return;
    }
    if (const HANDLE live = OpenMutexW(SYNCHRONIZE, FALSE, kHolderName)) {
        CloseHandle(live);  // that copy puts them back itself
        return;
    }
    ReloadSystemCursors();
    // Every copy that ended with them replaced added to the atom's count.
    ATOM mark = GlobalFindAtomW(kCursorsReplacedMark);
    while (mark != 0 && GlobalDeleteAtom(mark) == 0) {
        mark = GlobalFindAtomW(kCursorsReplacedMark);
    }
}

}  // namespace tintrel
