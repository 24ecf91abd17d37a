#include "palette/pallet_tab_strip_win.h"

#include <commctrl.h>

#include <utility>

#include "palette/pallet_captions.h"
#include "ui/base_window_win.h"
#include "ui/fonts_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

void PalletTabStrip::Create(HWND parent, int id, const RECT& bounds) {
    tabs_ = CreateWindowChecked(WS_EX_COMPOSITED, WC_TABCONTROLW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TCS_MULTILINE |
                                    TCS_RAGGEDRIGHT | TCS_HOTTRACK,
                                bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
    // The control's default minimum makes every tab about 53 pixels wide, so that four short captions
    // take two rows of a narrow palette and leave the cells little room: tabs as narrow as their captions.
    TabCtrl_SetMinTabWidth(tabs_, 0);
    SetDpi(DpiScale());
}

void PalletTabStrip::SetDpi(DpiScale dpi) {
    // The room around a caption is the control's default at 96 DPI.
    TabCtrl_SetPadding(tabs_, dpi(6), dpi(3));
    SetControlFont(tabs_, FormFont(dpi));
}

void PalletTabStrip::SetPages(std::vector<std::string> names) {
    names_ = std::move(names);
    TabCtrl_DeleteAllItems(tabs_);
    for (const std::string& name : names_) {
        AppendTab(name);
    }
    if (historyShown_) {
        AppendTab(std::string(kHistoryCaption));
    }
}

void PalletTabStrip::AppendTab(const std::string& caption) {
    std::wstring text = WidenCp932(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, TabCtrl_GetItemCount(tabs_), reinterpret_cast<LPARAM>(&item));
}

void PalletTabStrip::ShowHistoryTab(bool shown) {
    if (shown == historyShown_) {
        return;
    }
    const bool wasSelected = HistorySelected();
    historyShown_ = shown;
    if (shown) {
        AppendTab(std::string(kHistoryCaption));
        return;
    }
    TabCtrl_DeleteItem(tabs_, HistoryTab());
    if (wasSelected) {
        Select(HistoryTab() - 1);
    }
}

std::int32_t PalletTabStrip::Selected() const {
    return TabCtrl_GetCurSel(tabs_);
}

void PalletTabStrip::Select(std::int32_t page) {
    // The history's page stored while its tab is hidden leaves the page selected before.
    if (page < TabCtrl_GetItemCount(tabs_)) {
        TabCtrl_SetCurSel(tabs_, page);
    }
}

RECT PalletTabStrip::DisplayArea() const {
    RECT area;
    GetClientRect(tabs_, &area);
    TabCtrl_AdjustRect(tabs_, FALSE, &area);
    return area;
}

bool PalletTabStrip::IsOnEmptyHeader(POINT client) const {
    TCHITTESTINFO hit{};
    hit.pt = client;
    return TabCtrl_HitTest(tabs_, &hit) < 0 && client.y < DisplayArea().top;
}

}  // namespace tintrel
