#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/command_menu.h"
#include "color/color_state.h"
#include "color/format_template.h"
#include "color/readout_text.h"
#include "persist/settings_file.h"
#include "ui/base_window_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/panel_win.h"

namespace tintrel {

class TFFormat;
class TFPallet;

// The main window: the magnifier, the pick target, the template choice, the colour text, the swatch,
// the seven component fields and, below them, the palette. Every command lives in its context menu.
class TFMain : public BaseWindow<TFMain> {
public:
    // The three files of the program are named after `executablePath`.
    TFMain(std::filesystem::path executablePath, TFFormat& formatEditor, TFPallet& palletDialog);
    ~TFMain();
    TFMain(const TFMain&) = delete;
    TFMain& operator=(const TFMain&) = delete;

    // Creates the window and its controls, hidden, at the design size (runs FormCreate).
    void Create();
    // Shows the window for the first time (runs FormShow before it becomes visible).
    void Show();

    // Keyboard routing for the message loop: the menu's shortcut keys while the focus is on a control
    // that carries the menu, and Tab between the controls. True when the message has been handled.
    bool PreTranslateMessage(MSG& message);

    // Runs a command of the menu as if its item had been clicked.
    void ExecuteCommand(CommandId command);
    bool IsChecked(CommandId item) const;

    void SetColor(ColorRef color);
    void ClearColor();
    // Captures the screen around the pointer into the magnifier and makes the pointer's pixel the
    // current colour.
    void SampleScreen();
    void UpdateReadout();
    void RebuildFormatList();

    const ColorState& Color() const { return colorState_; }
    HMENU PopupMenu1() const { return popupMenu1_; }
    HWND ComboF() const { return comboF_; }
    HWND EditF() const { return editF_; }
    HWND EditR() const { return editR_; }
    HWND EditG() const { return editG_; }
    HWND EditB() const { return editB_; }
    HWND EditC() const { return editC_; }
    HWND EditM() const { return editM_; }
    HWND EditY() const { return editY_; }
    HWND EditK() const { return editK_; }
    HWND PanelDef() const { return panelDef_.Handle(); }
    HWND PanelP() const { return panelP_.Handle(); }
    HWND PanelD() const { return panelD_.Handle(); }
    HWND PalletPanel() const { return palletPanel_.Handle(); }
    HWND PalletTab() const { return palletTab_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    void FormCreate();
    void FormShow();
    bool FormClose();
    void CreateControls();
    HWND CreateEdit(int id, int x, int y, int width);
    void BuildPopupMenu();
    void ApplyStayOnTop();
    void InstallPalletPanelHook();
    void SetHintTiming();
    void EnableDoubleBuffering();
    void CreateMagBitmap();
    void LoadSettings();
    void LoadFormatList();
    void ApplySettings(const Settings& settings);
    void CheckNotation(CommandId first, std::int32_t stored);
    void SaveSettings();
    Settings CurrentSettings() const;
    void RememberFloatRect();
    void ShowPallet(bool show);

    void Clear1Click();
    void PopupClick(CommandId sender);
    void PopupToClick(CommandId sender);
    void SysPalletClick();
    void NFormatClick();
    void NPalDlgClick();
    void MVarClick();
    void Action1Execute();
    void ComboFChange();
    void CopyTextLine();
    void PaintBox1Paint(HDC dc);

    void ImageMouse(UINT message);
    void ImageMouseDown(UINT message);
    void ImageMouseMove();
    void ImageMouseUp(UINT message);
    void SampleWhilePicking();
    bool IsPicking() const;
    bool RoutePickingKey(const MSG& message);
    void PickingKeyDown(WPARAM key);

    bool CarriesMenu(HWND control) const;
    void ShowPopupMenu(HWND control, LPARAM screenPosition);
    bool RouteShortcut(const MSG& message);
    void ReadDecimalSeparator();
    TextOptions CurrentTextOptions() const;
    std::array<bool, 4> GroupChecks(CommandId first) const;
    Notation GroupNotation(CommandId first) const;
    void SetCheck(CommandId item, bool checked);
    HBRUSH ReadoutBrush(HWND edit, HDC dc) const;
    void LayOutPalletPanel();
    void OnGetMinMaxInfo(MINMAXINFO& info) const;
    static LRESULT CALLBACK PalletPanelWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::filesystem::path executablePath_;
    TFFormat& formatEditor_;
    TFPallet& palletDialog_;

    ColorState colorState_;
    std::string decimalSeparator_ = ".";

    Panel panelDef_;
    Panel panelP_;
    Panel panelD_;
    Panel palletPanel_;
    HWND comboF_ = nullptr;
    HWND editF_ = nullptr;
    HWND editR_ = nullptr;
    HWND editG_ = nullptr;
    HWND editB_ = nullptr;
    HWND editC_ = nullptr;
    HWND editM_ = nullptr;
    HWND editY_ = nullptr;
    HWND editK_ = nullptr;
    HWND palletTab_ = nullptr;
    HWND hintWindow_ = nullptr;
    HWND lastFocus_ = nullptr;
    HMENU popupMenu1_ = nullptr;
    Bitmap dropperBitmap_;
    Brush readoutBrushes_[7];

    Bitmap magBitmap_;
    int magCenterX_ = 0;
    int magCenterY_ = 0;

    bool palletDocked_ = false;
    bool resizeAllowed_ = false;
    bool palletModified_ = false;
    std::int32_t palletHeight_ = Settings{}.Height;
    // Only files read at start are written at close: one that could not be read must not be replaced
    // by the defaults this run fell back to.
    bool formatListLoaded_ = false;
    bool settingsLoaded_ = false;
    int minimumHeight_ = 0;
    WNDPROC savedWndProc_ = nullptr;
};

}  // namespace tintrel
