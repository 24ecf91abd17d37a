#include "app/main_form_win.h"

#include <optional>
#include <string>
#include <utility>

#include "app/main_form_layout_win.h"
#include "base/application_title.h"
#include "color/format_editor_win.h"
#include "palette/pallet_captions.h"
#include "sampler/screen_capture_win.h"
#include "ui/drag_source_win.h"
#include "ui/hint_window_win.h"
#include "ui/message_box_win.h"
#include "ui/monitors_win.h"
#include "ui/screen_cursor_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

using layout::kClientWidth;
using layout::kDesignClientHeight;
using layout::kPanelDefHeight;

// Hints show 50 ms after the pointer rests, follow each other after 50 ms and hide after 5 s.
constexpr int kHintPause = 50;
constexpr int kHintHidePause = 5000;

int ToInt(ControlId id) {
    return static_cast<int>(id);
}

}  // namespace

TFMain::TFMain(FilePath executablePath, TFFormat& formatEditor, TFPallet& palletDialog)
    : executablePath_(std::move(executablePath)),
      formatEditor_(formatEditor),
      palletDialog_(palletDialog),
      files_(executablePath_, FileParts()) {}

TFMain::~TFMain() {
    palletHost_.Detach();
    DestroyOwnWindow();
}

void TFMain::Create() {
    const LPCWSTR className = RegisterWindowClassOnce(L"TFMain", &TFMain::WindowProc, LoadCursorW(nullptr, IDC_ARROW),
                                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const SIZE outer = OuterSizeForClient(SIZE{kClientWidth, kDesignClientHeight}, layout::kMainStyle, 0, DpiScale());
    CreateWindowChecked(0, className, WidenCp932(kApplicationTitle).c_str(), layout::kMainStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, this);
    CreateControls();
    SetDpi(WindowDpi(hwnd_));
    const SIZE scaled = OuterSizeForClient(dpi_(SIZE{kClientWidth, kDesignClientHeight}), layout::kMainStyle, 0, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, scaled.cx, scaled.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    menu_.Build();
    ReadDecimalSeparator();
    FormCreate();
}

void TFMain::Show() {
    RunGuarded([this] { FormShow(); });
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(formatChoice_.Handle());
    UpdateWindow(hwnd_);
}

HWND TFMain::Control(ControlId id) const {
    switch (id) {
        case ControlId::ComboF:
            return formatChoice_.Handle();
        case ControlId::PanelDef:
            return panelDef_.Handle();
        case ControlId::PanelP:
            return panelP_.Handle();
        case ControlId::PanelD:
            return panelD_.Handle();
        case ControlId::PalletPanel:
            return palletPanel_.Handle();
        case ControlId::PalletTab:
            return palletTab_.Handle();
        case ControlId::PaintPallet:
            return paintPallet_.Handle();
        default:
            return readout_.Handle(static_cast<ReadoutFields::Field>(ToInt(id) - ToInt(ControlId::EditF)));
    }
}

// ---- Controls, in tab order

void TFMain::CreateControls() {
    formatChoice_.Create(hwnd_, ToInt(ControlId::ComboF), layout::kComboF);
    readout_.Create(hwnd_, ToInt(ControlId::EditF));
    CreatePanels();
}

void TFMain::CreatePanels() {
    panelD_.Create(hwnd_, ToInt(ControlId::PanelD), layout::kPanelD, Panel::Options{.LoweredBevel = true});
    // The swatch comes after EditB in the tab order.
    SetWindowPos(panelD_.Handle(), readout_.Handle(ReadoutFields::EditB), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    panelP_.Create(hwnd_, ToInt(ControlId::PanelP), layout::kPanelP,
                   Panel::Options{.LoweredBevel = true, .Cursor = LoadCursorW(nullptr, IDC_HAND)});
    panelP_.OnPaint = [this](HDC dc, const RECT&) { image1_.PaintCentred(dc, dpi_(layout::kImage1Centre)); };

    panelDef_.Create(hwnd_, ToInt(ControlId::PanelDef), RECT{0, 0, kClientWidth, kPanelDefHeight}, Panel::Options{});
    panelDef_.OnPaint = [this](HDC dc, const RECT&) { PaintBox1Paint(dc); };

    palletPanel_.Create(hwnd_, ToInt(ControlId::PalletPanel),
                        RECT{0, kPanelDefHeight, kClientWidth, kDesignClientHeight}, Panel::Options{},
                        WidenCp932(kPalletPanelCaption).c_str());
    palletTab_.Create(palletPanel_.Handle(), ToInt(ControlId::PalletTab),
                      RECT{0, 0, kClientWidth, kDesignClientHeight - kPanelDefHeight});
}

// ---- Life cycle

void TFMain::FormCreate() {
    files_.RemoveLeftovers();
    InstallPalletPanelHook();
    CreatePalletExchange();
    hintWindow_ = CreateHintWindow(kHintPause, kHintHidePause);
    CreatePaintPallet();
    EnableDoubleBuffering();
    accessibility_.Attach(*this);
    CreatePick();
    ApplyStayOnTop();
    CreateContrastForm();
}

void TFMain::CreatePaintPallet() {
    paintPallet_.Create(palletTab_.Handle(), hintWindow_.Get());
    paintPallet_.CurrentColor = [this]() -> std::optional<std::int32_t> {
        return colorState_.HasColor ? std::optional<std::int32_t>(colorState_.CurColor) : std::nullopt;
    };
    paintPallet_.DecimalSeparator = [this] { return decimalSeparator_; };
    paintPallet_.OnPick = [this](std::int32_t color) {
        SetColor(color);
        UpdateReadout();
        if (IsChecked(CommandId::Popup1)) {
            CopyTextLine();
        }
        AnnouncePick();
    };
    paintPallet_.OnCopy = [this](std::int32_t color) { CopyCellText(color); };
    // The swatch is the drag source: a left press on it starts dragging the current colour at once.
    panelD_.OnMouse = [this](UINT message) {
        if (message == WM_LBUTTONDOWN) {
            DragFrom(panelD_.Handle());
        }
    };
}

void TFMain::EnableDoubleBuffering() {
    panelDef_.SetDoubleBuffered(true);
}

void TFMain::ApplyStayOnTop() {
    SetWindowPos(hwnd_, files_.ReadStayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TFMain::FormShow() {
    palletHost_.CollapseAtStart();
    LoadSettings();
    UpdateReadout();
    pallet_.SetPalletModified(false);
}

ProgramFiles::Parts TFMain::FileParts() {
    return ProgramFiles::Parts{
        .FormatText = [this] { return formatEditor_.MemoText(); },
        .SetFormatText = [this](const std::string& text) { formatEditor_.SetMemoText(text); },
        .CurrentSettings = [this] { return CurrentSettings(); },
        .ApplySettings = [this](const Settings& settings) { ApplySettings(settings); },
        .CurrentPalletState = [this] { return CurrentPalletState(); },
        .ApplyPalletState = [this](const PalletFileState& state, bool complete) { ApplyPalletState(state, complete); },
        .Store = &pallet_,
    };
}

void TFMain::LoadSettings() {
    files_.LoadFormatList();
    RebuildFormatList();
    files_.LoadSettings();
    files_.LoadPallet();
    palletHost_.ShowPallet(IsChecked(CommandId::NPallet));
    RunGuarded([this] { pickHost_.SetHotKeyOn(pickHost_.HotKeyOn()); });
    ShowPickOptions();
}

void TFMain::ApplySettings(const Settings& settings) {
    menu_.SetCheck(CommandId::Popup1, settings.WriteClip);
    menu_.SetCheck(CommandId::Popup2, settings.Small16);
    menu_.SetCheck(CommandId::Popup3, settings.StayOnTop);
    menu_.SetGroupChecks(CommandId::RGB1, NotationItem(settings.RGBformat));
    menu_.SetGroupChecks(CommandId::CMYK1, NotationItem(settings.CMYKformat));
    if (settings.SelectedColor >= 0) {
        SetColor(settings.SelectedColor);
    }
    if (const auto index = SelectedFormatIndex(settings.SelectedFormat, formatChoice_.Count())) {
        formatChoice_.Select(*index);
    }
    MoveOntoMonitor(hwnd_, POINT{settings.Left, settings.Top});
    palletHost_.SetPalletHeight(settings.Height);
    pickHost_.ApplySettings(settings);
    ShowPickOptions();
    contrast_.ApplySettings(settings);
    if (settings.ContrastOpen) {
        NContrastClick();
    }
    ShowHistory(settings.History);
}

bool TFMain::FormClose() {
    pickHost_.Cancel();
    palletHost_.BeforeClose();
    // A failed save keeps the window open, and the busy cursor goes at once: closing again retries.
    if (const BusyCursorScope busy; !files_.Save()) {
        return false;
    }
    pickHost_.Release();
    return true;
}

Settings TFMain::CurrentSettings() const {
    RECT window;
    GetWindowRect(hwnd_, &window);
    Settings settings;
    settings.WriteClip = IsChecked(CommandId::Popup1);
    settings.Small16 = IsChecked(CommandId::Popup2);
    settings.StayOnTop = IsChecked(CommandId::Popup3);
    settings.RGBformat = NotationNumber(menu_.GroupChecks(CommandId::RGB1));
    settings.CMYKformat = NotationNumber(menu_.GroupChecks(CommandId::CMYK1));
    settings.SelectedColor = colorState_.HasColor ? colorState_.CurColor : -1;
    settings.SelectedFormat = formatChoice_.Selected();
    settings.Top = window.top;
    settings.Left = window.left;
    settings.Height = palletHost_.SavedHeight();
    pickHost_.StoreSettings(settings);
    contrast_.StoreSettings(settings);
    settings.History = IsChecked(CommandId::NHistory);
    return settings;
}

// ---- Messages

void TFMain::WindowContextMenu(HWND control, LPARAM screenPosition) {
    if (!CarriesMenu(control)) {
        return;
    }
    if (const auto chosen = menu_.Track(hwnd_, control, screenPosition)) {
        ExecuteCommand(*chosen);
    }
}

void TFMain::WindowGetMinMaxInfo(MINMAXINFO& info) const {
    info.ptMinTrackSize.x = WindowWidth();
    info.ptMaxTrackSize.x = WindowWidth();
    if (const int lowest = palletHost_.LowestOuterHeight(); lowest > 0) {
        info.ptMinTrackSize.y = lowest;
    }
}

void TFMain::WindowSize() {
    RECT client;
    GetClientRect(hwnd_, &client);
    SetWindowPos(panelDef_.Handle(), nullptr, 0, 0, client.right, dpi_(kPanelDefHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    palletHost_.FormResize();
}

LRESULT TFMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == ToInt(ControlId::ComboF) && HIWORD(wParam) == CBN_SELCHANGE) {
                RunGuarded([this] { ComboFChange(); });
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            RunGuarded([&] { WindowContextMenu(reinterpret_cast<HWND>(wParam), lParam); });
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const HBRUSH brush =
                    readout_.Background(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_SETCURSOR:
            if (const std::optional<LRESULT> result = SetTopLevelCursor(hwnd_, wParam)) {
                return *result;
            }
            break;
        case WM_ACTIVATE:
            if (focus_.Activate(wParam)) {
                return 0;
            }
            break;
        case WM_SETFOCUS:
            focus_.FocusControl();
            return 0;
        case WM_ENABLE:
            // While a dialog or message box disables the main window, the floating palette is disabled too.
            palletHost_.EnableFloatWindow(wParam != FALSE);
            break;
        case WM_GETMINMAXINFO:
            WindowGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
            WindowSize();
            return 0;
        case WM_WINDOWPOSCHANGING:
            FormCanResize(*reinterpret_cast<WINDOWPOS*>(lParam));
            break;
        case WM_NCHITTEST:
            return FormHitTest(lParam);
        case WM_DPICHANGED:
            RunGuarded([&] { WindowDpiChanged(ReadDpiChange(wParam, lParam)); });
            return 0;
        case WM_DISPLAYCHANGE:
            ForgetVirtualScreen();
            break;
        case WM_SETTINGCHANGE:
            RunGuarded([this] { ReadDecimalSeparator(); });
            // A high-contrast theme turned on or off changes the colours of the fields and frames.
            readout_.ReadTheme();
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_CLOSE:
            if (FormClose()) {
                DestroyOwnWindow();
            }
            return 0;
        default:
            if (const std::optional<LRESULT> result = HandlePickMessage(message, wParam, lParam)) {
                return *result;
            }
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tintrel
