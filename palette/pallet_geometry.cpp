#include "palette/pallet_geometry.h"

#include <cmath>   // std::trunc
#include <limits>  // std::numeric_limits

namespace tintrel {
namespace {

std::int32_t TruncToPixel(long double value) {
    constexpr auto kLowest = static_cast<long double>(std::numeric_limits<std::int32_t>::lowest());
    constexpr auto kHighest = static_cast<long double>(std::numeric_limits<std::int32_t>::max());
    const long double truncated = std::trunc(value);
    if (!(truncated > kLowest)) {
        return std::numeric_limits<std::int32_t>::lowest();
    }
    return truncated < kHighest ? static_cast<std::int32_t>(truncated) : std::numeric_limits<std::int32_t>::max();
}

// One axis of a cell: from a tenth into its slot to nine tenths. The slot size is held as a double,
// the rest is worked in extended precision, and the nine tenths are taken as size * 9 / 10, so that
// edges that fall a hair below a whole pixel stay on the lower pixel.
void SlotSpan(std::int32_t index, std::int32_t count, std::int32_t length, std::int32_t& start, std::int32_t& end) {
    const double slot = static_cast<double>(static_cast<long double>(length) / count);
    const long double offset = static_cast<long double>(index) * slot;
    start = TruncToPixel(offset + static_cast<long double>(slot) / 10);
    end = TruncToPixel(offset + static_cast<long double>(slot) * 9 / 10);
}

}  // namespace

PalletRect CellRect(std::int32_t column,
                    std::int32_t row,
                    std::int32_t xCount,
                    std::int32_t yCount,
                    std::int32_t width,
                    std::int32_t height) {
    if (xCount < 1 || yCount < 1) {
        return {};
    }
    PalletRect rect;
    SlotSpan(column, xCount, width, rect.Left, rect.Right);
    SlotSpan(row, yCount, height, rect.Top, rect.Bottom);
    return rect;
}

PalletRect SpareRect(const PalletRect& cell, std::int32_t offset) {
    return {cell.Left + offset, cell.Top + offset, cell.Right + offset, cell.Bottom + offset};
}

std::optional<CellPosition> HitTestCell(std::int32_t x,
                                        std::int32_t y,
                                        std::int32_t xCount,
                                        std::int32_t yCount,
                                        std::int32_t width,
                                        std::int32_t height) {
    for (std::int32_t column = 0; column < xCount; ++column) {
        for (std::int32_t row = 0; row < yCount; ++row) {
            const PalletRect cell = CellRect(column, row, xCount, yCount, width, height);
            if (cell.Left <= x && x <= cell.Right && cell.Top <= y && y <= cell.Bottom) {
                return CellPosition{column, row};
            }
        }
    }
    return std::nullopt;
}

}  // namespace tintrel
