#pragma once

namespace tintrel {

// While a copy has the system's cursors replaced, this global atom is held for the whole logon; unlike
// the copy's own objects it outlives a copy that is killed, so that the next start finds what was left.
inline constexpr wchar_t kCursorsReplacedMark[] = L"TintrelSystemCursorsReplaced";

// The system's cursors shown as the cross over every window of every program, for a pick from
// anywhere on the live screen: the windows under the pointer belong to other programs, which choose
// their own cursors. It changes the cursors of the whole logon, so whatever ends the program must put
// them back: the pick's end, the program's end, its handlers of a crash, and the next start.
void ShowCrossEverywhere();
// Puts the user's cursors back if ShowCrossEverywhere changed them; safe from any thread at any time.
void RestoreSystemCursors();
// At a start: puts back the user's cursors that a copy which has since ended left replaced (a copy
// killed during a pick), unless a copy that runs has them replaced now.
void RestoreCursorsOfEndedCopies();

}  // namespace tintrel
