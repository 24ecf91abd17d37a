// The palette's place is its host's: the main window hands it the palette's parts and its sizing
// messages. And the palette file, read at the first show and written at close.
#include "app/main_form_win.h"

#include <exception>

#include "app/main_form_layout_win.h"
#include "persist/file_names.h"
#include "persist/profile_file.h"

namespace tintrel {

void TFMain::InstallPalletPanelHook() {
    palletHost_.IsShown = [this] { return IsChecked(CommandId::NPallet); };
    palletHost_.SetShown = [this](bool shown) { menu_.SetCheck(CommandId::NPallet, shown); };
    palletHost_.OnPlaced = [this] { KeepFocusVisible(); };
    palletHost_.OnPageChange = [this] { PalletTabChange(); };
    palletHost_.OnDropFiles = [this](HDROP drop) { PalletPanelDropFiles(drop); };
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

void TFMain::LoadPallet() {
    ProfileFile file(SiblingFileName(executablePath_, ".plt"));
    // A file that cannot be read gives the palette of a first start, and is not replaced unless the user
    // agrees at close.
    std::exception_ptr unreadable;
    try {
        file.CheckRead();
    } catch (...) {
        unreadable = std::current_exception();
    }
    palletLoaded_ = unreadable == nullptr;
    PalletFileState state;
    try {
        LoadPalletFile(file, state, pallet_);
    } catch (...) {
        ApplyPalletState(state);
        palletAsRead_ = file.TakeDocument();
        throw;
    }
    ApplyPalletState(state);
    palletTab_.Select(state.Select);
    paintPallet_.Repaint();
    palletAsRead_ = file.TakeDocument();
    palletAtStart_ = PalletBytes();
    palletStarted_ = ProfileDocument(palletAtStart_);
    if (unreadable) {
        std::rethrow_exception(unreadable);
    }
}

void TFMain::ApplyPalletState(const PalletFileState& state) {
    palletHost_.SetFloatRect(state.FloatRect);
    palletHost_.SetDocked(state.PalletDocked);
    menu_.SetCheck(CommandId::NPallet, state.View);
    palletTab_.SetPages(state.PageNames);
    palletTab_.Select(0);
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

void TFMain::SavePallet() {
    ProfileFile file(SiblingFileName(executablePath_, ".plt"));
    file.KeepOthersChangesSince(palletAsRead_, palletStarted_);
    SavePalletFile(file, CurrentPalletState(), pallet_);
    file.Commit();
}

}  // namespace tintrel
