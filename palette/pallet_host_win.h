#pragma once

#include <windows.h>

#include <shellapi.h>  // HDROP

#include <cstdint>
#include <functional>
#include <memory>

#include "palette/pallet_docking.h"
#include "palette/pallet_float_window_win.h"
#include "palette/pallet_store.h"
#include "palette/pallet_tab_strip_win.h"
#include "palette/pallet_view_win.h"
#include "persist/pallet_file.h"
#include "persist/settings_file.h"
#include "ui/dpi_win.h"
#include "ui/window_subclass_win.h"

namespace tintrel {

class TFPallet;

// The palette's place: hidden, docked below the main window's upper panel, or floating in a window of
// its own. The main window's height and sizing follow it; the main window hands its sizing messages on.
class PalletHost {
public:
    // What the palette is made of, created by the main window before Attach.
    struct Parts {
        HWND MainWindow = nullptr;
        HWND Panel = nullptr;  // holds the page tabs and moves between the windows
        PalletTabStrip* Tabs = nullptr;
        PalletView* Cells = nullptr;
        PalletStore* Store = nullptr;
        // The main window's client height above the docked palette, in design units: its whole height
        // without it.
        int UpperHeight = 0;
    };

    // Whether the palette is shown: the main window's menu check holds it.
    std::function<bool()> IsShown;
    std::function<void(bool)> SetShown;
    // After every change of place, so that the focus stays on a control the user sees.
    std::function<void()> OnPlaced;
    std::function<void()> OnPageChange;
    std::function<void(HDROP)> OnDropFiles;
    // The palette's parts are now in a window of `dpi`: the floating window's, or the main window's
    // when the palette docks.
    std::function<void(DpiScale dpi)> OnDpiChanged;

    PalletHost() = default;
    PalletHost(const PalletHost&) = delete;
    PalletHost& operator=(const PalletHost&) = delete;

    // Starts listening to the panel and the page tabs; Detach stops before the windows go.
    void Attach(const Parts& parts);
    void Detach();

    // The main window is at `dpi` now; heights are kept in design units and shown at it.
    void SetDpi(DpiScale dpi);
    // After the main window moved to a monitor of another DPI: the window takes the place the system
    // suggests, `outerWidth` wide and as high as the palette's state asks at the new DPI.
    void TakeSuggestedRect(const RECT& suggested, int outerWidth);
    // Collapses the main window to its upper panel and takes that as its lowest height.
    void CollapseAtStart();
    // Shows the palette at its place (docked or floating) or hides it, the window's height following.
    void ShowPallet(bool show);
    // More rows of tabs or of cells may squeeze the docked cells: the window grows until they show.
    void KeepCellsVisible();
    // Runs the palette's settings dialog over `owner` and applies what it gives: the grid, the pages and
    // their names; the selected page stays selected where it is still there.
    void EditSettings(TFPallet& dialog, HWND owner);
    // Keeps the floating window's place for the palette file before the program closes.
    void BeforeClose();

    // What the two files keep.
    bool Docked() const { return palletDocked_; }
    void SetDocked(bool docked) { palletDocked_ = docked; }
    const FloatRectangle& FloatRect() const { return floatRect_; }
    void SetFloatRect(const FloatRectangle& rect) { floatRect_ = rect; }
    void SetPalletHeight(std::int32_t height) { palletHeight_ = height; }
    std::int32_t SavedHeight() const;

    // The floating window while the palette is in it, else nullptr.
    HWND FloatingWindow() const;
    // The floating window while it is on the screen, else nullptr.
    HWND ShownFloatWindow() const;
    void FocusFloatWindow();
    void EnableFloatWindow(bool enabled);

    // The main window's sizing, handed on from its messages.
    void FormResize();
    void FormCanResize(WINDOWPOS& position) const;
    std::int32_t FormHitTest(std::int32_t defaultCode) const;
    int LowestOuterHeight() const { return minimumHeight_; }

private:
    bool ShownAndDocked() const;
    // The main window's outer height for a client area `clientHeight` high, its frame at its DPI.
    int OuterHeightAt(int clientHeight) const;
    void SetClientHeight(int height);
    void CollapseWindow();
    void FloatPallet(bool rememberHeight);
    void DockPallet();
    void PlaceBesideMainWindow();
    void RememberFloatRect();
    void PalletPanelStartDock();
    void PalletPanelEndDock();
    void PalletPanelMouseDown();
    void FitPalletTab();
    PixelSize LowestFloatClient() const;
    void GrowFloatToShowCells();
    std::int32_t LowestDockedHeight() const;
    static LRESULT CALLBACK
    PalletPanelWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object);
    static LRESULT CALLBACK
    PalletTabWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object);

    Parts parts_;
    std::unique_ptr<PalletFloatWindow> floatWindow_;
    std::unique_ptr<PalletFloatWindow> retiredFloatWindow_;
    WindowSubclass palletPanelHook_;
    WindowSubclass palletTabHook_;
    bool palletDocked_ = false;
    bool resizeAllowed_ = false;
    bool movingPallet_ = false;  // the panel changes windows: its visibility changes are the move's own
    std::int32_t palletHeight_ = Settings{}.Height;  // in design units, as the settings file keeps it
    DpiScale dpi_;
    FloatRectangle floatRect_;
    int minimumHeight_ = 0;
};

}  // namespace tintrel
