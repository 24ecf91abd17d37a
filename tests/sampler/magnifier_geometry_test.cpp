// The magnifier's zoom steps and how the 132 by 68 bitmap is laid out in its box at every factor.
#include "sampler/magnifier_geometry.h"

#include <ostream>

#include <gtest/gtest.h>

namespace tintrel {

void PrintTo(const PixelRect& rect, std::ostream* out) {
    *out << "(" << rect.Left << "," << rect.Top << ")-(" << rect.Right << "," << rect.Bottom << ")";
}

namespace {

constexpr int kWidth = 132;
constexpr int kHeight = 68;

MagnifierLayout Layout(int zoom, int sampleSize = 1) {
    return LayOutMagnifier(kWidth, kHeight, kWidth / 2, kHeight / 2, zoom, sampleSize);
}

TEST(Zoom, StoredFactorsOutsideTheListReadAsFour) {
    for (const int factor : kZoomFactors) {
        EXPECT_EQ(ZoomFromStored(factor), factor);
    }
    for (const int other : {-4, 0, 1, 5, 33, 64}) {
        EXPECT_EQ(ZoomFromStored(other), 4) << other;
    }
}

TEST(Zoom, TheWheelStepsThroughTheListAndStopsAtItsEnds) {
    const struct {
        int From;
        int Steps;
        int To;
    } cases[] = {
        {4, 1, 6}, {4, -1, 3}, {3, -1, 2}, {2, -1, 2}, {24, 1, 32}, {32, 1, 32}, {4, 3, 12}, {32, -8, 2}, {2, 100, 32},
    };
    for (const auto& step : cases) {
        EXPECT_EQ(StepZoom(step.From, step.Steps), step.To) << step.From << " by " << step.Steps;
    }
}

TEST(MagnifierLayout, AtFourTimesDrawsWhatThePlainMagnifierDraws) {
    // Columns 49 to 82 and rows 25 to 42, the first and last of each half shown, the centre pixel's
    // block at (66, 34) framed by (65, 33)-(71, 39).
    const MagnifierLayout layout = Layout(4);
    EXPECT_EQ(layout.Source, (PixelRect{49, 25, 83, 43}));
    EXPECT_EQ(layout.Dest, (PixelRect{-2, -2, 134, 70}));
    EXPECT_EQ(layout.Frame, (PixelRect{65, 33, 71, 39}));
}

TEST(MagnifierLayout, EveryFactorCoversTheBoxWithTheCentreBlockInPlace) {
    for (const int zoom : kZoomFactors) {
        for (const int sampleSize : {1, 3, 5, 9}) {
            const MagnifierLayout layout = Layout(zoom, sampleSize);
            SCOPED_TRACE(testing::Message() << zoom << " times, " << sampleSize << " pixels");
            const PixelRect& source = layout.Source;
            const PixelRect& dest = layout.Dest;
            EXPECT_EQ(dest.Right - dest.Left, (source.Right - source.Left) * zoom) << "whole blocks";
            EXPECT_EQ(dest.Bottom - dest.Top, (source.Bottom - source.Top) * zoom);
            EXPECT_LE(dest.Left, 0);
            EXPECT_LE(dest.Top, 0);
            EXPECT_GE(dest.Right, kWidth);
            EXPECT_GE(dest.Bottom, kHeight);
            EXPECT_GT(dest.Left, -zoom) << "no block drawn wholly outside the box";
            EXPECT_LT(dest.Right, kWidth + zoom);
            EXPECT_GE(source.Left, 0);
            EXPECT_LE(source.Right, kWidth);
            // The centre pixel's block is centred where it is at 4 times, on (68, 36), give or take
            // half a pixel for an odd factor.
            const int blockLeft = dest.Left + (kWidth / 2 - source.Left) * zoom;
            const int blockTop = dest.Top + (kHeight / 2 - source.Top) * zoom;
            EXPECT_EQ(blockLeft + zoom / 2, 68);
            EXPECT_EQ(blockTop + zoom / 2, 36);
            const int side = sampleSize * zoom + 2;
            EXPECT_EQ(layout.Frame.Right - layout.Frame.Left, side) << "the frame holds the averaged square";
            EXPECT_EQ(layout.Frame.Left + 1 + (sampleSize / 2) * zoom, blockLeft);
            EXPECT_EQ(layout.Frame.Top + 1 + (sampleSize / 2) * zoom, blockTop);
        }
    }
}

}  // namespace
}  // namespace tintrel
