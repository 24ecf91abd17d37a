#include "color/color_state.h"

#include <cmath>
#include <cstdint>
#include <limits>

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

TEST(SetColor, GivesAGreyNoColourAndTheRestOfBlack) {
    for (int byte = 0; byte <= 255; ++byte) {
        ColorState state;
        SetColor(state, byte * 0x010101);
        EXPECT_EQ(state.CurC, 0.0) << "grey " << byte;
        EXPECT_EQ(state.CurM, 0.0) << "grey " << byte;
        EXPECT_EQ(state.CurY, 0.0) << "grey " << byte;
        EXPECT_NEAR(state.CurK, 255 - byte, 1e-9) << "grey " << byte;
    }
}

TEST(SetColor, TakesTheComponentsOfANegativeValueFromItsLowBytes) {
    ColorState state;
    SetColor(state, static_cast<ColorRef>(0x803C2B1Au));
    EXPECT_EQ(state.CurColor, static_cast<ColorRef>(0x803C2B1Au));
    EXPECT_EQ(state.CurR, 26);
    EXPECT_EQ(state.CurG, 43);
    EXPECT_EQ(state.CurB, 60);
    EXPECT_NEAR(state.CurK, 195, 1e-9);

    SetColor(state, -1);
    EXPECT_EQ(state.CurR, 255);
    EXPECT_EQ(state.CurB, 255);
    EXPECT_NEAR(state.CurK, 0, 1e-9);
}

TEST(ClearColor, ForgetsTheColourButKeepsItsComponents) {
    ColorState state;
    SetColor(state, 0x003C2B1A);
    ClearColor(state);
    EXPECT_FALSE(state.HasColor);
    EXPECT_EQ(state.CurColor, 0);
    EXPECT_EQ(state.CurR, 26);
    EXPECT_EQ(state.CurG, 43);
    EXPECT_EQ(state.CurB, 60);
    EXPECT_NEAR(state.CurC, 34, 1e-9);
    EXPECT_NEAR(state.CurK, 195, 1e-9);
}

TEST(RoundHalfAway, RoundsHalvesAwayFromZeroWithoutAdditionError) {
    EXPECT_EQ(RoundHalfAway(std::nextafter(0.5, 0.0)), 0);
    EXPECT_EQ(RoundHalfAway(0.5), 1);
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-0.5), -1);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(std::nextafter(-0.5, 0.0)), 0);
    EXPECT_EQ(RoundHalfAway(254.49999999999997), 254);
    EXPECT_EQ(RoundHalfAway(2147483646.5), 2147483647);
}

TEST(RoundHalfAway, ClampsToThe32BitRangeAndTakesNanAsZero) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(RoundHalfAway(2147483647.5), kMax);
    EXPECT_EQ(RoundHalfAway(1e300), kMax);
    EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(RoundHalfAway(-2147483648.5), kMin);
    EXPECT_EQ(RoundHalfAway(-std::numeric_limits<double>::infinity()), kMin);
    EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace tintrel
