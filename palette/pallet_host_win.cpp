#include "palette/pallet_host_win.h"

#include <windowsx.h>  // GET_X_LPARAM

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "palette/pallet_captions.h"
#include "palette/pallet_page_names.h"
#include "palette/pallet_settings_win.h"
#include "ui/message_box_win.h"
#include "ui/monitors_win.h"
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

void PalletHost::Attach(const Parts& parts) {
    parts_ = parts;
    palletDocked_ = false;
    palletPanelHook_.Install(parts_.Panel, &PalletHost::PalletPanelWndProc, reinterpret_cast<DWORD_PTR>(this));
    palletTabHook_.Install(parts_.Tabs->Handle(), &PalletHost::PalletTabWndProc, reinterpret_cast<DWORD_PTR>(this));
    // Palette files dropped from the shell anywhere on the palette are imported.
    DragAcceptFiles(parts_.Panel, TRUE);
}

void PalletHost::Detach() {
    palletPanelHook_.Remove();
    palletTabHook_.Remove();
}

void PalletHost::SetDpi(DpiScale dpi) {
    dpi_ = dpi;
    if (minimumHeight_ > 0) {
        minimumHeight_ = OuterHeightAt(dpi_(parts_.UpperHeight));
    }
}

int PalletHost::OuterHeightAt(int clientHeight) const {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(parts_.MainWindow, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(parts_.MainWindow, GWL_EXSTYLE));
    return OuterSizeForClient(SIZE{0, clientHeight}, style, exStyle, dpi_).cy;
}

