#pragma once

#include <windows.h>

namespace tintrel::testing_win {

// Real mouse input: moves the pointer to `screen` and there presses or releases the buttons in
// `buttons` (MOUSEEVENTF_LEFTDOWN, ...) or turns the wheel by `wheelDelta` (with MOUSEEVENTF_WHEEL). The
// event carries its own position: a separate SetCursorPos may reach the window system after it.
void SendMouseAt(POINT screen, DWORD buttons = 0, int wheelDelta = 0);
// Real key input: presses and releases `key`, with Shift, Ctrl and Alt held around it if asked.
void SendKey(WORD key, bool shift = false, bool control = false, bool alt = false);

}  // namespace tintrel::testing_win
