#pragma once

#include <windows.h>

#include <functional>

namespace tintrel {

// Modal results of the program's dialogs.
inline constexpr int kModalResultNone = 0;
inline constexpr int kModalResultOk = 1;
inline constexpr int kModalResultCancel = 2;

// Creates the hidden window of a dialog form: fixed dialog frame with a caption and close box, the given
// client size, button-face background and the form font.
HWND CreateDialogForm(const wchar_t* className, WNDPROC procedure, const wchar_t* caption, SIZE client, void* form);

// Shows a dialog form, created once and hidden between uses, modally: centred on the screen, the owner
// disabled, the focus on `initialFocus`. Messages are dispatched until `modalResult` is set (the form's
// handlers set it) or the program is quitting; Esc anywhere in the form calls `onEscape`. The form is
// hidden again and the owner enabled before returning the result.
int RunModalForm(HWND form,
                 HWND owner,
                 HWND initialFocus,
                 const int& modalResult,
                 const std::function<void()>& onEscape);

}  // namespace tintrel
