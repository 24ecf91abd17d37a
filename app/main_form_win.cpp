#include "app/main_form_win.h"

#include <commctrl.h>
#include <windowsx.h>  // GET_X_LPARAM, ComboBox_GetCurSel

#include <array>
#include <optional>
#include <utility>

#include "app/resource_ids.h"
#include "app/version_info.h"
#include "base/application_title.h"
#include "color/format_editor_win.h"
#include "palette/pallet_settings_win.h"
#include "persist/file_names.h"
#include "persist/format_list_file.h"
#include "persist/profile_file.h"
#include "sampler/magnifier_win.h"
#include "sampler/screen_capture_win.h"
#include "ui/clipboard_win.h"
#include "ui/fonts_win.h"
#include "ui/message_box_win.h"
#include "ui/modal_form_win.h"
#include "ui/screen_cursor_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// The fixed layout, in client pixels.
constexpr int kClientWidth = 192;
constexpr int kWindowWidth = 200;
constexpr int kPanelDefHeight = 170;
constexpr int kDesignClientHeight = 248;
constexpr RECT kPaintBox1{4, 4, 136, 72};
constexpr SIZE kPaintBox1Size{kPaintBox1.right - kPaintBox1.left, kPaintBox1.bottom - kPaintBox1.top};
constexpr POINT kImage1{15, 15};
constexpr int kComboFHeight = 20;
constexpr int kComboFItemHeight = 12;
constexpr int kComboFDropDownRows = 16;
constexpr COLORREF kSilver = 0x00C0C0C0;

enum ControlId : int {
    kComboFId = 1001,
    kEditFId,
    kEditRId,
    kEditGId,
    kEditBId,
    kEditCId,
    kEditMId,
    kEditYId,
    kEditKId,
    kPanelDefId,
    kPanelPId,
    kPanelDId,
    kPalletPanelId,
    kPalletTabId,
};

// Backgrounds of the component fields EditR to EditK.
constexpr std::array<COLORREF, 7> kReadoutColors{0x00AAAAFF, 0x00AAFFAA, 0x00FFAAAA, 0x00FFFF88,
                                                 0x00FF88FF, 0x0088FFFF, 0x00AAAAAA};

// Hints show 50 ms after the pointer rests, follow each other after 50 ms and hide after 5 s.
constexpr int kHintPause = 50;
constexpr int kHintHidePause = 5000;

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

// カラーパレット
constexpr std::string_view kPalletPanelCaption =
    "\x83J\x83\x89\x81[\x83p\x83\x8C\x83"
    "b\x83g";

// Where the palette panel's hooked window procedure finds its main form.
constexpr const wchar_t* kMainFormProperty = L"TintrelMainForm";

UINT ToId(CommandId command) {
    return static_cast<UINT>(command);
}

void SetText(HWND control, std::string_view textCp932) {
    // Setting a text costs a repaint and, on some systems, a round trip to the window server: while
    // picking over a plain area the fields keep their texts, and then nothing is set.
    const std::wstring text = WidenCp932(textCp932);
    if (WindowText(control) != text) {
        SetWindowTextW(control, text.c_str());
    }
}

RECT WindowRectIn(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int NonClientHeight(HWND window) {
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return (outer.bottom - outer.top) - client.bottom;
}

}  // namespace

TFMain::TFMain(std::filesystem::path executablePath, TFFormat& formatEditor, TFPallet& palletDialog)
    : executablePath_(std::move(executablePath)), formatEditor_(formatEditor), palletDialog_(palletDialog) {}

TFMain::~TFMain() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    if (hintWindow_ != nullptr) {
        DestroyWindow(hintWindow_);
    }
    if (popupMenu1_ != nullptr) {
        DestroyMenu(popupMenu1_);
    }
}

