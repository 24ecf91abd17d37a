#include "app/main_form_win.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/version_info.h"
#include "color/format_editor_win.h"
#include "palette/pallet_page_names.h"
#include "palette/pallet_settings_win.h"
#include "sampler/screen_capture_win.h"
#include "ui/clipboard_win.h"
#include "ui/message_box_win.h"
#include "ui/modal_form_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

// ---- Keyboard and menu

bool TFMain::PreTranslateMessage(MSG& message) {
    if (pick_.RouteKey(message) || SwitchWindowKey(message) || RouteWheel(message)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && RouteShortcut(message)) {
        return true;
    }
    if (contrast_.PreTranslateMessage(message)) {
        return true;
    }
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

bool TFMain::RouteShortcut(const MSG& message) {
    if (message.hwnd == formatChoice_.Handle() && SendMessageW(formatChoice_.Handle(), CB_GETDROPPEDSTATE, 0, 0)) {
        return false;  // the open list takes its keys itself
    }
    if (GetKeyState(VK_MENU) < 0 ||
        (message.hwnd == paintPallet_.Handle() && paintPallet_.OwnsKey(static_cast<unsigned>(message.wParam)))) {
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
           (control == formatChoice_.Handle() || control == panelDef_.Handle() || control == panelP_.Handle() ||
            control == panelD_.Handle() || control == palletPanel_.Handle() || control == palletTab_.Handle());
}

void TFMain::ExecuteCommand(CommandId command) {
    RunGuarded([&] {
        switch (command) {
            case CommandId::Clear1:
                Clear1Click();
                break;
            case CommandId::NContrast:
                NContrastClick();
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
            case CommandId::NExport:
                NExportClick();
                break;
            case CommandId::NImport:
                NImportClick();
                break;
            case CommandId::NHistory:
                ShowHistory(!IsChecked(CommandId::NHistory));
                // One tab more or less may take the tabs onto another row.
                palletHost_.KeepCellsVisible();
                break;
            case CommandId::NHistoryClear:
                NHistoryClearClick();
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
            case CommandId::NHotKey:
                NHotKeyClick();
                break;
            case CommandId::Sample1:
            case CommandId::Sample3:
            case CommandId::Sample5:
            case CommandId::Sample9:
                SampleClick(command);
                break;
            case CommandId::Simulate0:
            case CommandId::Simulate1:
            case CommandId::Simulate2:
            case CommandId::Simulate3:
            case CommandId::Simulate4:
                SimulateClick(command);
                break;
            case CommandId::NPickFrozen:
                NPickFrozenClick();
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

void TFMain::Clear1Click() {
    ClearColor();
    UpdateReadout();
}

void TFMain::PopupClick(CommandId sender) {
    menu_.SetCheck(sender, !IsChecked(sender));
    UpdateReadout();
}

void TFMain::PopupToClick(CommandId sender) {
    menu_.CheckRadio(sender);
    UpdateReadout();
}

void TFMain::SysPalletClick() {
    menu_.SetCheck(CommandId::NPallet, !IsChecked(CommandId::NPallet));
    palletHost_.ShowPallet(IsChecked(CommandId::NPallet));
}

void TFMain::NFormatClick() {
    if (formatEditor_.ShowModal(hwnd_) == kModalResultOk) {
        RebuildFormatList();
    }
    UpdateReadout();
}

void TFMain::NPalDlgClick() {
    const std::int32_t selected = palletTab_.Selected();
    const bool onHistory = palletTab_.HistorySelected();
    palletDialog_.SetValues(palletTab_.PageNames(), pallet_.XCount(), pallet_.YCount());
    if (palletDialog_.ShowModal(hwnd_) == kModalResultOk) {
        std::vector<std::string> names = palletDialog_.PageNames();
        const auto pages = static_cast<std::int32_t>(names.size());
        pallet_.SetPalletSize(palletDialog_.Columns(), palletDialog_.Rows(), pages);
        palletTab_.SetPages(std::move(names));
        palletTab_.Select(onHistory ? palletTab_.HistoryTab() : PageAfterSettings(selected, pages));
        palletHost_.KeepCellsVisible();
    }
    paintPallet_.Repaint();
}

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
    // Looked up once: a pick sets the colour at every pointer move.
    static const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    panelD_.SetCursor(hand);
}

void TFMain::ClearColor() {
    tintrel::ClearColor(colorState_);
    panelD_.SetSystemColor(COLOR_BTNFACE);
    panelD_.SetCursor(nullptr);
}

TextOptions TFMain::CurrentTextOptions() const {
    return TextOptions{IsChecked(CommandId::Popup2), decimalSeparator_, contrast_.Pair()};
}

void TFMain::UpdateReadout() {
    readout_.Show(ReadoutFor(colorState_));
}

ReadoutTexts TFMain::ReadoutFor(const ColorState& color) const {
    std::string formatTemplate;
    if (color.HasColor) {
        const int selected = formatChoice_.Selected();
        formatTemplate = selected <= 0 ? std::string(kWebColorTemplate) : formatEditor_.FormatLine(selected);
    }
    return ComposeReadout(color, formatTemplate, NotationFromChecks(menu_.GroupChecks(CommandId::RGB1)),
                          NotationFromChecks(menu_.GroupChecks(CommandId::CMYK1)), CurrentTextOptions());
}

void TFMain::RebuildFormatList() {
    formatChoice_.Rebuild(FormatLabels(formatEditor_.FormatList()));
}

void TFMain::ComboFChange() {
    UpdateReadout();
    if (colorState_.HasColor && IsChecked(CommandId::Popup1)) {
        CopyTextLine();
    }
}

void TFMain::CopyTextLine() {
    // Exactly what the text line shows goes to the clipboard.
    PutTextOnClipboard(hwnd_, WindowText(readout_.Handle(ReadoutFields::EditF)));
}

void TFMain::CopyCellText(ColorRef color) {
    // Through the current template, as the text line would show the cell's colour.
    ColorState cell;
    tintrel::SetColor(cell, color);
    PutTextOnClipboard(hwnd_, WidenCp932(ReadoutFor(cell).F));
}

void TFMain::ReadDecimalSeparator() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    const std::string narrow = length > 1 ? NarrowCp932(std::wstring_view(separator, length - 1)) : std::string();
    decimalSeparator_ = narrow.empty() ? "." : narrow;
}

void TFMain::PaintBox1Paint(HDC dc) {
    const RECT box = PaintBox1();
    magnifier_.Paint(dc, POINT{box.left, box.top});
}

// ---- Picking off the screen

void TFMain::SampleScreen() {
    if (const std::optional<ScreenPoint> pointer = PointerOnScreen()) {
        if (const std::optional<COLORREF> picked = magnifier_.Capture(*pointer)) {
            ShowPicked(*picked);
        }
    }
}

void TFMain::ShowPicked(COLORREF picked) {
    // Over a plain area most samples pick the colour that is current already; the readout then stays.
    const bool changed = !colorState_.HasColor || colorState_.CurColor != static_cast<ColorRef>(picked);
    SetColor(static_cast<ColorRef>(picked));
    RepaintMagnifier();
    if (changed) {
        UpdateReadout();
    }
}

}  // namespace tintrel
