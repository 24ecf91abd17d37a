#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "palette/pick_history.h"

namespace tintrel {

// The sizes that the settings dialog accepts and the palette file keeps.
inline constexpr std::int32_t kMaxPalletColumns = 16;
inline constexpr std::int32_t kMaxPalletRows = 16;
inline constexpr std::int32_t kMaxPalletPages = 8;

// The two colours of one cell, each a colour value laid out 0x00BBGGRR and held signed as the palette
// file stores it.
struct CellColors {
    std::int32_t Current = 0;
    std::int32_t Spare = 0;  // the colour the cell held before its current one

    bool operator==(const CellColors&) const = default;
};

// The palette's cells: XCount columns by YCount rows on each of ZCount pages, every cell with a
// current and a spare colour, all 0 (black) until something is stored. Cells are addressed by
// position [column][row][page]; an address outside the arrays reads as nothing and writes nothing.
class PalletStore {
public:
    // The sizes are 0 until the first SetPalletSize.
    std::int32_t XCount() const { return xCount_; }
    std::int32_t YCount() const { return yCount_; }
    std::int32_t ZCount() const { return zCount_; }

    // Resizes both arrays. A cell keeps its colours when its column, row and page lie below both the
    // old and the new sizes; every other cell of the new shape is 0. The sizes are not checked against
    // the palette's limits (the callers keep to them); a negative size counts as 0. PalletModified
    // stays as it is. The pick history holds as many colours as a page has cells.
    void SetPalletSize(std::int32_t columns, std::int32_t rows, std::int32_t pages);

    // The cell's colours; nullopt outside the arrays.
    std::optional<CellColors> Cell(std::int32_t column, std::int32_t row, std::int32_t page) const;

    // Sets the current colour as loaded, leaving the spare colour and PalletModified. False, changing
    // nothing, outside the arrays.
    bool SetCurrent(std::int32_t column, std::int32_t row, std::int32_t page, std::int32_t color);

    // A colour dropped on the cell: the old current colour becomes the spare one unless it equals
    // `color`, `color` becomes current, and PalletModified is set even when nothing changed. False,
    // changing nothing, outside the arrays.
    bool DropColor(std::int32_t column, std::int32_t row, std::int32_t page, std::int32_t color);

    // Gives the cell both colours, as an import does, and sets PalletModified. The cell's page becomes
    // one that an import filled (see PageFilled). False, changing nothing, outside the arrays.
    bool SetCell(std::int32_t column, std::int32_t row, std::int32_t page, CellColors colors);

    // True for a page whose cells an import set in this run: the palette file must then hold every one of
    // them, black ones included, or colours the page held before would come back at the next start. A
    // resize keeps the mark of the pages it keeps.
    bool PageFilled(std::int32_t page) const;

    // Exchanges the current and spare colours and sets PalletModified. False, changing nothing,
    // outside the arrays.
    bool SwapCell(std::int32_t column, std::int32_t row, std::int32_t page);

    // True when a drop or swap happened since it was last cleared.
    bool PalletModified() const { return modified_; }
    void SetPalletModified(bool modified) { modified_ = modified; }

    // The colours picked off the screen, shown as a page after the user's pages but not one of them.
    PickHistory& History() { return history_; }
    const PickHistory& History() const { return history_; }

private:
    // [column][row][page], so that a resize keeps exactly the cells that the rule above keeps.
    using Grid = std::vector<std::vector<std::vector<CellColors>>>;

    bool Contains(std::int32_t column, std::int32_t row, std::int32_t page) const;
    // The cell, or nullptr outside the arrays.
    CellColors* Find(std::int32_t column, std::int32_t row, std::int32_t page);

    std::int32_t xCount_ = 0;
    std::int32_t yCount_ = 0;
    std::int32_t zCount_ = 0;
    Grid cells_;
    std::vector<bool> filledPages_;
    bool modified_ = false;
    PickHistory history_;
};

}  // namespace tintrel
