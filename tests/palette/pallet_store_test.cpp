#include "palette/pallet_store.h"

#include <gtest/gtest.h>

#include <algorithm>  // std::min
#include <array>
#include <limits>
#include <ostream>
#include <vector>

namespace tintrel {

void PrintTo(const CellColors& cell, std::ostream* out) {
    *out << "{current " << cell.Current << ", spare " << cell.Spare << "}";
}

namespace {

using Sizes = std::array<std::int32_t, 3>;

// A colour pair that tells every cell apart.
CellColors Marked(std::int32_t column, std::int32_t row, std::int32_t page) {
    const std::int32_t mark = (column + 1) * 10000 + (row + 1) * 100 + page + 1;
    return {mark, -mark};
}

void Fill(PalletStore& store) {
    for (std::int32_t column = 0; column < store.XCount(); ++column) {
        for (std::int32_t row = 0; row < store.YCount(); ++row) {
            for (std::int32_t page = 0; page < store.ZCount(); ++page) {
                const CellColors mark = Marked(column, row, page);
                store.SetCurrent(column, row, page, mark.Spare);
                store.DropColor(column, row, page, mark.Current);
            }
        }
    }
}

std::string Describe(const std::vector<Sizes>& steps) {
    std::string text;
    for (const auto& [x, y, z] : steps) {
        text += (text.empty() ? "" : " -> ") + std::to_string(x) + "x" + std::to_string(y) + "x" + std::to_string(z);
    }
    return text;
}

TEST(PalletStore, ResizingKeepsExactlyTheCellsBelowEverySizeOnTheWay) {
    // The first sizes are filled with distinct colours, then the later ones are applied in turn.
    const std::vector<std::vector<Sizes>> cases = {
        {{4, 4, 4}, {5, 4, 4}},
        {{8, 4, 4}, {4, 4, 4}, {8, 4, 4}},
        {{4, 4, 4}, {4, 4, 3}},
        {{4, 4, 4}, {4, 4, 4}},
        {{3, 5, 2}, {5, 3, 4}},
        {{16, 16, 8}, {1, 1, 1}, {16, 16, 8}},
        {{4, 4, 4}, {4, 0, 4}, {4, 4, 4}},
        {{4, 4, 4}, {-1, 4, 4}},
    };
    for (const auto& steps : cases) {
        PalletStore store;
        store.SetPalletSize(steps[0][0], steps[0][1], steps[0][2]);
        Fill(store);
        store.SetPalletModified(true);
        Sizes kept = steps[0];
        for (const auto& [x, y, z] : steps) {
            store.SetPalletSize(x, y, z);
            kept = {std::min(kept[0], x), std::min(kept[1], y), std::min(kept[2], z)};
        }
        const Sizes& last = steps.back();
        const Sizes expectedSizes = {std::max(last[0], 0), std::max(last[1], 0), std::max(last[2], 0)};
        EXPECT_EQ((Sizes{store.XCount(), store.YCount(), store.ZCount()}), expectedSizes) << Describe(steps);
        EXPECT_TRUE(store.PalletModified()) << Describe(steps);
        int wrong = 0;
        for (std::int32_t column = 0; column < store.XCount(); ++column) {
            for (std::int32_t row = 0; row < store.YCount(); ++row) {
                for (std::int32_t page = 0; page < store.ZCount(); ++page) {
                    const bool keeps = column < kept[0] && row < kept[1] && page < kept[2];
                    const CellColors expected = keeps ? Marked(column, row, page) : CellColors{};
                    const auto actual = store.Cell(column, row, page);
                    if (actual != expected && ++wrong <= 3) {
                        ADD_FAILURE() << Describe(steps) << ": cell " << column << "," << row << "," << page
                                      << " expected " << ::testing::PrintToString(expected) << ", actual "
                                      << ::testing::PrintToString(actual);
                    }
                }
            }
        }
    }
}

TEST(PalletStore, DropsAndSwapsFollowTheSpareRuleAndMarkTheChange) {
    enum class Action { Drop, Swap };
    const struct {
        Action action;
        std::int32_t color;  // the dropped colour
        CellColors after;
    } steps[] = {
        {Action::Drop, 0x0000FF, {0x0000FF, 0}},
        {Action::Drop, 0x00FF00, {0x00FF00, 0x0000FF}},
        {Action::Drop, 0x00FF00, {0x00FF00, 0x0000FF}},  // the same colour again keeps the spare
        {Action::Swap, 0, {0x0000FF, 0x00FF00}},
        {Action::Swap, 0, {0x00FF00, 0x0000FF}},
        {Action::Drop, 0, {0, 0x00FF00}},
    };
    PalletStore store;
    store.SetPalletSize(2, 2, 2);
    int index = 0;
    for (const auto& [action, color, after] : steps) {
        store.SetPalletModified(false);
        const bool done = action == Action::Drop ? store.DropColor(1, 1, 1, color) : store.SwapCell(1, 1, 1);
        EXPECT_TRUE(done) << "step " << index;
        EXPECT_EQ(store.Cell(1, 1, 1), after) << "step " << index;
        EXPECT_TRUE(store.PalletModified()) << "step " << index;
        ++index;
    }
    EXPECT_EQ(store.Cell(1, 1, 0), CellColors{}) << "the same cell on another page";
    EXPECT_EQ(store.Cell(0, 1, 1), CellColors{}) << "another cell on the same page";
}

TEST(PalletStore, AddressesOutsideTheArraysReachNothing) {
    constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::lowest();
    const Sizes cases[] = {{-1, 0, 0}, {4, 0, 0}, {0, 3, 0}, {0, 0, 2}, {kLowest, kLowest, kLowest}, {0, -1, 1}};
    PalletStore store;
    EXPECT_EQ(store.Cell(0, 0, 0), std::nullopt) << "before the first resize";
    store.SetPalletSize(4, 3, 2);
    for (const auto& [column, row, page] : cases) {
        EXPECT_EQ(store.Cell(column, row, page), std::nullopt) << column << "," << row << "," << page;
        EXPECT_FALSE(store.SetCurrent(column, row, page, 1)) << column << "," << row << "," << page;
        EXPECT_FALSE(store.DropColor(column, row, page, 1)) << column << "," << row << "," << page;
        EXPECT_FALSE(store.SwapCell(column, row, page)) << column << "," << row << "," << page;
    }
    EXPECT_FALSE(store.PalletModified());
    EXPECT_EQ(store.Cell(3, 2, 1), CellColors{}) << "the last cell";
}

}  // namespace
}  // namespace tintrel
