// The palette's place: hidden, docked below the upper panel, or floating in a window of its own; the
// main window's height and sizing follow it. And the palette file, read at the first show and written
// at close.
#include "app/main_form_win.h"

#include <windowsx.h>  // GET_X_LPARAM

#include <cstdint>
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

// Sets a flag for its own lifetime, also when an error ends it early.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

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
    // A hand-edited height may be anything: the window gets no taller than the screen.
    const int outerHeight = OuterHeightFor(height, NonClientHeight(hwnd_), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outerHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFMain::KeepCellsVisible() {
    if (!ShownAndDocked()) {
        return;
    }
    // More rows of tabs or of cells may squeeze the cells: the window grows as a drag of its bottom edge
    // would, and the palette's remembered height stays.
    RECT cells;
    GetClientRect(paintPallet_.Handle(), &cells);
    if (const int missing = MissingCellHeight(cells.bottom, pallet_.YCount()); missing > 0) {
        RECT client;
        GetClientRect(hwnd_, &client);
        SetClientHeight(client.bottom + missing);
    }
}

PixelSize TFMain::LowestFloatClient() const {
    return PixelSize{kMinCellRowHeight * (pallet_.XCount() + 1), kMinCellRowHeight * (pallet_.YCount() + 1)};
}

void TFMain::GrowFloatToShowCells() {
    // A wider window may take the tabs onto fewer rows: measured again after each growth.
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT cells;
        GetClientRect(paintPallet_.Handle(), &cells);
        const int missingWidth = MissingCellHeight(cells.right, pallet_.XCount());
        const int missingHeight = MissingCellHeight(cells.bottom, pallet_.YCount());
        if (missingWidth == 0 && missingHeight == 0) {
            return;
        }
        RECT outer;
        GetWindowRect(floatWindow_->Handle(), &outer);
        SetWindowPos(floatWindow_->Handle(), nullptr, 0, 0, outer.right - outer.left + missingWidth,
                     outer.bottom - outer.top + missingHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TFMain::CollapseWindow() {
    resizeAllowed_ = true;
    SetClientHeight(dpi_(layout::kPanelDefHeight));
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
        SetClientHeight(dpi_(palletHeight_));
        if (palletDocked_) {
            DockPallet();
        } else {
            FloatPallet(false);
        }
    } else {
        CollapseWindow();
    }
    KeepFocusVisible();
}

void TFMain::FloatPallet(bool rememberHeight) {
    if (!IsChecked(CommandId::NPallet)) {
        return;
    }
    if (rememberHeight) {
        RECT client;
        GetClientRect(hwnd_, &client);
        palletHeight_ = dpi_.ToDesign(client.bottom);
    }
    // Moving the panel into its new window hides it for a moment, which must not dock it back.
    const FlagScope moving(movingPallet_);
    auto window = std::make_unique<PalletFloatWindow>();
    window->OnStartDock = [this] { PalletPanelStartDock(); };
    window->OnEndDock = [this] { PalletPanelEndDock(); };
    window->FirstFocus = palletTab_.Handle();
    const PixelSize client =
        FloatClientSize(floatRect_.Left, floatRect_.Top, floatRect_.Right, floatRect_.Bottom, LowestFloatClient(),
                        PixelSize{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    window->Create(hwnd_, palletPanel_.Handle(), WidenCp932(kPalletPanelCaption).c_str(), floatRect_.Left,
                   floatRect_.Top, client.Width, client.Height);
    // A size the user gave the window by hand stays; one that had to be made up also gets room for the
    // tab headers.
    const bool madeUp = client.Width != std::int64_t{floatRect_.Right} - floatRect_.Left ||
                        client.Height != std::int64_t{floatRect_.Bottom} - floatRect_.Top;
    // The window that held the palette may be the one whose message is being handled: its window goes
    // now, its object only at the next float.
    retiredFloatWindow_ = std::exchange(floatWindow_, std::move(window));
    if (retiredFloatWindow_) {
        retiredFloatWindow_->Destroy();
    }
    ShowWindow(palletPanel_.Handle(), SW_SHOW);
    if (madeUp) {
        GrowFloatToShowCells();
    }
    ShowWindow(floatWindow_->Handle(), SW_SHOWNOACTIVATE);
    palletDocked_ = false;
    CollapseWindow();
    KeepFocusVisible();
}

void TFMain::DockPallet() {
    if (!IsChecked(CommandId::NPallet) || movingPallet_) {
        return;
    }
    // Showing the panel below notifies its change of visibility, which would dock it once more.
    {
        const FlagScope moving(movingPallet_);
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
        SetClientHeight(dpi_(palletHeight_));
        KeepCellsVisible();
    }
    KeepFocusVisible();
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
    // An unchanged height is decided too: a stored height at or below the collapsed one must still
    // give the docked palette its lowest height.
    RECT outer;
    GetWindowRect(hwnd_, &outer);
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
    floatRect_ = state.FloatRect;
    palletDocked_ = state.PalletDocked;
    menu_.SetCheck(CommandId::NPallet, state.View);
    palletTab_.SetPages(state.PageNames);
    palletTab_.Select(0);
}

PalletFileState TFMain::CurrentPalletState() const {
    PalletFileState state;
    state.FloatRect = floatRect_;
    state.PalletDocked = palletDocked_;
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
