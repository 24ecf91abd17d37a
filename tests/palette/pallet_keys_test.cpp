#include "palette/pallet_keys.h"

#include <gtest/gtest.h>

#include "palette/pallet_cell_text.h"

namespace tintrel {
namespace {

using enum PalletKeyAction;

TEST(PalletKey, MovesTheFocusWithinThePageAndNamesTheOtherKeys) {
    constexpr bool kShift = true;
    constexpr bool kCtrl = true;
    const struct {
        const char* what;
        unsigned key;
        bool shift, control;
        CellPosition focus;
        std::int32_t columns, rows;
        PalletKeyResult expected;
    } cases[] = {
        {"right", kKeyRight, false, false, {1, 2}, 4, 4, {MoveFocus, {2, 2}}},
        {"right stops at the last column", kKeyRight, false, false, {3, 2}, 4, 4, {MoveFocus, {3, 2}}},
        {"left stops at the first column", kKeyLeft, false, false, {0, 2}, 4, 4, {MoveFocus, {0, 2}}},
        {"up", kKeyUp, false, false, {1, 2}, 4, 4, {MoveFocus, {1, 1}}},
        {"up stops at the first row", kKeyUp, false, false, {1, 0}, 4, 4, {MoveFocus, {1, 0}}},
        {"down stops at the last row", kKeyDown, false, false, {1, 3}, 4, 4, {MoveFocus, {1, 3}}},
        {"Home: the row's first cell", kKeyHome, false, false, {2, 1}, 5, 3, {MoveFocus, {0, 1}}},
        {"End: the row's last cell", kKeyEnd, false, false, {2, 1}, 5, 3, {MoveFocus, {4, 1}}},
        {"Ctrl+Home: the first cell", kKeyHome, false, kCtrl, {2, 1}, 5, 3, {MoveFocus, {0, 0}}},
        {"Ctrl+End: the last cell", kKeyEnd, false, kCtrl, {2, 1}, 5, 3, {MoveFocus, {4, 2}}},
        {"one cell: arrows stay", kKeyDown, false, false, {0, 0}, 1, 1, {MoveFocus, {0, 0}}},
        {"a focus left outside a smaller page", kKeyLeft, false, false, {9, 9}, 4, 2, {MoveFocus, {2, 1}}},
        {"Enter takes", kKeyReturn, false, false, {1, 2}, 4, 4, {Take, {1, 2}}},
        {"Space swaps", kKeySpace, false, false, {1, 2}, 4, 4, {Swap, {1, 2}}},
        {"Insert drops", kKeyInsert, false, false, {1, 2}, 4, 4, {Insert, {1, 2}}},
        {"Enter on a focus outside the page", kKeyReturn, false, false, {7, 0}, 4, 4, {Take, {3, 0}}},
        {"Ctrl+C copies", kKeyC, false, kCtrl, {1, 2}, 4, 4, {Copy, {1, 2}}},
        {"C alone", kKeyC, false, false, {1, 2}, 4, 4, {}},
        {"Ctrl+PageUp", kKeyPageUp, false, kCtrl, {1, 2}, 4, 4, {PreviousPage, {1, 2}}},
        {"Ctrl+PageDown", kKeyPageDown, false, kCtrl, {1, 2}, 4, 4, {NextPage, {1, 2}}},
        {"PageDown alone", kKeyPageDown, false, false, {1, 2}, 4, 4, {}},
        {"Ctrl+PageDown without cells", kKeyPageDown, false, kCtrl, {0, 0}, 0, 0, {NextPage, {0, 0}}},
        {"Shift+F10", kKeyF10, kShift, false, {1, 2}, 4, 4, {ContextMenu, {1, 2}}},
        {"the menu key", kKeyApps, false, false, {1, 2}, 4, 4, {ContextMenu, {1, 2}}},
        {"the menu key without cells", kKeyApps, false, false, {0, 0}, 0, 4, {ContextMenu, {0, 0}}},
        {"F10 alone", kKeyF10, false, false, {1, 2}, 4, 4, {}},
        {"Shift+arrow", kKeyRight, kShift, false, {1, 2}, 4, 4, {}},
        {"Ctrl+arrow", kKeyRight, false, kCtrl, {1, 2}, 4, 4, {}},
        {"Enter without cells", kKeyReturn, false, false, {0, 0}, 0, 0, {}},
        {"arrow without rows", kKeyRight, false, false, {0, 0}, 4, 0, {}},
    };
    for (const auto& [what, key, shift, control, focus, columns, rows, expected] : cases) {
        const PalletKeyResult result = PalletKey(key, shift, control, focus, columns, rows);
        EXPECT_EQ(result.Action, expected.Action) << what;
        EXPECT_EQ(result.Cell, expected.Cell) << what << ": " << result.Cell.Column << "," << result.Cell.Row;
    }
}

TEST(CellAccessibleName, GivesRowAndColumnFromOneThenBothColours) {
    // "2行3列 現在の色 1A2B3C 予備の色 000000"
    EXPECT_EQ(CellAccessibleName(2, 1, 0x3C2B1A, 0),
              "2\x8D\x73"
              "3\x97\xF1 \x8C\xBB\x8D\xDD\x82\xCC\x90\x46 1A2B3C \x97\x5C\x94\xF5\x82\xCC\x90\x46 000000");
    EXPECT_EQ(CellAccessibleName(15, 15, 0x7F102030, -1).substr(0, 9),
              "16\x8D\x73"
              "16\x97\xF1 ")
        << "two-digit positions";
}

}  // namespace
}  // namespace tintrel
