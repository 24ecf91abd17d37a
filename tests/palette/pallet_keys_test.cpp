#include "palette/pallet_keys.h"

#include <gtest/gtest.h>

#include "palette/pallet_cell_text.h"

namespace tintrel {
namespace {

using enum PalletKeyAction;

// The modifiers held: none, Shift or Ctrl.
enum Held { kNone, kShift, kCtrl };

// The plain moves and actions are pressed for real in the window tests; these are the edges.
TEST(PalletKey, MovesTheFocusWithinThePageAndNamesTheOtherKeys) {
    const struct {
        const char* what;
        unsigned key;
        Held held;
        CellPosition focus;
        std::int32_t columns, rows;
        PalletKeyResult expected;
    } cases[] = {
        {"right stops at the last column", kKeyRight, kNone, {3, 2}, 4, 4, {MoveFocus, {3, 2}}},
        {"up", kKeyUp, kNone, {1, 2}, 4, 4, {MoveFocus, {1, 1}}},
        {"up stops at the first row", kKeyUp, kNone, {1, 0}, 4, 4, {MoveFocus, {1, 0}}},
        {"down stops at the last row", kKeyDown, kNone, {1, 3}, 4, 4, {MoveFocus, {1, 3}}},
        {"End: the row's last cell", kKeyEnd, kNone, {2, 1}, 5, 3, {MoveFocus, {4, 1}}},
        {"Ctrl+End: the last cell", kKeyEnd, kCtrl, {2, 1}, 5, 3, {MoveFocus, {4, 2}}},
        {"a focus left outside a smaller page", kKeyLeft, kNone, {9, 9}, 4, 2, {MoveFocus, {2, 1}}},
        {"Enter takes", kKeyReturn, kNone, {1, 2}, 4, 4, {Take, {1, 2}}},
        {"Enter on a focus outside the page", kKeyReturn, kNone, {7, 0}, 4, 4, {Take, {3, 0}}},
        {"Ctrl+C copies", kKeyC, kCtrl, {1, 2}, 4, 4, {Copy, {1, 2}}},
        {"Delete removes from the history", kKeyDel, kNone, {7, 0}, 4, 4, {Remove, {3, 0}}},
        {"Ctrl+Delete", kKeyDel, kCtrl, {1, 2}, 4, 4, {}},
        {"C alone", kKeyC, kNone, {1, 2}, 4, 4, {}},
        {"Ctrl+PageDown", kKeyPageDown, kCtrl, {1, 2}, 4, 4, {NextPage, {1, 2}}},
        {"PageDown alone", kKeyPageDown, kNone, {1, 2}, 4, 4, {}},
        {"Ctrl+PageDown without cells", kKeyPageDown, kCtrl, {0, 0}, 0, 0, {NextPage, {0, 0}}},
        {"Shift+F10", kKeyF10, kShift, {1, 2}, 4, 4, {ContextMenu, {1, 2}}},
        {"the menu key without cells", kKeyApps, kNone, {0, 0}, 0, 4, {ContextMenu, {0, 0}}},
        {"F10 alone", kKeyF10, kNone, {1, 2}, 4, 4, {}},
        {"Shift+arrow", kKeyRight, kShift, {1, 2}, 4, 4, {}},
        {"Ctrl+arrow", kKeyRight, kCtrl, {1, 2}, 4, 4, {}},
        {"Enter without cells", kKeyReturn, kNone, {0, 0}, 0, 0, {}},
        {"arrow without rows", kKeyRight, kNone, {0, 0}, 4, 0, {}},
    };
    for (const auto& [what, key, held, focus, columns, rows, expected] : cases) {
        const PalletKeyResult result = PalletKey(key, held == kShift, held == kCtrl, focus, columns, rows);
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
