#pragma once

#include <cstdint>
#include <optional>

#include "palette/pallet_geometry.h"

namespace tintrel {

// Virtual-key codes of the keys the palette takes (the values of VK_RETURN ... VK_APPS).
inline constexpr unsigned kKeyReturn = 0x0D;
inline constexpr unsigned kKeySpace = 0x20;
inline constexpr unsigned kKeyPageUp = 0x21;
inline constexpr unsigned kKeyPageDown = 0x22;
inline constexpr unsigned kKeyEnd = 0x23;
inline constexpr unsigned kKeyHome = 0x24;
inline constexpr unsigned kKeyLeft = 0x25;
inline constexpr unsigned kKeyUp = 0x26;
inline constexpr unsigned kKeyRight = 0x27;
inline constexpr unsigned kKeyDown = 0x28;
inline constexpr unsigned kKeyInsert = 0x2D;
inline constexpr unsigned kKeyDel = 0x2E;
inline constexpr unsigned kKeyC = 0x43;
inline constexpr unsigned kKeyApps = 0x5D;
inline constexpr unsigned kKeyF10 = 0x79;

// What a key pressed on the palette's focused surface does.
enum class PalletKeyAction {
    None,       // not a palette key: left to the window
    MoveFocus,  // the focus goes to `Cell`
    PreviousPage,
    NextPage,
    Take,    // the focused cell's colour becomes current, as a left click
    Swap,    // the focused cell's two colours change places, as a right click
    Insert,  // the current colour goes into the focused cell, as a drop
    ContextMenu,
    Copy,    // the focused cell's colour goes to the clipboard through the current template
    Remove,  // the focused cell's colour leaves the pick history (on its page only)
};

struct PalletKeyResult {
    PalletKeyAction Action = PalletKeyAction::None;
    CellPosition Cell;  // the cell the action is for

    bool operator==(const PalletKeyResult&) const = default;
};

// The effect of `key` with the modifiers held, on a page of `columns` by `rows` cells whose focused
// cell is `focus`. Arrows move one cell and stop at the page's edges; Home and End go to the ends of
// the row, Ctrl+Home and Ctrl+End to the first and last cell; Ctrl+PageUp and Ctrl+PageDown change
// the page. A focus outside the page is taken as the nearest cell on it; without cells only the page
// keys and the menu keys act.
PalletKeyResult PalletKey(unsigned key,
                          bool shift,
                          bool control,
                          CellPosition focus,
                          std::int32_t columns,
                          std::int32_t rows);

// `focus` moved onto a page of `columns` by `rows` cells (its nearest cell); nullopt without cells.
std::optional<CellPosition> ClampFocus(CellPosition focus, std::int32_t columns, std::int32_t rows);

}  // namespace tintrel
