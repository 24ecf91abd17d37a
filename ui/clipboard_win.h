#pragma once

#include <windows.h>

#include <string_view>

namespace tintrel {

// Replaces the clipboard's whole content with `text` as Unicode text. Windows derives the 8-bit
// forms from it in each reader's code page, so every program on any locale gets the right characters.
// Throws Error when the clipboard stays busy or the text cannot be stored.
void PutTextOnClipboard(HWND owner, std::wstring_view text);

}  // namespace tintrel
