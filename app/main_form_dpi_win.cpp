// The main window at its monitor's DPI: every control placed in design units of 96 DPI scaled to it,
// fonts and the dropper picture made for it, and laid out again when the window moves to a monitor of
// another DPI.
#include "app/main_form_layout_win.h"
#include "app/main_form_win.h"
#include "app/resource_ids.h"

namespace tintrel {

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
    image1_.Load({IDB_DROPPER, IDB_DROPPER150, IDB_DROPPER200}, dpi_);
    // A floating palette keeps the DPI of its own window.
    palletHost_.SetDpi(dpi_);
    if (palletHost_.FloatingWindow() == nullptr) {
        palletTab_.SetDpi(dpi_);
        paintPallet_.SetDpi(dpi_);
    }
    pickHost_.SetDpi(dpi_);
    WindowSize();
}

void TFMain::WindowDpiChanged(const DpiChange& change) {
    SetDpi(change.Dpi);
    // The suggested rectangle keeps the window's place; its size is the layout's own, so that rounding in
    // the system's scaling of the old size leaves no pixel too many or too few.
    palletHost_.TakeSuggestedRect(change.Suggested, WindowWidth());
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace tintrel
