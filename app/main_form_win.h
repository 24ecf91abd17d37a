#pragma once

#include <windows.h>

#include <shellapi.h>  // HDROP

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/command_menu_win.h"
#include "app/control_ids.h"
#include "app/window_accessibility_win.h"
#include "base/file_path.h"
#include "color/color_state.h"
#include "color/contrast_form_win.h"
#include "color/format_choice_win.h"
#include "color/readout_fields_win.h"
#include "color/readout_text.h"
#include "exchange/pallet_exchange_commands_win.h"
#include "palette/pallet_host_win.h"
#include "palette/pallet_store.h"
#include "palette/pallet_tab_strip_win.h"
#include "palette/pallet_view_win.h"
#include "persist/pallet_file.h"
#include "persist/program_files_win.h"
#include "persist/settings_file.h"
#include "sampler/pick_host_win.h"
#include "ui/base_window_win.h"
#include "ui/dpi_win.h"
#include "ui/focus_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/panel_win.h"
#include "ui/scaled_picture_win.h"
#include "ui/window_handles_win.h"

namespace tintrel {

class TFFormat;
class TFPallet;

// The main window: the magnifier, the pick target, the template choice, the colour text, the swatch,
// the seven component fields and, below them, the palette. Every command lives in its context menu.
class TFMain : public BaseWindow<TFMain> {
public:
    // The three files of the program are named after `executablePath`.
    TFMain(FilePath executablePath, TFFormat& formatEditor, TFPallet& palletDialog);
    ~TFMain();

    // Creates the window and its controls, hidden, at the design size (runs FormCreate).
    void Create();
    // Shows the window for the first time (runs FormShow before it becomes visible).
    void Show();

    // Keyboard routing for the message loop: the menu's shortcut keys while the focus is on a control
    // that carries the menu, and Tab between the controls. True when the message has been handled.
    bool PreTranslateMessage(MSG& message);

    // Runs a command of the menu as if its item had been clicked.
    void ExecuteCommand(CommandId command);
    bool IsChecked(CommandId item) const { return menu_.IsChecked(item); }

    void SetColor(ColorRef color);
    void ClearColor();
    // Captures the screen around the pointer into the magnifier and makes the pointer's pixel the
    // current colour.
    void SampleScreen();
    // Starts a pick from anywhere, frozen when `frozen` or when the option says so.
    void StartPickAnywhere(bool frozen) { pickHost_.StartAnywhere(frozen); }
    bool IsPicking() const { return pickHost_.IsPicking(); }
    bool IsPickFrozen() const { return pickHost_.IsFrozen(); }
    void UpdateReadout();
    void RebuildFormatList();
    // Has a screen reader read the new colour text: every path that picks a colour calls it.
    void AnnouncePick() const { accessibility_.AnnouncePick(); }
    // Puts a colour taken off the screen into the pick history: every pick that ends taken calls it,
    // and nothing else does (a colour from a palette cell or an import is no pick).
    void RecordPick(ColorRef color);

    const ColorState& Color() const { return colorState_; }
    // The DPI the window is laid out for, and the magnifier's paint box at it, in PanelDef's client area.
    DpiScale Dpi() const { return dpi_; }
    RECT PaintBox1() const;
    HMENU PopupMenu1() const { return menu_.Handle(); }
    HWND Control(ControlId id) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    void CreateControls();
    void CreatePanels();
    // Every control placed, and every font and picture chosen, for `dpi`; on a monitor of another DPI
    // the window takes the rectangle the system suggests and lays itself out once more.
    void SetDpi(DpiScale dpi);
    void WindowDpiChanged(const DpiChange& change);
    int WindowWidth() const;

    void FormCreate();
    void FormShow();
    bool FormClose();
    void ApplyStayOnTop();
    void InstallPalletPanelHook();
    void CreatePaintPallet();
    void EnableDoubleBuffering();
    // The program's files and what of the windows they hold.
    ProgramFiles::Parts FileParts();
    void LoadSettings();
    void ApplySettings(const Settings& settings);
    Settings CurrentSettings() const;
    void ApplyPalletState(const PalletFileState& state, bool complete);
    PalletFileState CurrentPalletState() const;

    // The palette's place and the window's height: the host decides them.
    void PalletTabChange();
    void FormCanResize(WINDOWPOS& position) const { palletHost_.FormCanResize(position); }
    LRESULT FormHitTest(LPARAM lParam) const;

    void Clear1Click();
    void PopupClick(CommandId sender);
    void PopupToClick(CommandId sender);
    void SysPalletClick();
    void NFormatClick();
    void NPalDlgClick();
    void MVarClick();
    // The contrast window: opened from the menu, its picks run here.
    void CreateContrastForm();
    void NContrastClick();
    // The pick history's page.
    void ShowHistory(bool shown);
    void NHistoryClearClick();
    // Palettes in and out of the program.
    void CreatePalletExchange();
    void NExportClick();
    void Action1Execute();
    void ComboFChange();
    void CopyTextLine();
    void CopyCellText(ColorRef color);
    // The template the text line shows colours through.
    std::string SelectedTemplate() const;
    ReadoutTexts ReadoutFor(const ColorState& color) const;
    void PaintBox1Paint(HDC dc);

    // Picks off the screen: their colours, the options in the menu, a pick asked for by another process.
    PickReceiver MainPickReceiver();
    void CreatePick();
    std::optional<COLORREF> ColorBeforePick() const;
    void ShowPicked(COLORREF picked);
    void PickTaken();
    void ShowPickOptions();
    void PickOptionClick(CommandId sender);
    std::optional<LRESULT> HandlePickMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CarriesMenu(HWND control) const;
    bool RouteShortcut(const MSG& message);
    void ReadDecimalSeparator();
    TextOptions CurrentTextOptions() const;

    void WindowContextMenu(HWND control, LPARAM screenPosition);
    void WindowGetMinMaxInfo(MINMAXINFO& info) const;
    void WindowSize();

    FilePath executablePath_;
    TFFormat& formatEditor_;
    TFPallet& palletDialog_;

    ColorState colorState_;
    std::string decimalSeparator_ = ".";

    CommandMenu menu_;
    PickHost pickHost_{MainPickReceiver()};
    TFContrast contrast_;
    std::array<PickReceiver, 2> contrastPicks_;  // where picks for the pair's text and background go
    FormatChoice formatChoice_;
    ReadoutFields readout_;
    Panel panelDef_;
    Panel panelP_;
    Panel panelD_;
    Panel palletPanel_;
    PalletTabStrip palletTab_;
    // The keyboard focus: always on a visible control of the active window.
    WindowPairFocus focus_;
    OwnedWindow hintWindow_;
    // The dropper drawn on the pick target.
    ScaledPicture image1_;
    DpiScale dpi_;
    PalletStore pallet_;
    PalletView paintPallet_{pallet_};
    PalletHost palletHost_;
    PalletExchangeCommands exchange_;
    MainFormAccessibility accessibility_;

    ProgramFiles files_;
};

}  // namespace tintrel
