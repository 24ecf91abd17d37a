// Design units of 96 DPI turned into whole pixels at the DPIs of the usual scalings and between them.
#include "ui/design_units.h"

#include <array>
#include <ostream>

#include <gtest/gtest.h>

namespace tintrel {

void PrintTo(const UnitRect& rect, std::ostream* out) {
    *out << "(" << rect.Left << "," << rect.Top << ")-(" << rect.Right << "," << rect.Bottom << ")";
}

namespace {

constexpr std::array<int, 6> kDpis{96, 120, 144, 168, 192, 288};

TEST(DesignUnits, SizesAreRoundedOnceToWholePixelsAtEveryScaling) {
    struct Row {
        int Design;
        std::array<int, kDpis.size()> Pixels;  // at 96, 120, 144, 168, 192 and 288 DPI
    };
    const Row rows[] = {
        {0, {0, 0, 0, 0, 0, 0}},
        {1, {1, 1, 2, 2, 2, 3}},  // a frame line: 1.25 and 1.75 pixels round to the nearest
        {12, {12, 15, 18, 21, 24, 36}},
        {-12, {-12, -15, -18, -21, -24, -36}},  // a font height, negative, rounded the same way
        {41, {41, 51, 62, 72, 82, 123}},
        {170, {170, 213, 255, 298, 340, 510}},  // halves round up
        {-3, {-3, -4, -5, -5, -6, -9}},         // halves away from zero below it
        {1000000, {1000000, 1250000, 1500000, 1750000, 2000000, 3000000}},
    };
    for (const Row& row : rows) {
        for (std::size_t index = 0; index < kDpis.size(); ++index) {
            EXPECT_EQ(DesignToPixels(row.Design, kDpis[index]), row.Pixels[index])
                << row.Design << " design units at " << kDpis[index] << " DPI";
        }
    }
    EXPECT_EQ(DesignToPixels(170, 0), 170) << "an unknown DPI counts as 96";
}

TEST(DesignUnits, StoredSizesComeBackAsTheyWereAtEveryScaling) {
    for (const int dpi : kDpis) {
        for (int design = -300; design <= 1200; ++design) {
            ASSERT_EQ(PixelsToDesign(DesignToPixels(design, dpi), dpi), design) << design << " at " << dpi << " DPI";
        }
    }
    // A height the user dragged to, which no whole number of units gives at 150 %, is the nearest: 406
    // pixels are 270.67 units.
    EXPECT_EQ(PixelsToDesign(406, 144), 271);
}

TEST(DesignUnits, RectanglesThatMeetOrNestKeepDoingSoWithoutClipping) {
    // Two readout fields side by side with a gap of 7, a field inside its panel, and a panel below another.
    const UnitRect left{4, 124, 45, 144};
    const UnitRect right{52, 124, 93, 144};
    const UnitRect upper{0, 0, 192, 170};
    const UnitRect lower{0, 170, 192, 248};
    for (const int dpi : kDpis) {
        SCOPED_TRACE(testing::Message() << dpi << " DPI");
        const UnitRect a = DesignToPixels(left, dpi);
        const UnitRect b = DesignToPixels(right, dpi);
        const UnitRect outer = DesignToPixels(upper, dpi);
        EXPECT_GE(b.Left - a.Right, 7) << testing::PrintToString(a) << " " << testing::PrintToString(b);
        EXPECT_TRUE(a.Left > outer.Left && a.Bottom < outer.Bottom && b.Right < outer.Right);
        EXPECT_EQ(DesignToPixels(lower, dpi).Top, outer.Bottom) << "no gap nor overlap";
    }
}

TEST(DesignUnits, PicturesComeInTheNearestOfThreeSizes) {
    const int cases[][2] = {{96, 100},  {0, 100},   {72, 100},  {110, 100}, {120, 150}, {144, 150},
                            {160, 150}, {168, 200}, {192, 200}, {288, 200}, {480, 200}};
    for (const auto& [dpi, percent] : cases) {
        EXPECT_EQ(PictureScalePercent(dpi), percent) << dpi << " DPI";
    }
}

}  // namespace
}  // namespace tintrel
