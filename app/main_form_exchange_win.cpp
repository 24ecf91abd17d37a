// Palettes in and out, and the pick history's page.
#include "app/main_form_win.h"
#include "exchange/palette_exchange_win.h"
#include "palette/pallet_captions.h"
#include "ui/message_box_win.h"

namespace tintrel {

void TFMain::CreatePalletExchange() {
    exchange_.Attach(PalletExchangeCommands::Parts{.Owner = hwnd_,
                                                   .Folder = FolderOf(executablePath_),
                                                   .Store = &pallet_,
                                                   .Tabs = &palletTab_,
                                                   .Cells = &paintPallet_,
                                                   .FloatWindow = [this] { return palletHost_.FloatingWindow(); }});
}

void TFMain::NExportClick() {
    exchange_.Export(SelectedTemplate(), CurrentTextOptions(), IsChecked(CommandId::NHistory));
}

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

void TFMain::NHistoryClearClick() {
    const WindowDisabled palette(palletHost_.FloatingWindow());
    if (ShowMessageBox(kClearHistoryQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        pallet_.History().Clear();
        paintPallet_.Repaint();
    }
}

}  // namespace tintrel
