// The magnifier's zoom steps and how the 132 by 68 bitmap is laid out in its box at every factor.
#include "sampler/magnifier_geometry.h"

#include <ostream>

#include <gtest/gtest.h>

namespace tintrel {

void PrintTo(const PixelRect& rect, std::ostream* out) {
    *out << "(" << rect.Left << "," << rect.Top << ")-(" << rect.Right << "," << rect.Bottom << ")";
}

void PrintTo(const MagnifierLayout& layout, std::ostream* out) {
    *out << "source " << testing::PrintToString(layout.Source) << ", dest " << testing::PrintToString(layout.Dest)
         << ", frame " << testing::PrintToString(layout.Frame);
}

namespace {

constexpr int kWidth = 132;
constexpr int kHeight = 68;

TEST(Zoom, StoredFactorsOutsideTheListReadAsFour) {
    const int cases[][2] = {{2, 2},   {3, 3},  {4, 4}, {6, 6}, {8, 8}, {12, 12}, {16, 16}, {24, 24},
                            {32, 32}, {-4, 4}, {0, 4}, {1, 4}, {5, 4}, {33, 4},  {64, 4}};
    for (const auto& [stored, zoom] : cases) {
        EXPECT_EQ(ZoomFromStored(stored), zoom) << stored;
    }
}

TEST(Zoom, TheWheelStepsThroughTheListAndStopsAtItsEnds) {
    const int cases[][3] = {{4, 1, 6},   {4, -1, 3}, {3, -1, 2},  {2, -1, 2},  {24, 1, 32},
                            {32, 1, 32}, {4, 3, 12}, {32, -8, 2}, {2, 100, 32}};
    for (const auto& [from, steps, to] : cases) {
        EXPECT_EQ(StepZoom(from, steps), to) << from << " by " << steps;
    }
}

TEST(MagnifierLayout, EveryFactorCoversTheBoxWithTheCentreBlockInPlace) {
    // At 4 times it draws what the plain magnifier draws: columns 49 to 82 and rows 25 to 42, the first
    // and last of each half shown, the centre pixel's block at (66, 34) framed by (65, 33)-(71, 39).
    EXPECT_EQ(LayOutMagnifier(kWidth, kHeight, kWidth / 2, kHeight / 2, 4, 1),
              (MagnifierLayout{{49, 25, 83, 43}, {-2, -2, 134, 70}, {65, 33, 71, 39}}));
    for (const int zoom : kZoomFactors) {
        for (const int sampleSize : {1, 3, 5, 9}) {
            const MagnifierLayout layout = LayOutMagnifier(kWidth, kHeight, kWidth / 2, kHeight / 2, zoom, sampleSize);
            const auto& [source, dest, frame] = layout;
            SCOPED_TRACE(testing::Message()
                         << zoom << " times, " << sampleSize << " pixels: " << testing::PrintToString(layout));
            EXPECT_EQ(dest.Right - dest.Left, (source.Right - source.Left) * zoom) << "whole blocks";
            EXPECT_EQ(dest.Bottom - dest.Top, (source.Bottom - source.Top) * zoom);
            EXPECT_TRUE(dest.Left <= 0 && dest.Top <= 0 && dest.Right >= kWidth && dest.Bottom >= kHeight)
                << "the box is covered";
            EXPECT_TRUE(dest.Left > -zoom && dest.Right < kWidth + zoom) << "no block drawn wholly outside the box";
            EXPECT_TRUE(source.Left >= 0 && source.Right <= kWidth);
            // The centre pixel's block is centred where it is at 4 times, on (68, 36), give or take
            // half a pixel for an odd factor.
            const int blockLeft = dest.Left + (kWidth / 2 - source.Left) * zoom;
            const int blockTop = dest.Top + (kHeight / 2 - source.Top) * zoom;
            EXPECT_EQ(blockLeft + zoom / 2, 68);
            EXPECT_EQ(blockTop + zoom / 2, 36);
            EXPECT_EQ(frame.Right - frame.Left, sampleSize * zoom + 2) << "the frame holds the averaged square";
            EXPECT_EQ(frame.Left + 1 + (sampleSize / 2) * zoom, blockLeft);
            EXPECT_EQ(frame.Top + 1 + (sampleSize / 2) * zoom, blockTop);
        }
    }
}

}  // namespace
}  // namespace tintrel
