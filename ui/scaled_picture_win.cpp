#include "ui/scaled_picture_win.h"

#include "ui/design_units.h"

namespace tintrel {

void ScaledPicture::Load(Resources resources, DpiScale dpi) {
    const int percent = PictureScalePercent(dpi.Dpi());
    const int resource = percent == 200 ? resources.At200 : (percent == 150 ? resources.At150 : resources.At100);
    bitmap_.Reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

void ScaledPicture::PaintCentred(HDC dc, POINT centre) const {
    MemoryDC source(dc);
    ScopedSelect select(source.Get(), bitmap_.Get());
    BITMAP info;
    GetObjectW(bitmap_.Get(), sizeof(info), &info);
    const COLORREF transparent = GetPixel(source.Get(), 0, info.bmHeight - 1);
    TransparentBlt(dc, centre.x - info.bmWidth / 2, centre.y - info.bmHeight / 2, info.bmWidth, info.bmHeight,
                   source.Get(), 0, 0, info.bmWidth, info.bmHeight, transparent);
}

}  // namespace tintrel
