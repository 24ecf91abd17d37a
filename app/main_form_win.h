#pragma once

#include <windows.h>

#include <shellapi.h>  // HDROP

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/command_menu_win.h"
#include "app/main_form_accessible_win.h"
#include "base/file_path.h"
#include "color/color_state.h"
#include "color/contrast_form_win.h"
#include "color/format_choice_win.h"
#include "color/readout_fields_win.h"
#include "color/readout_text.h"
#include "palette/pallet_host_win.h"
#include "palette/pallet_store.h"
#include "palette/pallet_tab_strip_win.h"
#include "palette/pallet_view_win.h"
#include "persist/pallet_file.h"
#include "persist/settings_file.h"
#include "sampler/magnifier_win.h"
#include "sampler/screen_pick_win.h"
#include "ui/base_window_win.h"
#include "ui/dpi_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/panel_win.h"
#include "ui/window_handles_win.h"

namespace tintrel {

class TFFormat;
class TFPallet;

// The controls of the main window, also their window identifiers.
enum class ControlId : int {
    ComboF = 1001,
    EditF,
    EditR,
    EditG,
    EditB,
    EditC,
    EditM,
    EditY,
    EditK,
    PanelDef,
    PanelP,
    PanelD,
    PalletPanel,
    PalletTab,
    PaintPallet,
};

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
    void StartPickAnywhere(bool frozen);
    bool IsPicking() const { return pick_.IsPicking(); }
    bool IsPickFrozen() const { return pick_.IsFrozen(); }
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
    void PaintImage1(HDC dc) const;

    void FormCreate();
    void FormShow();
    bool FormClose();
    void ApplyStayOnTop();
    void InstallPalletPanelHook();
    void SetHintTiming();
    void CreatePaintPallet();
    void EnableDoubleBuffering();
    void LoadSettings();
    void LoadFormatList();
    void LoadSettingsFile();
    void ApplySettings(const Settings& settings);
    bool SaveSettings();
    Settings CurrentSettings() const;
    void LoadPallet();
    void ApplyPalletState(const PalletFileState& state);
    PalletFileState CurrentPalletState() const;
    void SavePallet();
    // Files that could not be read at start.
    std::string SettingsBytes(const Settings& settings) const;
    std::string PalletBytes() const;
    bool ReplaceUnreadable(std::string_view extension, bool changed);

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
    // The contrast window: opened from the menu, its picks run here, its pair kept in the settings.
    void CreateContrastForm();
    void NContrastClick();
    void ApplyContrastSettings(const Settings& settings);
    void StoreContrastSettings(Settings& settings) const;
    // A pick for the pair runs on the main window's pick and ends in the pair, not the current colour.
    void ContrastPickMouse(TFContrast::Side side, UINT message, HWND target);
    void ShowContrastPick(COLORREF color);
    void EndContrastPick(std::optional<COLORREF> color);
    // The pick history's page.
    void ShowHistory(bool shown);
    void NHistoryClearClick();
    // Palettes in and out of the program.
    void NExportClick();
    void NImportClick();
    void PalletPanelDropFiles(HDROP drop);
    void ImportPalletFile(const FilePath& path);
    void Action1Execute();
    void ComboFChange();
    void CopyTextLine();
    void CopyCellText(ColorRef color);
    ReadoutTexts ReadoutFor(const ColorState& color) const;
    void PaintBox1Paint(HDC dc);

    // Picks off the screen, the hot key, the zoom and the picked area.
    ScreenPickClient PickClient();
    void CreatePick();
    std::optional<COLORREF> ColorBeforePick() const;
    void ShowPicked(COLORREF picked);
    void PickTaken();
    void ApplyPickOptions(const Settings& settings);
    void StorePickOptions(Settings& settings) const;
    void RegisterPickHotKey();
    void NHotKeyClick();
    void SampleClick(CommandId sender);
    // The colour vision the magnifier shows the screen with.
    void SimulateClick(CommandId sender);
    void PickHotKeyPressed();
    void NPickFrozenClick();
    bool RouteWheel(const MSG& message);
    void ZoomBy(int wheelDelta);
    void HideZoomLabel();
    void RepaintMagnifier();
    std::optional<LRESULT> HandlePickMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CarriesMenu(HWND control) const;
    bool RouteShortcut(const MSG& message);
    void ReadDecimalSeparator();
    TextOptions CurrentTextOptions() const;

    void WindowContextMenu(HWND control, LPARAM screenPosition);
    // The keyboard focus: always on a visible control of the active window.
    bool WindowActivate(WPARAM state);
    void FocusControl();
    void KeepFocusVisible();
    bool SwitchWindowKey(const MSG& message);
    void WindowEnable(bool enabled);
    void WindowGetMinMaxInfo(MINMAXINFO& info) const;
    void WindowSize();

    FilePath executablePath_;
    TFFormat& formatEditor_;
    TFPallet& palletDialog_;

    ColorState colorState_;
    std::string decimalSeparator_ = ".";

    CommandMenu menu_;
    Magnifier magnifier_;
    ScreenPick pick_{PickClient()};
    HotKeyRegistration pickHotKey_;
    TFContrast contrast_;
    // The contrast window's side a pick from its target is for, while one runs.
    std::optional<TFContrast::Side> contrastPickSide_;
    // The key as the settings file holds it, written back as it is; and the key that text gives.
    std::string pickHotKeyText_ = Settings{}.PickHotKey;
    HotKey pickHotKeyInForce_ = kDefaultPickHotKey;
    int wheelRemainder_ = 0;
    FormatChoice formatChoice_;
    ReadoutFields readout_;
    Panel panelDef_;
    Panel panelP_;
    Panel panelD_;
    Panel palletPanel_;
    PalletTabStrip palletTab_;
    HWND lastFocus_ = nullptr;
    OwnedWindow hintWindow_;
    Bitmap dropperBitmap_;
    DpiScale dpi_;
    PalletStore pallet_;
    PalletView paintPallet_{pallet_};
    PalletHost palletHost_;
    MainFormAccessibility accessibility_;

    // Only files read at start are written at close: one that could not be read must not be replaced
    // by the defaults this run fell back to, unless the user lets the run keep it under another name.
    bool formatListLoaded_ = false;
    bool settingsLoaded_ = false;
    bool palletLoaded_ = false;
    // What such a file would have held right after the start, to tell whether the run changed it.
    std::string formatListAtStart_;
    std::string settingsAtStart_;
    std::string palletAtStart_;
    // The two profile files as read, and what the run started with, so that a save leaves alone what
    // others changed meanwhile.
    ProfileDocument settingsAsRead_;
    ProfileDocument palletAsRead_;
    ProfileDocument settingsStarted_;
    ProfileDocument palletStarted_;
};

}  // namespace tintrel