void TFMain::Create() {
    const LPCWSTR className = RegisterWindowClassOnce(L"TFMain", &TFMain::WindowProc, LoadCursorW(nullptr, IDC_ARROW),
                                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT bounds{0, 0, kClientWidth, kDesignClientHeight};
    AdjustWindowRectEx(&bounds, kMainStyle, FALSE, 0);
    CreateWindowChecked(0, className, WidenCp932(kApplicationTitle).c_str(), kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        kWindowWidth, bounds.bottom - bounds.top, nullptr, nullptr, this);
    CreateControls();
    BuildPopupMenu();
    ReadDecimalSeparator();
    FormCreate();
}

void TFMain::Show() {
    RunGuarded([this] { FormShow(); });
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(comboF_);
    UpdateWindow(hwnd_);
}

void TFMain::CreateControls() {
    const RECT comboBounds{4, 76, 189, 96};
    comboF_ = CreateWindowChecked(0, L"COMBOBOX", L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_DROPDOWNLIST,
                                  comboBounds.left, comboBounds.top, comboBounds.right - comboBounds.left,
                                  kComboFHeight + kComboFDropDownRows * kComboFItemHeight + 2, hwnd_,
                                  reinterpret_cast<HMENU>(kComboFId), nullptr);
    SetControlFont(comboF_, FormFont());
    if (SendMessageW(comboF_, CB_SETITEMHEIGHT, 0, kComboFItemHeight) == CB_ERR) {
        // Some combo box implementations accept the list's item height only from the list itself.
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof(parts);
        GetComboBoxInfo(comboF_, &parts);
        SendMessageW(parts.hwndList, LB_SETITEMHEIGHT, 0, kComboFItemHeight);
    }
    // The selection field is sized so that the closed box is exactly 20 pixels high. Implementations
    // differ in what they add to the height set, so it is corrected by what the box measures.
    auto field = static_cast<int>(SendMessageW(comboF_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const RECT closed = WindowRectIn(comboF_, hwnd_);
        if (closed.bottom - closed.top == kComboFHeight) {
            break;
        }
        field += kComboFHeight - (closed.bottom - closed.top);
        SendMessageW(comboF_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
    SendMessageW(comboF_, CB_SETMINVISIBLE, kComboFDropDownRows, 0);

    editF_ = CreateEdit(kEditFId, 4, 100, 137);
    editR_ = CreateEdit(kEditRId, 4, 124, 41);
    editG_ = CreateEdit(kEditGId, 52, 124, 41);
    editB_ = CreateEdit(kEditBId, 100, 124, 41);
    panelD_.Create(hwnd_, kPanelDId, RECT{152, 106, 184, 138}, Panel::Options{.LoweredBevel = true});
    editC_ = CreateEdit(kEditCId, 4, 148, 41);
    editM_ = CreateEdit(kEditMId, 52, 148, 41);
    editY_ = CreateEdit(kEditYId, 100, 148, 41);
    editK_ = CreateEdit(kEditKId, 148, 148, 41);

    panelP_.Create(hwnd_, kPanelPId, RECT{144, 14, 189, 59},
                   Panel::Options{.LoweredBevel = true, .Cursor = LoadCursorW(nullptr, IDC_HAND)});
    dropperBitmap_.Reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_DROPPER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    panelP_.OnPaint = [this](HDC dc, const RECT&) {
        // Drawn transparently: pixels of the bottom-left pixel's colour let the panel show through.
        MemoryDC source(dc);
        ScopedSelect select(source.Get(), dropperBitmap_.Get());
        BITMAP info;
        GetObjectW(dropperBitmap_.Get(), sizeof(info), &info);
        const COLORREF transparent = GetPixel(source.Get(), 0, info.bmHeight - 1);
        TransparentBlt(dc, kImage1.x, kImage1.y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, info.bmWidth,
                       info.bmHeight, transparent);
    };
    // Image1 is drawn by PanelP itself, so the pointer over the picture is the pointer over the panel.
    panelP_.OnMouse = [this](UINT message) { ImageMouse(message); };

    panelDef_.Create(hwnd_, kPanelDefId, RECT{0, 0, kClientWidth, kPanelDefHeight}, Panel::Options{});
    panelDef_.OnPaint = [this](HDC dc, const RECT&) { PaintBox1Paint(dc); };

    palletPanel_.Create(hwnd_, kPalletPanelId, RECT{0, kPanelDefHeight, kClientWidth, kDesignClientHeight},
                        Panel::Options{}, WidenCp932(kPalletPanelCaption).c_str());
    palletTab_ = CreateWindowChecked(
        0, WC_TABCONTROLW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_RAGGEDRIGHT | TCS_HOTTRACK, 0, 0,
        kClientWidth, kDesignClientHeight - kPanelDefHeight, palletPanel_.Handle(),
        reinterpret_cast<HMENU>(kPalletTabId), nullptr);
    SetControlFont(palletTab_, FormFont());

    for (std::size_t index = 0; index < kReadoutColors.size(); ++index) {
        readoutBrushes_[index].Reset(CreateSolidBrush(kReadoutColors[index]));
    }
}

HWND TFMain::CreateEdit(int id, int x, int y, int width) {
    const HWND edit = CreateWindowChecked(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_READONLY | ES_AUTOHSCROLL | ES_LEFT, x, y, width, 20,
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
    SetControlFont(edit, FixedFont());
    return edit;
}

void TFMain::BuildPopupMenu() {
    popupMenu1_ = CreatePopupMenu();
    const auto items = CommandMenuItems();
    HMENU submenu = nullptr;
    for (std::size_t index = 0; index < items.size(); ++index) {
        const MenuItemDef& item = items[index];
        const bool opensSubmenu = index + 1 < items.size() && items[index + 1].Level > item.Level;
        std::wstring caption = WidenCp932(item.Caption);
        if (item.Key) {
            caption += L'\t' + WidenCp932(ShortcutText(*item.Key));
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.wID = ToId(item.Id);
        info.fType = item.Caption == "-" ? MFT_SEPARATOR : (item.RadioGroup != 0 ? MFT_RADIOCHECK : MFT_STRING);
        info.fState = item.CheckedAtDesign ? MFS_CHECKED : MFS_UNCHECKED;
        info.dwTypeData = caption.data();
        if (opensSubmenu) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
        }
        HMENU parent = item.Level == 1 ? popupMenu1_ : submenu;
        InsertMenuItemW(parent, static_cast<UINT>(GetMenuItemCount(parent)), TRUE, &info);
        if (opensSubmenu) {
            submenu = info.hSubMenu;
        }
    }
}

// ---- Life cycle

void TFMain::FormCreate() {
    palletDocked_ = false;
    InstallPalletPanelHook();
    SetHintTiming();
    EnableDoubleBuffering();
    CreateMagBitmap();
    ApplyStayOnTop();
}

void TFMain::InstallPalletPanelHook() {
    SetPropW(palletPanel_.Handle(), kMainFormProperty, this);
    savedWndProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        palletPanel_.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TFMain::PalletPanelWndProc)));
}

LRESULT CALLBACK TFMain::PalletPanelWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TFMain*>(GetPropW(hwnd, kMainFormProperty));
    if (message == WM_NCDESTROY) {
        RemovePropW(hwnd, kMainFormProperty);
    }
    return CallWindowProcW(self->savedWndProc_, hwnd, message, wParam, lParam);
}

void TFMain::SetHintTiming() {
    // Not owned by the main window: an owned topmost popup keeps some window managers from making the
    // owner itself stay on top.
    hintWindow_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hintWindow_, TTM_SETDELAYTIME, TTDT_INITIAL, kHintPause);
    SendMessageW(hintWindow_, TTM_SETDELAYTIME, TTDT_RESHOW, kHintPause);
    SendMessageW(hintWindow_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHintHidePause);
}

