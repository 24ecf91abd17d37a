// The palette's place is its host's: the main window hands it the palette's parts and its sizing
// messages. And the palette file, read at the first show and written at close.
#include "app/main_form_win.h"

#include "app/main_form_layout_win.h"

namespace tintrel {

void TFMain::InstallPalletPanelHook() {
    palletHost_.IsShown = [this] { return IsChecked(CommandId::NPallet); };
    palletHost_.SetShown = [this](bool shown) { menu_.SetCheck(CommandId::NPallet, shown); };
    focus_.Attach(hwnd_, formatChoice_.Handle());
    focus_.OtherWindow = [this] { return palletHost_.ShownFloatWindow(); };
    focus_.FocusOther = [this] { palletHost_.FocusFloatWindow(); };
    palletHost_.OnPlaced = [this] { focus_.KeepVisible(); };
    palletHost_.OnPageChange = [this] { PalletTabChange(); };
    palletHost_.OnDropFiles = [this](HDROP drop) {
        exchange_.Drop(drop);
        palletHost_.KeepCellsVisible();  // new pages may take the tabs onto another row
    };
    palletHost_.OnDpiChanged = [this](DpiScale dpi) {
        palletTab_.SetDpi(dpi);
        paintPallet_.SetDpi(dpi);
    };
    palletHost_.Attach(PalletHost::Parts{.MainWindow = hwnd_,
                                         .Panel = palletPanel_.Handle(),
                                         .Tabs = &palletTab_,
                                         .Cells = &paintPallet_,
                                         .Store = &pallet_,
                                         .UpperHeight = layout::kPanelDefHeight});
}

void TFMain::PalletTabChange() {
    paintPallet_.Repaint();
}

LRESULT TFMain::FormHitTest(LPARAM lParam) const {
    return palletHost_.FormHitTest(static_cast<std::int32_t>(DefaultHandling(WM_NCHITTEST, 0, lParam)));
}

// ---- The palette file

void TFMain::ApplyPalletState(const PalletFileState& state, bool complete) {
    palletHost_.SetFloatRect(state.FloatRect);
    palletHost_.SetDocked(state.PalletDocked);
    menu_.SetCheck(CommandId::NPallet, state.View);
    palletTab_.SetPages(state.PageNames);
    palletTab_.Select(complete ? state.Select : 0);
    paintPallet_.Repaint();
}

PalletFileState TFMain::CurrentPalletState() const {
    PalletFileState state;
    state.FloatRect = palletHost_.FloatRect();
    state.PalletDocked = palletHost_.Docked();
    state.View = IsChecked(CommandId::NPallet);
    state.Select = palletTab_.Selected();
    state.PageNames = palletTab_.PageNames();
    return state;
}

}  // namespace tintrel
