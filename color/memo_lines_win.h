#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tintrel {

// The lines a word-wrapping multi-line edit control displays. Asking the control for one line costs, on
// some systems, a walk over every line before it, so reading a long list line by line takes minutes;
// these read it in time linear in the text.

// Creates a hidden edit control beside `memo` with its style, size and font, which lays out pieces of
// the memo's text for DisplayedLines. It is destroyed with `memo`'s parent.
HWND CreateLayoutCopy(HWND memo);

// Every line `memo` displays, in order, an empty last line included. The text of `layoutCopy` is
// replaced.
std::vector<std::wstring> DisplayedLines(HWND memo, HWND layoutCopy);

// Line `index` as `memo` displays it; empty when there is no such line.
std::wstring DisplayedLine(HWND memo, int index);

// Gives `edit` the text `text` by replacing only the part that differs, so that the control lays out
// just the lines around it again: laying out a long text whole takes seconds on some systems.
void ReplaceChangedText(HWND edit, std::wstring_view text);

}  // namespace tintrel
