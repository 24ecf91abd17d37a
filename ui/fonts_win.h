#pragma once

#include <windows.h>

namespace tintrel {

// The two fonts of the program, created on first use and kept until exit: the proportional
// "ＭＳ Ｐゴシック" of the forms and the fixed-pitch "ＭＳ ゴシック" of the text fields, both with a
// character height of 12 pixels and the Shift-JIS character set.
HFONT FormFont();
HFONT FixedFont();

// Gives a control one of the fonts.
void SetControlFont(HWND control, HFONT font);

}  // namespace tintrel
