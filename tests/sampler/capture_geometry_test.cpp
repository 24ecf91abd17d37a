// Where the magnifier's 132 by 68 capture lies on the screen, and what of it is copied.
#include "sampler/capture_geometry.h"

#include <ostream>

#include <gtest/gtest.h>

namespace tintrel {

void PrintTo(const CaptureCopy& copy, std::ostream* out) {
    *out << "{to " << copy.DestX << "," << copy.DestY << " from " << copy.SourceX << "," << copy.SourceY << " size "
         << copy.Width << "x" << copy.Height << "}";
}

namespace {

constexpr int kWidth = 132;
constexpr int kHeight = 68;
constexpr int kCenterX = 66;
constexpr int kCenterY = 34;
constexpr ScreenRect kSingleScreen{0, 0, 1024, 768};
// A second monitor to the left of and above the primary one.
constexpr ScreenRect kTwoScreens{-1920, -300, 1280, 1024};

CaptureCopy Clip(int x, int y, const ScreenRect& screen) {
    return ClipCapture(ScreenPoint{x, y}, kWidth, kHeight, kCenterX, kCenterY, screen);
}

TEST(ClipCapture, CopiesAllOfACaptureWhollyOnTheScreen) {
    EXPECT_EQ(Clip(500, 400, kSingleScreen), (CaptureCopy{0, 0, 434, 366, kWidth, kHeight}));
    // Touching every edge of the screen from inside.
    EXPECT_EQ(Clip(66, 34, kSingleScreen), (CaptureCopy{0, 0, 0, 0, kWidth, kHeight}));
    EXPECT_EQ(Clip(1024 - 66, 768 - 34, kSingleScreen), (CaptureCopy{0, 0, 892, 700, kWidth, kHeight}));
}

TEST(ClipCapture, LeavesOutWhatLiesBeyondAnEdge) {
    EXPECT_EQ(Clip(10, 400, kSingleScreen), (CaptureCopy{56, 0, 0, 366, 76, kHeight})) << "left";
    EXPECT_EQ(Clip(500, 5, kSingleScreen), (CaptureCopy{0, 29, 434, 0, kWidth, 39})) << "top";
    EXPECT_EQ(Clip(1000, 400, kSingleScreen), (CaptureCopy{0, 0, 934, 366, 90, kHeight})) << "right";
    EXPECT_EQ(Clip(500, 760, kSingleScreen), (CaptureCopy{0, 0, 434, 726, kWidth, 42})) << "bottom";
}

TEST(ClipCapture, KeepsThePointerPixelOnTheCentreAtEveryCorner) {
    // The pointer's own pixel is always copied, and always to the centre.
    EXPECT_EQ(Clip(0, 0, kSingleScreen), (CaptureCopy{66, 34, 0, 0, 66, 34}));
    EXPECT_EQ(Clip(1023, 0, kSingleScreen), (CaptureCopy{0, 34, 957, 0, 67, 34}));
    EXPECT_EQ(Clip(0, 767, kSingleScreen), (CaptureCopy{66, 0, 0, 733, 66, 35}));
    EXPECT_EQ(Clip(1023, 767, kSingleScreen), (CaptureCopy{0, 0, 957, 733, 67, 35}));
}

TEST(ClipCapture, WorksWithMonitorsAtNegativeCoordinates) {
    EXPECT_EQ(Clip(-1920, -300, kTwoScreens), (CaptureCopy{66, 34, -1920, -300, 66, 34})) << "top-left corner";
    EXPECT_EQ(Clip(-1, -1, kTwoScreens), (CaptureCopy{0, 0, -67, -35, kWidth, kHeight})) << "across the origin";
    EXPECT_EQ(Clip(1279, 1023, kTwoScreens), (CaptureCopy{0, 0, 1213, 989, 67, 35})) << "bottom-right corner";
}

TEST(ClipCapture, CopiesNothingWhenThePointerIsFarOffTheScreen) {
    EXPECT_EQ(Clip(-500, 400, kSingleScreen), CaptureCopy{});
    EXPECT_EQ(Clip(500, 768 + 34, kSingleScreen), CaptureCopy{}) << "one row past the last that still overlaps";
    EXPECT_EQ(Clip(500, 400, ScreenRect{}), CaptureCopy{}) << "an empty screen";
}

}  // namespace
}  // namespace tintrel
