// The palette view on the pick history's page, and the page tabs that a drag turns.
#include "palette/pallet_history_page_win.h"

#include <commctrl.h>

#include "palette/pallet_accessible_win.h"
#include "palette/pallet_geometry.h"
#include "palette/pallet_keys.h"
#include "palette/pallet_view_win.h"
#include "ui/frames_win.h"

namespace tintrel {

bool PalletView::OnHistory() const {
    const auto selected = static_cast<std::int32_t>(SendMessageW(tabStrip_, TCM_GETCURSEL, 0, 0));
    return selected == store_.ZCount() && SendMessageW(tabStrip_, TCM_GETITEMCOUNT, 0, 0) > selected;
}

bool PalletView::OwnsKey(unsigned key) const {
    return key == kKeyDel && OnHistory();
}

std::optional<std::int32_t> PalletView::HistoryColor(CellPosition cell) const {
    if (cell.Column < 0 || cell.Row < 0 || cell.Column >= store_.XCount()) {
        return std::nullopt;
    }
    return store_.History().At(static_cast<std::size_t>(cell.Row) * static_cast<std::size_t>(store_.XCount()) +
                               static_cast<std::size_t>(cell.Column));
}

void PalletView::DragHistoryCell(CellPosition cell) {
    const auto color = HistoryColor(cell);
    if (!color) {
        return;
    }
    // The cell's hint would stand under the pointer, over the cells a drop is meant for.
    SetHintText(L"");
    dragged_ = color;
    try {
        DragFrom(hwnd_);
    } catch (...) {
        dragged_.reset();
        throw;
    }
    dragged_.reset();
    RefreshHint();
}

void PalletView::RemoveCell(CellPosition cell) {
    if (!OnHistory() || !HistoryColor(cell)) {
        return;
    }
    store_.History().Remove(static_cast<std::size_t>(CellPart(cell, store_.XCount()) - 1));
    accessible_.CellChanged(cell);
    Repaint();
    RefreshHint();
}

bool PageTurner::DragOver(POINT client) {
    const HWND tabs = GetParent(view_.Handle());
    TCHITTESTINFO hit{};
    hit.pt = client;
    const int tab = TabCtrl_HitTest(tabs, &hit);
    if (tab >= 0 && tab != TabCtrl_GetCurSel(tabs)) {
        view_.SelectPage(tab);
    }
    return false;
}

void PaintHistoryPage(HDC dc, const RECT& client, const PickHistory& history, std::int32_t columns, std::int32_t rows) {
    for (std::int32_t row = 0; row < rows; ++row) {
        for (std::int32_t column = 0; column < columns; ++column) {
            const PalletRect cell = CellRect(column, row, columns, rows, client.right, client.bottom);
            const RECT area{cell.Left, cell.Top, cell.Right, cell.Bottom};
            const auto color = history.At(static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                                          static_cast<std::size_t>(column));
            if (!color) {
                DrawLoweredBevel(dc, area);
                continue;
            }
            SetDCBrushColor(dc, static_cast<COLORREF>(*color) & 0x00FFFFFFu);
            FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            DrawRaisedFrame(dc, area);
        }
    }
}

}  // namespace tintrel