void PalletHost::TakeSuggestedRect(const RECT& suggested, int outerWidth) {
    const int clientHeight = ShownAndDocked() ? dpi_(palletHeight_) : dpi_(parts_.UpperHeight);
    const int outerHeight = OuterHeightFor(clientHeight, OuterHeightAt(0), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    resizeAllowed_ = true;
    SetWindowPos(parts_.MainWindow, nullptr, suggested.left, suggested.top, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    resizeAllowed_ = false;
}

void PalletHost::CollapseAtStart() {
    CollapseWindow();
    minimumHeight_ = OuterHeight(parts_.MainWindow);
}

bool PalletHost::ShownAndDocked() const {
    return palletDocked_ && IsShown();
}

std::int32_t PalletHost::SavedHeight() const {
    RECT client;
    GetClientRect(parts_.MainWindow, &client);
    return SavedPalletHeight(palletDocked_, IsShown(), dpi_.ToDesign(client.bottom), palletHeight_);
}

void PalletHost::SetClientHeight(int height) {
    RECT outer;
    GetWindowRect(parts_.MainWindow, &outer);
    // A hand-edited height may be anything: the window gets no taller than the screen.
    const int outerHeight =
        OuterHeightFor(height, NonClientHeight(parts_.MainWindow), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    SetWindowPos(parts_.MainWindow, nullptr, 0, 0, outer.right - outer.left, outerHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PalletHost::KeepCellsVisible() {
    if (!ShownAndDocked()) {
        return;
    }
    // The window grows as a drag of its bottom edge would, and the palette's remembered height stays.
    RECT cells;
    GetClientRect(parts_.Cells->Handle(), &cells);
    if (const int missing = MissingCellHeight(cells.bottom, parts_.Store->YCount(), dpi_(kMinCellRowHeight));
        missing > 0) {
        RECT client;
        GetClientRect(parts_.MainWindow, &client);
        SetClientHeight(client.bottom + missing);
    }
}

PixelSize PalletHost::LowestFloatClient() const {
    const int rowHeight = parts_.Cells->Dpi()(kMinCellRowHeight);
    return PixelSize{rowHeight * (parts_.Store->XCount() + 1), rowHeight * (parts_.Store->YCount() + 1)};
}

void PalletHost::GrowFloatToShowCells() {
    // A wider window may take the tabs onto fewer rows: measured again after each growth.
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT cells;
        GetClientRect(parts_.Cells->Handle(), &cells);
        const int rowHeight = parts_.Cells->Dpi()(kMinCellRowHeight);
        const int missingWidth = MissingCellHeight(cells.right, parts_.Store->XCount(), rowHeight);
        const int missingHeight = MissingCellHeight(cells.bottom, parts_.Store->YCount(), rowHeight);
        if (missingWidth == 0 && missingHeight == 0) {
            return;
        }
        RECT outer;
        GetWindowRect(floatWindow_->Handle(), &outer);
        SetWindowPos(floatWindow_->Handle(), nullptr, 0, 0, outer.right - outer.left + missingWidth,
                     outer.bottom - outer.top + missingHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void PalletHost::CollapseWindow() {
    resizeAllowed_ = true;
    SetClientHeight(dpi_(parts_.UpperHeight));
    resizeAllowed_ = false;
}

void PalletHost::ShowPallet(bool show) {
    // Unchecked while the panel's visibility changes, so that the change does not dock the palette.
    SetShown(false);
    if (floatWindow_ && GetParent(parts_.Panel) == floatWindow_->Handle()) {
        ShowWindow(floatWindow_->Handle(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
    ShowWindow(parts_.Panel, show ? SW_SHOW : SW_HIDE);
    SetShown(show);
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
    OnPlaced();
}

void PalletHost::FloatPallet(bool rememberHeight) {
    if (!IsShown()) {
        return;
    }
    if (rememberHeight) {
        RECT client;
        GetClientRect(parts_.MainWindow, &client);
        palletHeight_ = dpi_.ToDesign(client.bottom);
    }
    // Moving the panel into its new window hides it for a moment, which must not dock it back.
    const FlagScope moving(movingPallet_);
    auto window = std::make_unique<PalletFloatWindow>();
    window->OnStartDock = [this] { PalletPanelStartDock(); };
    window->OnEndDock = [this] { PalletPanelEndDock(); };
    window->OnDpiChanged = [this](DpiScale dpi) { OnDpiChanged(dpi); };
    window->FirstFocus = parts_.Tabs->Handle();
    const PixelSize client =
        FloatClientSize(floatRect_.Left, floatRect_.Top, floatRect_.Right, floatRect_.Bottom, LowestFloatClient(),
                        PixelSize{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    window->Create(parts_.MainWindow, parts_.Panel, WidenCp932(kPalletPanelCaption).c_str(), floatRect_.Left,
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
    ShowWindow(parts_.Panel, SW_SHOW);
    if (madeUp) {
        GrowFloatToShowCells();
    }
    if (floatRect_ == FloatRectangle{}) {
        PlaceBesideMainWindow();
    }
    ShowWindow(floatWindow_->Handle(), SW_SHOWNOACTIVATE);
    palletDocked_ = false;
    CollapseWindow();
    OnPlaced();
}

void PalletHost::DockPallet() {
    if (!IsShown() || movingPallet_) {
        return;
    }
    // Showing the panel below notifies its change of visibility, which would dock it once more.
    {
        const FlagScope moving(movingPallet_);
        RememberFloatRect();
        palletDocked_ = true;
        if (GetParent(parts_.Panel) != parts_.MainWindow) {
            SetParent(parts_.Panel, parts_.MainWindow);
        }
        // Docking runs from the floating window's own close: its window goes, its object stays.
        if (floatWindow_) {
            floatWindow_->Destroy();
        }
        OnDpiChanged(dpi_);
        FormResize();
        ShowWindow(parts_.Panel, SW_SHOW);
        SetClientHeight(dpi_(palletHeight_));
        KeepCellsVisible();
    }
    OnPlaced();
}

void PalletHost::PlaceBesideMainWindow() {
    // The first start's place lies under the main window, where the docked palette was: a palette that
    // never floated before opens beside the main window instead, wholly on its monitor.
    RECT outer;
    GetWindowRect(floatWindow_->Handle(), &outer);
    const RECT placed = PlaceBesideWindow(parts_.MainWindow, outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(floatWindow_->Handle(), nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RememberFloatRect();
}

void PalletHost::RememberFloatRect() {
    const HWND holder = GetParent(parts_.Panel);
    if (holder == parts_.MainWindow || holder == nullptr) {
        return;
    }
    RECT outer;
    GetWindowRect(holder, &outer);
    RECT panel;
    GetClientRect(parts_.Panel, &panel);
    floatRect_ = FloatRectangle{outer.left, outer.top, outer.left + panel.right, outer.top + panel.bottom};
}

void PalletHost::BeforeClose() {
    if (!palletDocked_) {
        RememberFloatRect();
    }
}

void PalletHost::PalletPanelStartDock() {
    palletDocked_ = false;
}

void PalletHost::PalletPanelEndDock() {
    if (palletDocked_) {
        FloatPallet(false);
    } else {
        RememberFloatRect();
    }
}

void PalletHost::PalletPanelMouseDown() {
    if (palletDocked_) {
        FloatPallet(true);
    }
}

void PalletHost::FitPalletTab() {
    RECT panel;
    GetClientRect(parts_.Panel, &panel);
    SetWindowPos(parts_.Tabs->Handle(), nullptr, 0, 0, panel.right, panel.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND PalletHost::FloatingWindow() const {
    return floatWindow_ && GetParent(parts_.Panel) == floatWindow_->Handle() ? floatWindow_->Handle() : nullptr;
}

HWND PalletHost::ShownFloatWindow() const {
    return floatWindow_ && floatWindow_->Handle() != nullptr && IsWindowVisible(floatWindow_->Handle())
               ? floatWindow_->Handle()
               : nullptr;
}

void PalletHost::FocusFloatWindow() {
    if (floatWindow_) {
        floatWindow_->FocusControl();
    }
}

void PalletHost::EnableFloatWindow(bool enabled) {
    if (floatWindow_ && floatWindow_->Handle() != nullptr) {
        EnableWindow(floatWindow_->Handle(), enabled ? TRUE : FALSE);
    }
}

LRESULT CALLBACK
PalletHost::PalletPanelWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object) {
    auto* self = reinterpret_cast<PalletHost*>(object);
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_WINDOWPOSCHANGED: {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            // The panel was hidden or shown: closing the floating window hides it, and that docks the
            // palette back, still shown.
            if ((position->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0 && self->IsShown()) {
                RunGuarded([self] { self->DockPallet(); });
            }
            if ((position->flags & SWP_NOSIZE) == 0) {
                self->FitPalletTab();
            }
            break;
        }
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
                RunGuarded([self] { self->OnPageChange(); });
            }
            break;
        case WM_LBUTTONDOWN:
            RunGuarded([self] { self->PalletPanelMouseDown(); });
            break;
        case WM_DROPFILES:
            RunGuarded([self, wParam] { self->OnDropFiles(reinterpret_cast<HDROP>(wParam)); });
            break;
        default:
            break;
    }
    return result;
}

LRESULT CALLBACK
PalletHost::PalletTabWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object) {
    auto* self = reinterpret_cast<PalletHost*>(object);
    // The header row beside the tabs is the panel's own surface: a press there takes the palette out.
    if (message == WM_LBUTTONDOWN &&
        self->parts_.Tabs->IsOnEmptyHeader(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
        RunGuarded([self] { self->PalletPanelMouseDown(); });
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void PalletHost::FormResize() {
    if (parts_.Panel == nullptr || GetParent(parts_.Panel) != parts_.MainWindow) {
        return;
    }
    RECT client;
    GetClientRect(parts_.MainWindow, &client);
    const int upper = dpi_(parts_.UpperHeight);
    const int height = std::max<int>(client.bottom - upper, 0);
    SetWindowPos(parts_.Panel, nullptr, 0, upper, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PalletHost::FormCanResize(WINDOWPOS& position) const {
    if ((position.flags & SWP_NOSIZE) != 0 || parts_.MainWindow == nullptr) {
        return;
    }
    // An unchanged height is decided too: a stored height at or below the collapsed one must still
    // give the docked palette its lowest height.
    RECT outer;
    GetWindowRect(parts_.MainWindow, &outer);
    const ResizeDecision decision =
        tintrel::FormCanResize(position.cy, ShownAndDocked(), resizeAllowed_, LowestDockedHeight());
    if (!decision.Allow) {
        position.cx = outer.right - outer.left;
        position.cy = outer.bottom - outer.top;
        return;
    }
    position.cy = decision.Height;
}

std::int32_t PalletHost::LowestDockedHeight() const {
    if (GetParent(parts_.Panel) != parts_.MainWindow) {
        return dpi_(kMinDockedOuterHeight);
    }
    // The tab rows that more pages or narrower captions take come out of the cells' share.
    RECT cells;
    GetClientRect(parts_.Cells->Handle(), &cells);
    return LowestDockedOuterHeight(OuterHeight(parts_.MainWindow), cells.bottom, parts_.Store->YCount(),
                                   dpi_(kMinCellRowHeight), dpi_(kMinDockedOuterHeight));
}

std::int32_t PalletHost::FormHitTest(std::int32_t defaultCode) const {
    return tintrel::FormHitTest(defaultCode, ShownAndDocked());
}

void PalletHost::EditSettings(TFPallet& dialog, HWND owner) {
    const std::int32_t selected = parts_.Tabs->Selected();
    const bool onHistory = parts_.Tabs->HistorySelected();
    dialog.SetValues(parts_.Tabs->PageNames(), parts_.Store->XCount(), parts_.Store->YCount());
    if (dialog.ShowModal(owner) == kModalResultOk) {
        std::vector<std::string> names = dialog.PageNames();
        const auto pages = static_cast<std::int32_t>(names.size());
        parts_.Store->SetPalletSize(dialog.Columns(), dialog.Rows(), pages);
        parts_.Tabs->SetPages(std::move(names));
        parts_.Tabs->Select(onHistory ? parts_.Tabs->HistoryTab() : PageAfterSettings(selected, pages));
        KeepCellsVisible();
    }
    parts_.Cells->Repaint();
}

}  // namespace tintrel
