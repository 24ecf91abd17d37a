#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tintrel {

// How a message box is shown. Tests replace it to record boxes instead of waiting for a user.
using MessageBoxHandler =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;

// Installs `handler` and returns the one it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// A modal message box captioned with the application title, owned by the active window of the
// thread so that it is modal to whatever the user is looking at. Returns the button pressed.
int ShowMessageBox(std::string_view textCp932, UINT type);
// The same for a text in UTF-16, for one that holds file names in the system's own spelling.
int ShowWideMessageBox(const std::wstring& text, UINT type);

// The text of the standard error box: the error's message (a file error with its full path in the
// message's "%s"), with "." appended when its last character sorts after ".". The program's own messages
// are Japanese; one without a Japanese character comes from a library, in English, and the user reads
// "予期しないエラーが発生しました" instead ("メモリが足りません" when memory ran out).
std::wstring ErrorBoxText(const std::exception& error);

// The standard error box: the error's text, the application title, the error icon, one OK button.
void ShowErrorBox(const std::exception& error) noexcept;
// The standard error box for something thrown that is no std::exception.
void ShowUnexpectedErrorBox() noexcept;

// Runs a handler so that no exception leaves it: an error ends the handler and reaches the user
// through the standard error box. Returns false when the handler ended with an error.
template <class Handler>
bool RunGuarded(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ShowErrorBox(error);
    } catch (...) {
        ShowUnexpectedErrorBox();
    }
    return false;
}

}  // namespace tintrel
