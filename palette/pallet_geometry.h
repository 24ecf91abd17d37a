#pragma once

#include <cstdint>
#include <optional>

namespace tintrel {

// A rectangle in the coordinates of the palette's paint area. Painted half-open (Right and Bottom
// excluded); hit-tested closed (all four edges count).
struct PalletRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    bool operator==(const PalletRect&) const = default;
};

struct CellPosition {
    std::int32_t Column = 0;
    std::int32_t Row = 0;

    bool operator==(const CellPosition&) const = default;
};

// The square of a cell's current colour in a paint area of `width` by `height` pixels divided into
// `xCount` by `yCount` slots: the middle eight tenths of the cell's slot. An empty rectangle when a
// count is below 1.
PalletRect CellRect(std::int32_t column,
                    std::int32_t row,
                    std::int32_t xCount,
                    std::int32_t yCount,
                    std::int32_t width,
                    std::int32_t height);

// The square of the cell's spare colour, which shows `offset` pixels (2 design units) to the right of
// and below `cell`.
PalletRect SpareRect(const PalletRect& cell, std::int32_t offset);

// The cell whose closed rectangle holds the point; where two rectangles share a pixel (slots under 5
// pixels), the lower column wins, then the lower row. nullopt in margins and gaps, and when a count
// is below 1.
std::optional<CellPosition> HitTestCell(std::int32_t x,
                                        std::int32_t y,
                                        std::int32_t xCount,
                                        std::int32_t yCount,
                                        std::int32_t width,
                                        std::int32_t height);

}  // namespace tintrel
