// The pick history: every colour taken off the screen, shown as the palette's last page.
#include <string_view>

#include "app/main_form_win.h"
#include "exchange/palette_exchange_win.h"
#include "ui/message_box_win.h"

namespace tintrel {

namespace {

// "履歴を消去しますか？"
constexpr std::string_view kClearHistoryQuestion =
    "\x97\x9A\x97\xF0\x82\xF0\x8F\xC1\x8B\x8E\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81\x48";

}  // namespace

void TFMain::RecordPick(ColorRef color) {
    pallet_.History().Record(color);
    if (palletTab_.HistorySelected()) {
        paintPallet_.Repaint();
    }
}

void TFMain::ShowHistory(bool shown) {
    menu_.SetCheck(CommandId::NHistory, shown);
    palletTab_.ShowHistoryTab(shown);
    paintPallet_.Repaint();
}

void TFMain::NHistoryClick() {
    ShowHistory(!IsChecked(CommandId::NHistory));
    // One tab more or less may take the tabs onto another row.
    KeepCellsVisible();
}

void TFMain::NHistoryClearClick() {
    const WindowDisabled palette(FloatingPalletWindow());
    if (ShowMessageBox(kClearHistoryQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    pallet_.History().Clear();
    paintPallet_.Repaint();
}

}  // namespace tintrel
