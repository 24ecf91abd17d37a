#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "color/contrast.h"
#include "ui/accessible_win.h"
#include "ui/dpi_win.h"
#include "ui/panel_win.h"

namespace tintrel {

// The fonts of a preview's three lines: the normal size, large text, and large text by its bold size.
using PreviewFonts = std::array<HFONT, 3>;

// Sample text drawn in a pair's text colour on its background: a line at the normal size and the two
// lines of large text, Japanese, Latin letters and digits in each.
class ContrastPreview {
public:
    // `fonts` must outlive the preview; `margin` is the space in pixels around the lines.
    void Create(HWND parent,
                int id,
                const RECT& bounds,
                const std::wstring& name,
                const PreviewFonts& fonts,
                int margin);
    void Show(const ContrastPair& pair);
    // Lays the preview out again for another DPI, `margin` in its pixels.
    void SetDpi(DpiScale dpi, int margin);
    HWND Handle() const { return panel_.Handle(); }

private:
    void Paint(HDC dc, const RECT& client) const;

    Panel panel_;
    AccessibleControl name_;
    const PreviewFonts* fonts_ = nullptr;
    int margin_ = 0;
    ContrastPair pair_;
};

}  // namespace tintrel
