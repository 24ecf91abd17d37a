// The main window at its monitor's DPI: every control placed in design units of 96 DPI scaled to it,
// fonts and the dropper picture made for it, and laid out again when the window moves to a monitor of
// another DPI.
#include "app/main_form_layout_win.h"
#include "app/main_form_win.h"
#include "app/resource_ids.h"

namespace tintrel {

namespace {

int DropperResource(DpiScale dpi) {
    switch (PictureScalePercent(dpi.Dpi())) {
        case 200:
            return IDB_DROPPER200;
        case 150:
            return IDB_DROPPER150;
        default:
            return IDB_DROPPER;
    }
}

}  // namespace

RECT TFMain::PaintBox1() const {
    return dpi_(layout::kPaintBox1);
}

int TFMain::WindowWidth() const {
    return OuterSizeForClient(SIZE{dpi_(layout::kClientWidth), 0}, layout::kMainStyle, 0, dpi_).cx;
}

void TFMain::SetDpi(DpiScale dpi) {
    dpi_ = dpi;
    formatChoice_.SetDpi(dpi_);
    readout_.SetDpi(dpi_);
    for (auto& [panel, bounds] : {std::pair{&panelD_, layout::kPanelD}, std::pair{&panelP_, layout::kPanelP}}) {
        PlaceControl(panel->Handle(), bounds, dpi_);
        panel->SetDpi(dpi_);
    }
    dropperBitmap_.Reset(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(DropperResource(dpi_)), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    // A floating palette keeps the DPI of its own window.
    palletHost_.SetDpi(dpi_);
    if (palletHost_.FloatingWindow() == nullptr) {
        palletTab_.SetDpi(dpi_);
        paintPallet_.SetDpi(dpi_);
    }
    magnifier_.SetDpi(dpi_);
    WindowSize();
}

void TFMain::WindowDpiChanged(const DpiChange& change) {
    SetDpi(change.Dpi);
    // The suggested rectangle keeps the window's place; its size is the layout's own, so that rounding in
    // the system's scaling of the old size leaves no pixel too many or too few.
    palletHost_.TakeSuggestedRect(change.Suggested, WindowWidth());
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TFMain::PaintImage1(HDC dc) const {
    // Drawn transparently: pixels of the bottom-left pixel's colour let the panel show through.
    MemoryDC source(dc);
    ScopedSelect select(source.Get(), dropperBitmap_.Get());
    BITMAP info;
    GetObjectW(dropperBitmap_.Get(), sizeof(info), &info);
    const COLORREF transparent = GetPixel(source.Get(), 0, info.bmHeight - 1);
    const POINT centre = dpi_(layout::kImage1Centre);
    TransparentBlt(dc, centre.x - info.bmWidth / 2, centre.y - info.bmHeight / 2, info.bmWidth, info.bmHeight,
                   source.Get(), 0, 0, info.bmWidth, info.bmHeight, transparent);
}

}  // namespace tintrel
