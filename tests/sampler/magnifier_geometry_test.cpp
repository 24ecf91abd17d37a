// The magnifier's zoom steps and how the 132 by 68 bitmap is laid out in its box at every factor and DPI.
#include "sampler/magnifier_geometry.h"

#include "ui/design_units.h"

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

// The box of the 132 by 68 bitmap at `dpi`, as the magnifier's window lays it out.
MagnifierScale ScaleAt(int dpi, int zoom) {
    return MagnifierScale{DesignToPixels(kWidth, dpi),         DesignToPixels(kHeight, dpi),
                          DesignToPixels(kWidth / 2 + 2, dpi), DesignToPixels(kHeight / 2 + 2, dpi),
                          DesignToPixels(zoom, dpi),           DesignToPixels(1, dpi)};
}

TEST(MagnifierLayout, EveryFactorCoversTheBoxWithTheCentreBlockInPlace) {
    // At 4 times it draws what the plain magnifier draws: columns 49 to 82 and rows 25 to 42, the first
    // and last of each half shown, the centre pixel's block at (66, 34) framed by (65, 33)-(71, 39).
    EXPECT_EQ(LayOutMagnifier(kWidth, kHeight, kWidth / 2, kHeight / 2, ScaleAt(96, 4), 1),
              (MagnifierLayout{{49, 25, 83, 43}, {-2, -2, 134, 70}, {65, 33, 71, 39}}));
    // At 150 % a screen pixel is a square of 6 by 6, framed by lines 2 pixels wide.
    EXPECT_EQ(LayOutMagnifier(kWidth, kHeight, kWidth / 2, kHeight / 2, ScaleAt(144, 4), 1),
              (MagnifierLayout{{49, 25, 83, 43}, {-3, -3, 201, 105}, {97, 49, 107, 59}}));
    for (const int dpi : {96, 120, 144, 168, 192, 288}) {
        for (const int zoom : kZoomFactors) {
            for (const int sampleSize : {1, 3, 5, 9}) {
                const MagnifierScale scale = ScaleAt(dpi, zoom);
                const MagnifierLayout layout =
                    LayOutMagnifier(kWidth, kHeight, kWidth / 2, kHeight / 2, scale, sampleSize);
                const auto& [source, dest, frame] = layout;
                const int block = scale.Block;
                SCOPED_TRACE(testing::Message() << dpi << " DPI, " << zoom << " times, " << sampleSize
                                                << " pixels: " << testing::PrintToString(layout));
                EXPECT_EQ(dest.Right - dest.Left, (source.Right - source.Left) * block) << "whole blocks";
                EXPECT_EQ(dest.Bottom - dest.Top, (source.Bottom - source.Top) * block);
                EXPECT_TRUE(dest.Left <= 0 && dest.Top <= 0 && dest.Right >= scale.BoxWidth &&
                            dest.Bottom >= scale.BoxHeight)
                    << "the box is covered, the bitmap is wide enough";
                EXPECT_TRUE(dest.Left > -block && dest.Right < scale.BoxWidth + block)
                    << "no block drawn wholly outside the box";
                EXPECT_TRUE(source.Left >= 0 && source.Right <= kWidth);
                // The centre pixel's block is centred on the anchor, give or take half a pixel for an
                // odd block.
                const int blockLeft = dest.Left + (kWidth / 2 - source.Left) * block;
                const int blockTop = dest.Top + (kHeight / 2 - source.Top) * block;
                EXPECT_EQ(blockLeft + block / 2, scale.AnchorX);
                EXPECT_EQ(blockTop + block / 2, scale.AnchorY);
                EXPECT_EQ(frame.Right - frame.Left, sampleSize * block + 2 * scale.Line)
                    << "the frame holds the averaged square";
                EXPECT_EQ(frame.Left + scale.Line + (sampleSize / 2) * block, blockLeft);
                EXPECT_EQ(frame.Top + scale.Line + (sampleSize / 2) * block, blockTop);
            }
        }
    }
}

}  // namespace
}  // namespace tintrel
