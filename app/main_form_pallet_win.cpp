// The palette's place: hidden, docked below the upper panel, or floating in a window of its own; the
// main window's height and sizing follow it. And the palette file, read at the first show and written
// at close.
#include "app/main_form_win.h"

#include <windowsx.h>  // GET_X_LPARAM

#include <exception>
#include <memory>
#include <utility>

#include "app/main_form_layout_win.h"
#include "palette/pallet_captions.h"
#include "palette/pallet_docking.h"
#include "persist/file_names.h"
#include "persist/profile_file.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

int OuterHeight(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    return outer.bottom - outer.top;
}

int NonClientHeight(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return OuterHeight(window) - client.bottom;
}

}  // namespace

bool TFMain::ShownAndDocked() const {
    return IsChecked(CommandId::NPallet) && palletDocked_;
}

void TFMain::SetClientHeight(int height) {
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, height + NonClientHeight(hwnd_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFMain::CollapseWindow() {
    resizeAllowed_ = true;
    SetClientHeight(layout::kPanelDefHeight);
    resizeAllowed_ = false;
}

void TFMain::ShowPallet(bool show) {
    // Unchecked while the panel's visibility changes, so that the change does not dock the palette.
    menu_.SetCheck(CommandId::NPallet, false);
    if (floatWindow_ && GetParent(palletPanel_.Handle()) == floatWindow_->Handle()) {
        ShowWindow(floatWindow_->Handle(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
    ShowWindow(palletPanel_.Handle(), show ? SW_SHOW : SW_HIDE);
    menu_.SetCheck(CommandId::NPallet, show);
    if (show) {
        SetClientHeight(palletHeight_);
        if (palletDocked_) {
            DockPallet();
        } else {
            FloatPallet(false);
        }
    } else {
        CollapseWindow();
    }
}

void TFMain::FloatPallet(bool rememberHeight) {
    if (!IsChecked(CommandId::NPallet)) {
        return;
    }
    if (rememberHeight) {
        RECT client;
        GetClientRect(hwnd_, &client);
        palletHeight_ = client.bottom;
    }
    auto window = std::make_unique<PalletFloatWindow>();
    window->OnStartDock = [this] { PalletPanelStartDock(); };
    window->OnEndDock = [this] { PalletPanelEndDock(); };
    window->Create(hwnd_, palletPanel_.Handle(), WidenCp932(kPalletPanelCaption).c_str(), floatRect_.Left,
                   floatRect_.Top, floatRect_.Right - floatRect_.Left, floatRect_.Bottom - floatRect_.Top);
    // The window that held the palette may be the one whose message is being handled: its window goes
    // now, its object only at the next float.
    retiredFloatWindow_ = std::exchange(floatWindow_, std::move(window));
    if (retiredFloatWindow_) {
        retiredFloatWindow_->Destroy();
    }
    ShowWindow(palletPanel_.Handle(), SW_SHOW);
    ShowWindow(floatWindow_->Handle(), SW_SHOWNOACTIVATE);
    palletDocked_ = false;
    CollapseWindow();
}

void TFMain::DockPallet() {
    if (!IsChecked(CommandId::NPallet) || dockingPallet_) {
        return;
    }
    // Showing the panel below notifies its change of visibility, which would dock it once more.
    dockingPallet_ = true;
    RememberFloatRect();
    palletDocked_ = true;
    if (GetParent(palletPanel_.Handle()) != hwnd_) {
        SetParent(palletPanel_.Handle(), hwnd_);
    }
    // Docking runs from the floating window's own close: its window goes, its object stays.
    if (floatWindow_) {
        floatWindow_->Destroy();
    }
    WindowSize();
    ShowWindow(palletPanel_.Handle(), SW_SHOW);
    SetClientHeight(palletHeight_);
    dockingPallet_ = false;
}

void TFMain::RememberFloatRect() {
    const HWND holder = GetParent(palletPanel_.Handle());
    if (holder == hwnd_ || holder == nullptr) {
        return;
    }
    RECT outer;
    GetWindowRect(holder, &outer);
    RECT panel;
    GetClientRect(palletPanel_.Handle(), &panel);
    floatRect_ = FloatRectangle{outer.left, outer.top, outer.left + panel.right, outer.top + panel.bottom};
}

void TFMain::PalletPanelStartDock() {
    palletDocked_ = false;
}

void TFMain::PalletPanelEndDock() {
    if (palletDocked_) {
        FloatPallet(false);
    } else {
        RememberFloatRect();
    }
}

void TFMain::PalletPanelMouseDown() {
    if (palletDocked_) {
        FloatPallet(true);
    }
}

void TFMain::PalletTabChange() {
    paintPallet_.Repaint();
}

void TFMain::FitPalletTab() {
    RECT panel;
    GetClientRect(palletPanel_.Handle(), &panel);
    SetWindowPos(palletTab_.Handle(), nullptr, 0, 0, panel.right, panel.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK
TFMain::PalletPanelWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object) {
    auto* self = reinterpret_cast<TFMain*>(object);
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_WINDOWPOSCHANGED: {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            // The panel was hidden or shown: closing the floating window hides it, and that docks the
            // palette back, still shown.
            if ((position->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0 && self->IsChecked(CommandId::NPallet)) {
                RunGuarded([self] { self->DockPallet(); });
            }
            if ((position->flags & SWP_NOSIZE) == 0) {
                self->FitPalletTab();
            }
            break;
        }
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
                RunGuarded([self] { self->PalletTabChange(); });
            }
            break;
        case WM_LBUTTONDOWN:
            RunGuarded([self] { self->PalletPanelMouseDown(); });
            break;
        case WM_DROPFILES:
            RunGuarded([self, wParam] { self->PalletPanelDropFiles(reinterpret_cast<HDROP>(wParam)); });
            break;
        default:
            break;
    }
    return result;
}

LRESULT CALLBACK
TFMain::PalletTabWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object) {
    auto* self = reinterpret_cast<TFMain*>(object);
    // The header row beside the tabs is the panel's own surface: a press there takes the palette out.
    if (message == WM_LBUTTONDOWN &&
        self->palletTab_.IsOnEmptyHeader(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
        RunGuarded([self] { self->PalletPanelMouseDown(); });
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void TFMain::FormCanResize(WINDOWPOS& position) const {
    if ((position.flags & SWP_NOSIZE) != 0) {
        return;
    }
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    if (position.cy == outer.bottom - outer.top) {
        return;
    }
    const ResizeDecision decision = tintrel::FormCanResize(position.cy, ShownAndDocked(), resizeAllowed_);
    if (!decision.Allow) {
        position.cx = outer.right - outer.left;
        position.cy = outer.bottom - outer.top;
        return;
    }
    position.cy = decision.Height;
}

LRESULT TFMain::FormHitTest(LPARAM lParam) const {
    return tintrel::FormHitTest(static_cast<std::int32_t>(DefaultHandling(WM_NCHITTEST, 0, lParam)), ShownAndDocked());
}

// ---- The palette file

void TFMain::LoadPallet() {
    ProfileFile file(SiblingFileName(executablePath_, ".plt"));
    // A file that cannot be read gives the palette of a first start, and is left as it is at close.
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
        throw;
    }
    ApplyPalletState(state);
    palletTab_.Select(state.Select);
    paintPallet_.Repaint();
    if (unreadable) {
        std::rethrow_exception(unreadable);
    }
}

void TFMain::ApplyPalletState(const PalletFileState& state) {
    floatRect_ = state.FloatRect;
    palletDocked_ = state.PalletDocked;
    menu_.SetCheck(CommandId::NPallet, state.View);
    palletTab_.SetPages(state.PageNames);
    palletTab_.Select(0);
}

void TFMain::SavePallet() {
    PalletFileState state;
    state.FloatRect = floatRect_;
    state.PalletDocked = palletDocked_;
    state.View = IsChecked(CommandId::NPallet);
    state.Select = palletTab_.Selected();
    state.PageNames = palletTab_.PageNames();
    ProfileFile file(SiblingFileName(executablePath_, ".plt"));
    SavePalletFile(file, state, pallet_);
    file.Commit();
}

}  // namespace tintrel
