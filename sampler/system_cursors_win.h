#pragma once

namespace tintrel {

// The system's cursors shown as the cross over every window of every program, for a pick from
// anywhere on the live screen: the windows under the pointer belong to other programs, which choose
// their own cursors. It changes the cursors of the whole logon, so whatever ends the program must put
// them back: the pick's end, the program's end, its handlers of a crash, and the next start.
void ShowCrossEverywhere();
// Puts the user's cursors back if ShowCrossEverywhere changed them; safe from any thread at any time.
void RestoreSystemCursors();
// Puts back the user's cursors unconditionally: for a start after a copy that could not do it.
void ReloadSystemCursors();

}  // namespace tintrel
