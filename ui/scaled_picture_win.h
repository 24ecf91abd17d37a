#pragma once

#include <windows.h>

#include "ui/dpi_win.h"
#include "ui/gdi_handles_win.h"

namespace tintrel {

// A picture in the size made for the window's DPI, drawn centred on a point with the pixels of its
// bottom-left pixel's colour left transparent.
class ScaledPicture {
public:
    // The bitmap resources of the picture made for 100, 150 and 200 %; 125 % and 175 % take the larger.
    struct Resources {
        int At100 = 0;
        int At150 = 0;
        int At200 = 0;
    };

    void Load(Resources resources, DpiScale dpi);
    void PaintCentred(HDC dc, POINT centre) const;

private:
    Bitmap bitmap_;
};

}  // namespace tintrel
