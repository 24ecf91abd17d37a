// Where the cells lie in the paint area, which cell a point hits, and what a cell's tool-tip says.
#include "palette/pallet_geometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>

#include "palette/pallet_cell_text.h"

namespace tintrel {

void PrintTo(const PalletRect& rect, std::ostream* out) {
    *out << "(" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom << ")";
}

void PrintTo(const CellPosition& cell, std::ostream* out) {
    *out << "cell " << cell.Column << "," << cell.Row;
}

namespace {

// Whether long double carries the 64-bit mantissa of the 80-bit format (not so with some compilers).
constexpr bool kExtendedPrecision = std::numeric_limits<long double>::digits >= 64;

TEST(CellRect, TakesTheMiddleEightTenthsOfTheSlotInExtendedPrecision) {
    const struct {
        std::int32_t column, row, xCount, yCount, width, height;
        PalletRect expected;
        bool needsExtended;  // double arithmetic, or 0.9 instead of * 9 / 10, gives another pixel
    } cases[] = {
        {0, 0, 4, 4, 184, 68, {4, 1, 41, 15}, false},
        {1, 0, 4, 4, 184, 68, {50, 1, 87, 15}, false},
        {0, 1, 4, 4, 184, 68, {4, 18, 41, 32}, false},
        {3, 3, 4, 4, 184, 68, {142, 52, 179, 66}, false},
        {0, 0, 16, 16, 40, 40, {0, 0, 2, 2}, false},
        {1, 1, 16, 16, 40, 40, {2, 2, 4, 4}, false},
        {15, 0, 16, 1, 192, 78, {181, 7, 190, 70}, false},
        {1, 0, 11, 1, 10, 10, {0, 1, 1, 9}, true},
        {0, 0, 9, 1, 70, 10, {0, 1, 6, 9}, true},
        {0, 0, 1, 9, 10, 50, {1, 0, 9, 4}, true},
        {0, 0, 0, 4, 184, 68, {}, false},
        {0, 0, 4, -1, 184, 68, {}, false},
    };
    for (const auto& [column, row, xCount, yCount, width, height, expected, needsExtended] : cases) {
        if (needsExtended && !kExtendedPrecision) {
            continue;
        }
        EXPECT_EQ(CellRect(column, row, xCount, yCount, width, height), expected)
            << "cell " << column << "," << row << " of " << xCount << "x" << yCount << " in " << width << "x" << height;
    }
    EXPECT_EQ(SpareRect({4, 1, 41, 15}, 2), (PalletRect{6, 3, 43, 17}));
    EXPECT_EQ(SpareRect({6, 2, 62, 23}, 3), (PalletRect{9, 5, 65, 26})) << "at 150 %";
}

TEST(HitTestCell, CountsAllFourEdgesAndGivesSharedPixelsToTheLowerCell) {
    const struct {
        std::int32_t x, y, xCount, yCount, width, height;
        std::optional<CellPosition> expected;
    } cases[] = {
        {41, 5, 4, 4, 184, 68, CellPosition{0, 0}},
        {42, 5, 4, 4, 184, 68, std::nullopt},
        {4, 1, 4, 4, 184, 68, CellPosition{0, 0}},
        {3, 1, 4, 4, 184, 68, std::nullopt},
        {4, 0, 4, 4, 184, 68, std::nullopt},
        {41, 15, 4, 4, 184, 68, CellPosition{0, 0}},
        {41, 16, 4, 4, 184, 68, std::nullopt},
        {179, 66, 4, 4, 184, 68, CellPosition{3, 3}},
        {180, 66, 4, 4, 184, 68, std::nullopt},
        {50, 32, 4, 4, 184, 68, CellPosition{1, 1}},
        {0, 0, 16, 16, 40, 40, CellPosition{0, 0}},
        {2, 2, 16, 16, 40, 40, CellPosition{0, 0}},
        {3, 2, 16, 16, 40, 40, CellPosition{1, 0}},
        {4, 4, 16, 16, 40, 40, CellPosition{1, 1}},
        {39, 39, 16, 16, 40, 40, CellPosition{15, 15}},
        {-1, 5, 4, 4, 184, 68, std::nullopt},
        {41, 5, 0, 4, 184, 68, std::nullopt},
        {41, 5, 4, 4, 0, 0, std::nullopt},
    };
    for (const auto& [x, y, xCount, yCount, width, height, expected] : cases) {
        EXPECT_EQ(HitTestCell(x, y, xCount, yCount, width, height), expected)
            << "point " << x << "," << y << " with " << xCount << "x" << yCount << " cells in " << width << "x"
            << height;
    }
}

TEST(CellHintText, NamesBothColoursInUpperCaseHexOfTheLowThreeBytesAndTheirContrast) {
    // "現在の色：", "予備の色：" and "コントラスト比："
    const std::string current = "\x8C\xBB\x8D\xDD\x82\xCC\x90\x46\x81\x46";
    const std::string spare = "\x97\x5C\x94\xF5\x82\xCC\x90\x46\x81\x46";
    const std::string contrast = "\x83\x52\x83\x93\x83\x67\x83\x89\x83\x58\x83\x67\x94\xE4\x81\x46";
    const struct {
        std::int32_t current, spare;
        const char* currentHex;
        const char* spareHex;
    } cases[] = {
        {0x3C2B1A, 0, "1A2B3C", "000000"},
        {0x0000FF, 0xFF0000, "FF0000", "0000FF"},
        {0xFFFFFF, 0xABCDEF, "FFFFFF", "EFCDAB"},
        {0x7F102030, -1, "302010", "FFFFFF"},
        {std::numeric_limits<std::int32_t>::lowest(), -16777216, "000000", "000000"},
    };
    for (const auto& [currentColor, spareColor, currentHex, spareHex] : cases) {
        EXPECT_EQ(CellHintText(currentColor, spareColor, "4,54"),
                  current + currentHex + "\r\n" + spare + spareHex + "\r\n" + contrast + "4,54:1")
            << "current " << currentColor << ", spare " << spareColor;
    }
}

}  // namespace
}  // namespace tintrel
