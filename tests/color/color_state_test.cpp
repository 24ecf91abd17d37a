#include "color/color_state.h"

#include <cfloat>
#include <cmath>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

struct WorkedColor {
    ColorRef color;
    int r, g, b;
    int c, m, y, k;
};

class SetColorWorked : public testing::TestWithParam<WorkedColor> {};

TEST_P(SetColorWorked, DerivesBytesAndCmyk) {
    const WorkedColor& w = GetParam();
    ColorState state;
    SetColor(state, w.color);
    EXPECT_TRUE(state.HasColor);
    EXPECT_EQ(state.CurColor, w.color);
    EXPECT_EQ(state.CurR, w.r);
    EXPECT_EQ(state.CurG, w.g);
    EXPECT_EQ(state.CurB, w.b);
    EXPECT_NEAR(state.CurC, w.c, 1e-9);
    EXPECT_NEAR(state.CurM, w.m, 1e-9);
    EXPECT_NEAR(state.CurY, w.y, 1e-9);
    EXPECT_NEAR(state.CurK, w.k, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(WorkedResults,
                         SetColorWorked,
                         testing::Values(WorkedColor{0x003C2B1A, 26, 43, 60, 34, 17, 0, 195},
                                         WorkedColor{0x00000000, 0, 0, 0, 0, 0, 0, 255},
                                         WorkedColor{0x00FFFFFF, 255, 255, 255, 0, 0, 0, 0},
                                         WorkedColor{0x000000FF, 255, 0, 0, 0, 255, 255, 0},
                                         WorkedColor{0x00808080, 128, 128, 128, 0, 0, 0, 127},
                                         WorkedColor{0x00123456, 86, 52, 18, 0, 34, 68, 169},
                                         // Bits 24 to 30 are kept in CurColor but take no part in the colour.
                                         WorkedColor{0x013C2B1A, 26, 43, 60, 34, 17, 0, 195}));

TEST(RoundHalfAway, RoundsHalvesAwayFromZeroWithoutAdditionError) {
    EXPECT_EQ(RoundHalfAway(std::nextafter(0.5, 0.0)), 0);
    EXPECT_EQ(RoundHalfAway(0.5), 1);
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-0.5), -1);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
}

}  // namespace
}  // namespace tintrel
