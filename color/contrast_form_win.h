#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "color/contrast.h"
#include "color/contrast_preview_win.h"
#include "persist/settings_file.h"
#include "ui/accessible_win.h"
#include "ui/base_window_win.h"
#include "ui/dpi_win.h"
#include "ui/drag_source_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/panel_win.h"
#include "ui/window_handles_win.h"

namespace tintrel {

// The contrast window: a text colour on a background colour, their WCAG ratio and verdicts, a preview
// as people with each kind of colour-vision deficiency see it, and the nearest text colours that pass.
// Each colour is typed, taken from the main window, dropped from its swatch or a palette cell, or picked
// off the screen through the main window, which owns picking.
class TFContrast : public BaseWindow<TFContrast> {
public:
    enum class Side { Text, Back };

    TFContrast();
    ~TFContrast();

    // Creates the window hidden. Throws std::runtime_error when a window cannot be created.
    void Create();
    // Shows the window, or brings it to the front when it is shown already; `stayOnTop` as the main
    // window does. Opened for the first time, it goes beside `anchor`.
    void ShowForm(bool stayOnTop, HWND anchor);
    void HideForm();
    bool IsOpen() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_) != FALSE; }

    const ContrastPair& Pair() const { return pair_; }
    void SetPair(const ContrastPair& pair);
    // A colour for one side from outside (a pick, a drop), shown and read out as a typed one is.
    void SetSideColor(Side side, Rgb8 color);

    // The window's top-left corner, once it has one of its own; nullopt until first shown or placed.
    std::optional<POINT> Place() const;
    void SetPlace(POINT topLeft);
    // The pair and the place as the settings keep them, with whether the window is open; applying
    // them opens nothing.
    void ApplySettings(const Settings& settings);
    void StoreSettings(Settings& settings) const;

    // Keyboard routing for the program's message loop: Tab, mnemonics, Enter and Esc in this window.
    bool PreTranslateMessage(MSG& message);

    // The main window's current colour, for "現在の色" and for drops; nullopt while there is none.
    std::function<std::optional<Rgb8>()> CurrentColor;
    // The mouse over a pick target (WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP...): the main window
    // runs the pick and hands its colour back through SetSideColor.
    std::function<void(Side side, UINT message, HWND target)> OnPickMouse;
    // Either colour changed.
    std::function<void()> OnPairChange;
    // The user's decimal separator; a full stop while unset.
    std::function<std::string()> DecimalSeparator;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    // A swatch takes the drops of the program's drags: the colour dragged becomes its side's.
    class SwatchDrop : public DropTarget {
    public:
        SwatchDrop(TFContrast& form, Side side) : form_(form), side_(side) {}
        bool DragOver(POINT client) override;
        void DragDrop(POINT client) override;

    private:
        TFContrast& form_;
        Side side_;
    };

    struct ColorRow {
        HWND Label = nullptr;
        Panel Swatch;
        HWND Edit = nullptr;
        Panel PickTarget;
        HWND Current = nullptr;
        AccessibleControl SwatchName;
        AccessibleControl EditName;
        AccessibleControl PickName;
        AccessibleControl CurrentName;
    };

    struct NearestRow {
        HWND Label = nullptr;
        Panel Swatch;
        HWND Button = nullptr;
        AccessibleControl ButtonName;
        std::optional<Rgb8> Color;
    };

    void CreateColorRow(Side side);
    void CreateResults();
    void CreateNearestRow(int index);
    void CreatePreviews();
    void CreateBalloon();

    // Design units in pixels at the window's DPI: every size passes through these.
    int Scaled(int designUnits) const { return dpi_(designUnits); }
    RECT Scaled(const RECT& design) const { return dpi_(design); }
    // Keeps a control's design rectangle, to place it again at another DPI.
    void Remember(HWND control, const RECT& design, Panel* panel, bool hasFont);
    void MakePreviewFonts();
    // Places every control and makes the fonts for the window's DPI.
    void LayOut();
    void WindowDpiChanged(const DpiChange& change);
    HWND CreateControl(int id, const wchar_t* className, const std::string& textCp932, DWORD style, const RECT& design);

    ColorRow& RowOf(Side side) { return side == Side::Text ? text_ : back_; }
    Rgb8& ColorOf(Side side) { return side == Side::Text ? pair_.Text : pair_.Back; }
    std::string Separator() const;

    void FormCommand(int id, int code, HWND control);
    void ApplyEntry(Side side);
    void CurrentClick(Side side);
    void SwapClick();
    void NearestClick(int index);
    void ShowRefusal(HWND edit);
    void HideRefusal();
    void PairChanged();
    void ShowPair();

    struct Placed {
        HWND Window;
        RECT Design;
        Panel* PanelOf;  // a panel also draws its bevel for the DPI
        bool HasFont;
    };

    DpiScale dpi_;
    std::vector<Placed> controls_;
    std::array<Font, 3> previewFonts_;
    PreviewFonts previewHandles_{};
    ContrastPair pair_;
    ColorRow text_;
    ColorRow back_;
    HWND swap_ = nullptr;
    HWND ratioLabel_ = nullptr;
    HWND ratio_ = nullptr;
    AccessibleControl ratioName_;
    std::array<HWND, 5> criteria_{};
    std::array<HWND, 5> verdicts_{};
    std::array<AccessibleControl, 5> verdictNames_;
    std::array<NearestRow, 2> nearest_;
    ContrastPreview preview_;
    std::array<HWND, 4> simulatedLabels_{};
    std::array<ContrastPreview, 4> simulated_;
    OwnedWindow balloon_;
    SwatchDrop textDrop_{*this, Side::Text};
    SwatchDrop backDrop_{*this, Side::Back};
    bool placed_ = false;
};

}  // namespace tintrel
