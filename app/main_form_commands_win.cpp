#include "app/main_form_win.h"

#include <optional>
#include <string>

#include "app/version_info.h"
#include "color/format_editor_win.h"
#include "ui/clipboard_win.h"
#include "ui/message_box_win.h"
#include "ui/modal_form_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

// ---- Keyboard and menu

bool TFMain::PreTranslateMessage(MSG& message) {
    if (pickHost_.PreTranslateMessage(message) || focus_.SwitchWindowKey(message)) {
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
    if (message.hwnd == paintPallet_.Handle() && paintPallet_.OwnsKey(static_cast<unsigned>(message.wParam))) {
        return false;
    }
    const std::optional<CommandId> command =
        ShortcutCommand(message, hwnd_, [this](HWND control) { return CarriesMenu(control); });
    if (command) {
        ExecuteCommand(*command);
    }
    return command.has_value();
}

bool TFMain::CarriesMenu(HWND control) const {
    return control != nullptr &&
           (control == formatChoice_.Handle() || control == panelDef_.Handle() || control == panelP_.Handle() ||
            control == panelD_.Handle() || control == palletPanel_.Handle() || control == palletTab_.Handle());
}

void TFMain::ExecuteCommand(CommandId command) {
    const auto within = [command](CommandId first, CommandId last) { return command >= first && command <= last; };
    RunGuarded([&] {
        if (within(CommandId::NHotKey, CommandId::Simulate4)) {
            PickOptionClick(command);
        } else if (within(CommandId::RGB1, CommandId::RGB4) || within(CommandId::CMYK1, CommandId::CMYK4)) {
            PopupToClick(command);
        } else if (within(CommandId::Popup1, CommandId::Popup3)) {
            PopupClick(command);
        }
        switch (command) {
            case CommandId::Clear1:
                Clear1Click();
                break;
            case CommandId::NContrast:
                NContrastClick();
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
                exchange_.Import();
                palletHost_.KeepCellsVisible();
                break;
            case CommandId::NHistory:
                ShowHistory(!IsChecked(CommandId::NHistory));
                // One tab more or less may take the tabs onto another row.
                palletHost_.KeepCellsVisible();
                break;
            case CommandId::NHistoryClear:
                NHistoryClearClick();
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
    palletHost_.EditSettings(palletDialog_, hwnd_);
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

std::string TFMain::SelectedTemplate() const {
    const int selected = formatChoice_.Selected();
    return selected <= 0 ? std::string(kWebColorTemplate) : formatEditor_.FormatLine(selected);
}

ReadoutTexts TFMain::ReadoutFor(const ColorState& color) const {
    return ComposeReadout(color, color.HasColor ? SelectedTemplate() : std::string(),
                          NotationFromChecks(menu_.GroupChecks(CommandId::RGB1)),
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
    pickHost_.Paint(dc);
}

}  // namespace tintrel
