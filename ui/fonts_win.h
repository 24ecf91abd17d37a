#pragma once

#include <windows.h>

#include "ui/dpi_win.h"

namespace tintrel {

// The two fonts of the program at a window's DPI, created on first use and kept until exit: the
// proportional "ＭＳ Ｐゴシック" of the forms and the fixed-pitch "ＭＳ ゴシック" of the text fields,
// both with a character height of 12 design units and the Shift-JIS character set.
HFONT FormFont(DpiScale dpi);
HFONT FixedFont(DpiScale dpi);

// Gives a control one of the fonts and has it redraw with it.
void SetControlFont(HWND control, HFONT font);

}  // namespace tintrel
