#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tintrel {

// Text is code page 932 inside the program and UTF-16 at the window boundary. The code page is named
// explicitly so that the program behaves the same whatever the system's ANSI code page is.
std::wstring WidenCp932(std::string_view text);
std::string NarrowCp932(std::wstring_view text);

// The whole text of a window or control.
std::wstring WindowText(HWND window);

}  // namespace tintrel
