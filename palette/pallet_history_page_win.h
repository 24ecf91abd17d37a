#pragma once

#include <windows.h>

#include <cstdint>

#include "palette/pick_history.h"
#include "ui/drag_source_win.h"

namespace tintrel {

class PalletView;

// The page tabs as a place a drag passes over: held over a tab, a drag turns the palette to that page,
// so that a colour dragged from one page can be dropped on another. Nothing is dropped on the tabs.
class PageTurner final : public DropTarget {
public:
    explicit PageTurner(PalletView& view) : view_(view) {}

    bool DragOver(POINT client) override;
    void DragDrop(POINT) override {}

private:
    PalletView& view_;
};

// Paints the history as a page of `columns` by `rows` cells over the background: its colours newest
// first in reading order as raised squares, the places it has not filled as empty, lowered ones.
void PaintHistoryPage(HDC dc, const RECT& client, const PickHistory& history, std::int32_t columns, std::int32_t rows);

}  // namespace tintrel
