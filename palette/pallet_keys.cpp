#include "palette/pallet_keys.h"

#include <algorithm>

namespace tintrel {

std::optional<CellPosition> ClampFocus(CellPosition focus, std::int32_t columns, std::int32_t rows) {
    if (columns < 1 || rows < 1) {
        return std::nullopt;
    }
    return CellPosition{std::clamp(focus.Column, 0, columns - 1), std::clamp(focus.Row, 0, rows - 1)};
}

PalletKeyResult PalletKey(unsigned key,
                          bool shift,
                          bool control,
                          CellPosition focus,
                          std::int32_t columns,
                          std::int32_t rows) {
    if ((key == kKeyF10 && shift && !control) || (key == kKeyApps && !control)) {
        return {PalletKeyAction::ContextMenu, focus};
    }
    if (control && !shift && (key == kKeyPageUp || key == kKeyPageDown)) {
        return {key == kKeyPageUp ? PalletKeyAction::PreviousPage : PalletKeyAction::NextPage, focus};
    }
    const auto cell = ClampFocus(focus, columns, rows);
    if (!cell || shift) {
        return {};
    }
    const auto move = [](CellPosition to) { return PalletKeyResult{PalletKeyAction::MoveFocus, to}; };
    const std::int32_t lastColumn = columns - 1;
    const std::int32_t lastRow = rows - 1;
    if (control) {
        switch (key) {
            case kKeyHome:
                return move({0, 0});
            case kKeyEnd:
                return move({lastColumn, lastRow});
            case kKeyC:
                return {PalletKeyAction::Copy, *cell};
            default:
                return {};
        }
    }
    switch (key) {
        case kKeyLeft:
            return move({std::max(cell->Column - 1, 0), cell->Row});
        case kKeyRight:
            return move({std::min(cell->Column + 1, lastColumn), cell->Row});
        case kKeyUp:
            return move({cell->Column, std::max(cell->Row - 1, 0)});
        case kKeyDown:
            return move({cell->Column, std::min(cell->Row + 1, lastRow)});
        case kKeyHome:
            return move({0, cell->Row});
        case kKeyEnd:
            return move({lastColumn, cell->Row});
        case kKeyReturn:
            return {PalletKeyAction::Take, *cell};
        case kKeySpace:
            return {PalletKeyAction::Swap, *cell};
        case kKeyInsert:
            return {PalletKeyAction::Insert, *cell};
        case kKeyDel:
            return {PalletKeyAction::Remove, *cell};
        default:
            return {};
    }
}

}  // namespace tintrel