void TFMain::EnableDoubleBuffering() {
    panelDef_.SetDoubleBuffered(true);
    const auto exStyle = GetWindowLongPtrW(palletTab_, GWL_EXSTYLE);
    SetWindowLongPtrW(palletTab_, GWL_EXSTYLE, exStyle | WS_EX_COMPOSITED);
}

void TFMain::CreateMagBitmap() {
    const SIZE size = kPaintBox1Size;
    WindowDC screen(nullptr);
    magBitmap_.Reset(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
    MemoryDC dc(screen.Get());
    ScopedSelect select(dc.Get(), magBitmap_.Get());
    Brush silver(CreateSolidBrush(kSilver));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc.Get(), &all, silver.Get());
    magCenterX_ = size.cx / 2;
    magCenterY_ = size.cy / 2;
}

void TFMain::ApplyStayOnTop() {
    const bool stayOnTop = ReadStayOnTop(ProfileFile(SiblingFileName(executablePath_, ".ini")));
    SetWindowPos(hwnd_, stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TFMain::FormShow() {
    resizeAllowed_ = true;
    RECT window;
    GetWindowRect(hwnd_, &window);
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left, kPanelDefHeight + NonClientHeight(hwnd_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(hwnd_, &window);
    minimumHeight_ = window.bottom - window.top;
    resizeAllowed_ = false;
    LoadSettings();
    UpdateReadout();
    palletModified_ = false;
}

void TFMain::LoadSettings() {
    LoadFormatList();
    RebuildFormatList();
    ApplySettings(ReadSettings(ProfileFile(SiblingFileName(executablePath_, ".ini"))));
    settingsLoaded_ = true;
    // Until the palette file is read here, the palette shows as at a first start.
    SetCheck(CommandId::NPallet, true);
    ShowPallet(IsChecked(CommandId::NPallet));
}

void TFMain::LoadFormatList() {
    try {
        if (const auto text = ReadFormatListFile(SiblingFileName(executablePath_, ".fmt"))) {
            formatEditor_.SetMemoText(*text);
        }
    } catch (...) {
        // The templates the editor still holds are offered all the same.
        RebuildFormatList();
        throw;
    }
    formatListLoaded_ = true;
}

void TFMain::ApplySettings(const Settings& settings) {
    SetCheck(CommandId::Popup1, settings.WriteClip);
    SetCheck(CommandId::Popup2, settings.Small16);
    SetCheck(CommandId::Popup3, settings.StayOnTop);
    CheckNotation(CommandId::RGB1, settings.RGBformat);
    CheckNotation(CommandId::CMYK1, settings.CMYKformat);
    if (settings.SelectedColor >= 0) {
        SetColor(settings.SelectedColor);
    }
    if (const auto index = SelectedFormatIndex(settings.SelectedFormat, ComboBox_GetCount(comboF_))) {
        ComboBox_SetCurSel(comboF_, *index);
    }
    SetWindowPos(hwnd_, nullptr, settings.Left, settings.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    palletHeight_ = settings.Height;
}

void TFMain::CheckNotation(CommandId first, std::int32_t stored) {
    const int checkedItem = NotationItem(stored);
    for (int item = 0; item < 4; ++item) {
        SetCheck(static_cast<CommandId>(ToId(first) + static_cast<UINT>(item)), item == checkedItem);
    }
}

void TFMain::ShowPallet(bool) {}

bool TFMain::FormClose() {
    if (!palletDocked_) {
        RememberFloatRect();
    }
    SetScreenCursor(LoadCursorW(nullptr, IDC_WAIT));
    // A failed save keeps the window open, and the busy cursor goes at once: closing again retries.
    const bool saved = RunGuarded([this] { SaveSettings(); });
    SetScreenCursor(nullptr);
    if (!saved) {
        return false;
    }
    magBitmap_.Reset();
    return true;
}

void TFMain::RememberFloatRect() {}

void TFMain::SaveSettings() {
    if (formatListLoaded_) {
        WriteFormatListFile(SiblingFileName(executablePath_, ".fmt"), formatEditor_.MemoText());
    }
    if (settingsLoaded_) {
        ProfileFile file(SiblingFileName(executablePath_, ".ini"));
        WriteSettings(file, CurrentSettings());
        file.Commit();
    }
}

Settings TFMain::CurrentSettings() const {
    RECT window;
    GetWindowRect(hwnd_, &window);
    RECT client;
    GetClientRect(hwnd_, &client);
    Settings settings;
    settings.WriteClip = IsChecked(CommandId::Popup1);
    settings.Small16 = IsChecked(CommandId::Popup2);
    settings.StayOnTop = IsChecked(CommandId::Popup3);
    settings.RGBformat = NotationNumber(GroupChecks(CommandId::RGB1));
    settings.CMYKformat = NotationNumber(GroupChecks(CommandId::CMYK1));
    settings.SelectedColor = colorState_.HasColor ? colorState_.CurColor : -1;
    settings.SelectedFormat = static_cast<std::int32_t>(ComboBox_GetCurSel(comboF_));
    settings.Top = window.top;
    settings.Left = window.left;
    settings.Height = SavedPalletHeight(palletDocked_, IsChecked(CommandId::NPallet), client.bottom, palletHeight_);
    return settings;
}

// ---- Keyboard and menu

bool TFMain::PreTranslateMessage(MSG& message) {
    if (RoutePickingKey(message)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && RouteShortcut(message)) {
        return true;
    }
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

bool TFMain::RouteShortcut(const MSG& message) {
    if (message.hwnd == comboF_ && SendMessageW(comboF_, CB_GETDROPPEDSTATE, 0, 0)) {
        return false;  // the open list takes its keys itself
    }
    if (GetKeyState(VK_MENU) < 0) {
        return false;
    }
    const Shortcut pressed{static_cast<unsigned>(message.wParam), GetKeyState(VK_SHIFT) < 0,
                           GetKeyState(VK_CONTROL) < 0};
    const std::optional<CommandId> command = CommandForShortcut(pressed);
    if (!command) {
        return false;
    }
    // The key is tried against the menu of the focused control, then of each control around it.
    for (HWND window = message.hwnd; window != nullptr && window != hwnd_; window = GetParent(window)) {
        if (CarriesMenu(window)) {
            ExecuteCommand(*command);
            return true;
        }
    }
    return false;
}

bool TFMain::CarriesMenu(HWND control) const {
    return control != nullptr &&
           (control == comboF_ || control == panelDef_.Handle() || control == panelP_.Handle() ||
            control == panelD_.Handle() || control == palletPanel_.Handle() || control == palletTab_);
}

void TFMain::ShowPopupMenu(HWND control, LPARAM screenPosition) {
    POINT at{GET_X_LPARAM(screenPosition), GET_Y_LPARAM(screenPosition)};
    if (screenPosition == -1) {
        // Opened from the keyboard: at the control's top-left corner.
        RECT bounds;
        GetWindowRect(control, &bounds);
        at = POINT{bounds.left, bounds.top};
    }
    const auto chosen = static_cast<UINT>(TrackPopupMenuEx(
        popupMenu1_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, hwnd_, nullptr));
    if (chosen != 0) {
        ExecuteCommand(static_cast<CommandId>(chosen));
    }
}

void TFMain::ExecuteCommand(CommandId command) {
    RunGuarded([&] {
        switch (command) {
            case CommandId::Clear1:
                Clear1Click();
                break;
            case CommandId::Popup1:
            case CommandId::Popup2:
            case CommandId::Popup3:
                PopupClick(command);
                break;
            case CommandId::NPallet:
                SysPalletClick();
                break;
            case CommandId::NFormat:
                NFormatClick();
                break;
            case CommandId::NPalDlg:
                NPalDlgClick();
                break;
            case CommandId::RGB1:
            case CommandId::RGB2:
            case CommandId::RGB3:
            case CommandId::RGB4:
            case CommandId::CMYK1:
            case CommandId::CMYK2:
            case CommandId::CMYK3:
            case CommandId::CMYK4:
                PopupToClick(command);
                break;
            case CommandId::MVar:
                MVarClick();
                break;
            case CommandId::Exit1:
                Action1Execute();
                break;
            default:
                break;
        }
    });
}

bool TFMain::IsChecked(CommandId item) const {
    return (GetMenuState(popupMenu1_, ToId(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void TFMain::SetCheck(CommandId item, bool checked) {
    CheckMenuItem(popupMenu1_, ToId(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TFMain::Clear1Click() {
    ClearColor();
    UpdateReadout();
}

void TFMain::PopupClick(CommandId sender) {
    SetCheck(sender, !IsChecked(sender));
    UpdateReadout();
}

void TFMain::PopupToClick(CommandId sender) {
    const int group = CommandMenuItem(sender).RadioGroup;
    const auto first = group == CommandMenuItem(CommandId::RGB1).RadioGroup ? CommandId::RGB1 : CommandId::CMYK1;
    CheckMenuRadioItem(popupMenu1_, ToId(first), ToId(first) + 3, ToId(sender), MF_BYCOMMAND);
    UpdateReadout();
}

void TFMain::SysPalletClick() {
    SetCheck(CommandId::NPallet, !IsChecked(CommandId::NPallet));
    ShowPallet(IsChecked(CommandId::NPallet));
}

void TFMain::NFormatClick() {
    if (formatEditor_.ShowModal(hwnd_) == kModalResultOk) {
        RebuildFormatList();
    }
    UpdateReadout();
}

void TFMain::NPalDlgClick() {}

void TFMain::MVarClick() {
    ShowMessageBox(kVersionMessage, MB_OK);
}

void TFMain::Action1Execute() {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

// ---- Colour, templates and readout

void TFMain::SetColor(ColorRef color) {
    tintrel::SetColor(colorState_, color);
    panelD_.SetColor(static_cast<COLORREF>(color) & 0x00FFFFFF);
    panelD_.SetCursor(LoadCursorW(nullptr, IDC_HAND));
}

void TFMain::ClearColor() {
    tintrel::ClearColor(colorState_);
    panelD_.SetSystemColor(COLOR_BTNFACE);
    panelD_.SetCursor(nullptr);
}

TextOptions TFMain::CurrentTextOptions() const {
    return TextOptions{IsChecked(CommandId::Popup2), decimalSeparator_};
}

std::array<bool, 4> TFMain::GroupChecks(CommandId first) const {
    std::array<bool, 4> checked{};
    for (unsigned offset = 0; offset < checked.size(); ++offset) {
        checked[offset] = IsChecked(static_cast<CommandId>(ToId(first) + offset));
    }
    return checked;
}

Notation TFMain::GroupNotation(CommandId first) const {
    return NotationFromChecks(GroupChecks(first));
}

void TFMain::UpdateReadout() {
    std::string formatTemplate;
    if (colorState_.HasColor) {
        const auto selected = static_cast<int>(ComboBox_GetCurSel(comboF_));
        formatTemplate = selected <= 0 ? std::string(kWebColorTemplate) : formatEditor_.FormatLine(selected);
    }
    const ReadoutTexts texts = ComposeReadout(colorState_, formatTemplate, GroupNotation(CommandId::RGB1),
                                              GroupNotation(CommandId::CMYK1), CurrentTextOptions());
    SetText(editF_, texts.F);
    SetText(editR_, texts.R);
    SetText(editG_, texts.G);
    SetText(editB_, texts.B);
    SetText(editC_, texts.C);
    SetText(editM_, texts.M);
    SetText(editY_, texts.Y);
    SetText(editK_, texts.K);
}

void TFMain::RebuildFormatList() {
    ComboBox_ResetContent(comboF_);
    for (const std::string& label : FormatLabels(formatEditor_.FormatList())) {
        ComboBox_AddString(comboF_, WidenCp932(label).c_str());
    }
    if (ComboBox_GetCount(comboF_) > 0) {
        ComboBox_SetCurSel(comboF_, 0);
    }
}

void TFMain::ComboFChange() {
    UpdateReadout();
    if (colorState_.HasColor && IsChecked(CommandId::Popup1)) {
        CopyTextLine();
    }
}

void TFMain::CopyTextLine() {
    // Exactly what the text line shows goes to the clipboard.
    PutTextOnClipboard(hwnd_, WindowText(editF_));
}

void TFMain::ReadDecimalSeparator() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    const std::string narrow = length > 1 ? NarrowCp932(std::wstring_view(separator, length - 1)) : std::string();
    decimalSeparator_ = narrow.empty() ? "." : narrow;
}

void TFMain::PaintBox1Paint(HDC dc) {
    PaintMagnifier(dc, POINT{kPaintBox1.left, kPaintBox1.top}, kPaintBox1Size, magBitmap_.Get(), magCenterX_,
                   magCenterY_);
}

// ---- Picking off the screen

void TFMain::SampleScreen() {
    const std::optional<COLORREF> picked =
        CaptureAroundPointer(magBitmap_.Get(), kPaintBox1Size, POINT{magCenterX_, magCenterY_});
    if (!picked) {
        return;
    }
    SetColor(static_cast<ColorRef>(*picked));
    // Painted now, not at the next paint cycle, so that the magnifier keeps up with a fast drag; drawn
    // straight into the panel, since a paint message costs more than the capture on some systems.
    panelDef_.PaintNow(kPaintBox1);
    UpdateReadout();
}

void TFMain::ImageMouse(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            ImageMouseDown(message);
            break;
        case WM_MOUSEMOVE:
            ImageMouseMove();
            break;
        default:
            ImageMouseUp(message);
            break;
    }
}

void TFMain::ImageMouseDown(UINT message) {
    SetScreenCursor(LoadCursorW(nullptr, IDC_CROSS));
    if (message == WM_LBUTTONDOWN) {
        // Moves and the release reach the target wherever the pointer goes while the button is held.
        SetCapture(panelP_.Handle());
    }
    SampleWhilePicking();
}

void TFMain::ImageMouseMove() {
    if (IsPicking()) {
        SampleWhilePicking();
    }
}

void TFMain::ImageMouseUp(UINT message) {
    if (message == WM_LBUTTONUP && GetCapture() == panelP_.Handle()) {
        ReleaseCapture();
    }
    SetScreenCursor(nullptr);
    if (IsChecked(CommandId::Popup1)) {
        CopyTextLine();
    }
}

void TFMain::SampleWhilePicking() {
    try {
        SampleScreen();
    } catch (...) {
        // Picking ends with the first error, so that the moves that follow while its box is shown
        // (the target still holds the mouse) do not open a box each.
        if (GetCapture() == panelP_.Handle()) {
            ReleaseCapture();
        }
        SetScreenCursor(nullptr);
        throw;
    }
}

bool TFMain::IsPicking() const {
    return ScreenCursor() == LoadCursorW(nullptr, IDC_CROSS);
}

bool TFMain::RoutePickingKey(const MSG& message) {
    if ((message.message != WM_KEYDOWN && message.message != WM_KEYUP) || message.wParam < VK_LEFT ||
        message.wParam > VK_DOWN || !IsPicking()) {
        return false;
    }
    // While picking, the arrow keys steer the pointer and no control sees them, not even their release.
    if (message.message == WM_KEYDOWN) {
        RunGuarded([&] { PickingKeyDown(message.wParam); });
    }
    return true;
}

void TFMain::PickingKeyDown(WPARAM key) {
    const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
    MovePointerBy(key == VK_LEFT ? -step : (key == VK_RIGHT ? step : 0),
                  key == VK_UP ? -step : (key == VK_DOWN ? step : 0));
    SampleWhilePicking();
}

// ---- Messages

HBRUSH TFMain::ReadoutBrush(HWND edit, HDC dc) const {
    const std::array<HWND, 7> fields{editR_, editG_, editB_, editC_, editM_, editY_, editK_};
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (fields[index] == edit) {
            SetBkColor(dc, kReadoutColors[index]);
            return readoutBrushes_[index].Get();
        }
    }
    // The text line keeps the window colour, although it is read-only.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

void TFMain::LayOutPalletPanel() {
    RECT client;
    GetClientRect(hwnd_, &client);
    const int height = std::max<int>(client.bottom - kPanelDefHeight, 0);
    SetWindowPos(palletPanel_.Handle(), nullptr, 0, kPanelDefHeight, client.right, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(panelDef_.Handle(), nullptr, 0, 0, client.right, kPanelDefHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(palletTab_, nullptr, 0, 0, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFMain::OnGetMinMaxInfo(MINMAXINFO& info) const {
    info.ptMinTrackSize.x = kWindowWidth;
    info.ptMaxTrackSize.x = kWindowWidth;
    if (minimumHeight_ > 0) {
        info.ptMinTrackSize.y = minimumHeight_;
    }
}

LRESULT TFMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kComboFId && HIWORD(wParam) == CBN_SELCHANGE) {
                RunGuarded([this] { ComboFChange(); });
                return 0;
            }
            break;
        case WM_CONTEXTMENU: {
            const auto control = reinterpret_cast<HWND>(wParam);
            if (CarriesMenu(control)) {
                RunGuarded([&] { ShowPopupMenu(control, lParam); });
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                ReadoutBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
        case WM_SETCURSOR:
            if (ApplyScreenCursor()) {
                return TRUE;
            }
            if (reinterpret_cast<HWND>(wParam) != hwnd_) {
                return FALSE;  // a control under the pointer chooses its own cursor
            }
            break;
        case WM_ACTIVATE:
            // The control that had the focus gets it back when the window is activated again.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus)) {
                    lastFocus_ = focus;
                }
            } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
            LayOutPalletPanel();
            return 0;
        case WM_DISPLAYCHANGE:
            ForgetVirtualScreen();
            break;
        case WM_SETTINGCHANGE:
            RunGuarded([this] { ReadDecimalSeparator(); });
            break;
        case WM_CLOSE:
            if (FormClose()) {
                DestroyWindow(hwnd_);
            }
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tintrel
