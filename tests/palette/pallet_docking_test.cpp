// The main window's sizing rules: which borders resize it, and which size changes it takes.
#include "palette/pallet_docking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace tintrel {

void PrintTo(const ResizeDecision& decision, std::ostream* out) {
    *out << (decision.Allow ? "allow" : "refuse") << " at height " << decision.Height;
}

void PrintTo(const PixelSize& size, std::ostream* out) {
    *out << size.Width << " by " << size.Height;
}

namespace {

TEST(FormHitTest, OnlyTheBottomBorderSizesAndOnlyWhileDockedAndShown) {
    constexpr std::int32_t kCaption = 2;
    constexpr std::int32_t kClose = 20;
    constexpr std::int32_t kNowhere = 0;
    constexpr std::int32_t kError = -2;
    const struct {
        std::int32_t code;
        std::int32_t docked;    // result while the palette is docked and shown
        std::int32_t elsewise;  // result while it is hidden or floating
    } cases[] = {
        {kHitLeft, kHitClient, kHitClient},
        {kHitRight, kHitClient, kHitClient},
        {kHitTop, kHitClient, kHitClient},
        {kHitTopLeft, kHitClient, kHitClient},
        {kHitTopRight, kHitClient, kHitClient},
        {kHitBottomLeft, kHitClient, kHitClient},
        {kHitBottomRight, kHitClient, kHitClient},
        {kHitBottom, kHitBottom, kHitClient},
        {kHitClient, kHitClient, kHitClient},
        {kCaption, kCaption, kCaption},
        {kClose, kClose, kClose},
        {kNowhere, kNowhere, kNowhere},
        {kError, kError, kError},
    };
    for (const auto& [code, docked, elsewise] : cases) {
        EXPECT_EQ(FormHitTest(code, true), docked) << "code " << code << ", docked and shown";
        EXPECT_EQ(FormHitTest(code, false), elsewise) << "code " << code << ", hidden or floating";
    }
}

TEST(FormCanResize, RefusesUnlessDockedOrTheProgramAsksAndKeeps270WhileDocked) {
    const struct {
        std::int32_t height;
        bool shownAndDocked;
        bool resizeAllowed;
        ResizeDecision expected;
    } cases[] = {
        {300, true, false, {true, 300}}, {270, true, false, {true, 270}}, {269, true, false, {true, 270}},
        {-5, true, false, {true, 270}},  {100, true, true, {true, 270}},  {209, false, false, {false, 209}},
        {209, false, true, {true, 209}}, {600, false, true, {true, 600}},
    };
    for (const auto& [height, shownAndDocked, resizeAllowed, expected] : cases) {
        EXPECT_EQ(FormCanResize(height, shownAndDocked, resizeAllowed), expected)
            << "height " << height << (shownAndDocked ? ", docked and shown" : ", hidden or floating")
            << (resizeAllowed ? ", program's own change" : "");
    }
    EXPECT_EQ(FormCanResize(300, true, false, 330), (ResizeDecision{true, 330})) << "cells that need more";
    EXPECT_EQ(FormCanResize(300, false, true, 330), (ResizeDecision{true, 300})) << "only while docked";
}

// The docked cells keep 8 pixels a row whatever the tab rows above them and the rows of the grid.
TEST(LowestDockedOuterHeight, GivesEveryRowOfCellsEightPixels) {
    const struct {
        const char* name;
        std::int32_t outer, cells, rows;
        std::int32_t expected;
    } cases[] = {
        {"four pages, four rows: the fixed lowest", 300, 68, 4, kMinDockedOuterHeight},
        {"eight pages on two tab rows, four rows", 300, 48, 4, 284},
        {"one tab row, eight rows", 300, 68, 8, 296},
        {"eight pages on two tab rows, eight rows", 300, 48, 8, 316},
        {"two tab rows, sixteen rows, dragged short", 270, 18, 16, 380},
        {"sixteen rows, taller than needed", 600, 368, 16, 360},
        {"the cells squeezed to nothing", 200, 0, 16, 328},
        {"a negative cell area", 200, -20, 16, 328},
        {"no rows", 300, 68, 0, kMinDockedOuterHeight},
        {"the largest height", INT32_MAX, 0, 16, INT32_MAX},
        {"the lowest height", INT32_MIN, 0, 16, kMinDockedOuterHeight},
    };
    for (const auto& [name, outer, cells, rows, expected] : cases) {
        EXPECT_EQ(LowestDockedOuterHeight(outer, cells, rows), expected) << name;
    }
    // At 150 %: 12 pixels a row and at least 405 pixels, the caller's own.
    EXPECT_EQ(LowestDockedOuterHeight(450, 102, 4, 12, 405), 405);
    EXPECT_EQ(LowestDockedOuterHeight(450, 72, 8, 12, 405), 474);
}

// Hand-edited extremes give a window that shows the cells and fits the screen, never an overflow.
TEST(PalletSizes, ComputeInSixtyFourBitsAndKeepAUsableSize) {
    constexpr PixelSize kLowest{40, 60};
    constexpr PixelSize kScreen{1920, 1040};
    const struct {
        const char* name;
        std::int32_t left, top, right, bottom;
        PixelSize expected;
    } cases[] = {
        {"the default", 200, 370, 400, 470, {200, 100}},
        {"the whole range", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, kScreen},
        {"right below left", 300, 300, 100, 100, kLowest},
        {"from the highest to the lowest", INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, kLowest},
        {"too small to show the cells", 0, 0, 10, 10, kLowest},
        {"exactly the lowest", 0, 0, 40, 60, kLowest},
    };
    for (const auto& [name, left, top, right, bottom, expected] : cases) {
        EXPECT_EQ(FloatClientSize(left, top, right, bottom, kLowest, kScreen), expected) << name;
    }
    EXPECT_EQ(FloatClientSize(0, 0, 500, 500, {300, 300}, {200, 200}), (PixelSize{300, 300})) << "lowest wins";
    EXPECT_EQ(OuterHeightFor(270, 30, 1040), 300);
    EXPECT_EQ(OuterHeightFor(INT32_MAX, 30, 1040), 1040);
    EXPECT_EQ(OuterHeightFor(INT32_MIN, 30, 1040), 0);
    EXPECT_EQ(MissingCellHeight(68, 4), 0);
    EXPECT_EQ(MissingCellHeight(32, 4), 0);
    EXPECT_EQ(MissingCellHeight(30, 4), 2);
    EXPECT_EQ(MissingCellHeight(-5, 16), 133);
    EXPECT_EQ(MissingCellHeight(45, 4, 12), 3) << "12 pixels a row at 150 %";
}

}  // namespace
}  // namespace tintrel
