#include "base/screen_placement.h"

#include <climits>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {

void PrintTo(const PlacementRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ")-(" << r.Right << ", " << r.Bottom << ")";
}

namespace {

// A 1920 by 1040 work area, and a second monitor to its left whose top lies higher.
const PlacementRect kMain{0, 0, 1920, 1040};
const PlacementRect kLeft{-1280, -200, 0, 800};

TEST(PlaceOnScreen, LeavesAVisibleWindowAndMovesALostOneOntoTheNearestWorkArea) {
    const struct {
        const char* name;
        PlacementRect window;
        std::vector<PlacementRect> areas;
        PlacementRect expected;
    } cases[] = {
        {"inside", {200, 200, 406, 470}, {kMain}, {200, 200, 406, 470}},
        {"one pixel inside at the right", {1919, 200, 2125, 470}, {kMain}, {1919, 200, 2125, 470}},
        {"one pixel inside at the top", {200, -269, 406, 1}, {kMain}, {200, -269, 406, 1}},
        {"on the second monitor", {-600, -150, -394, 120}, {kMain, kLeft}, {-600, -150, -394, 120}},
        {"touching the right edge only", {1920, 200, 2126, 470}, {kMain}, {1714, 200, 1920, 470}},
        {"far to the right", {5000, 200, 5206, 470}, {kMain}, {1714, 200, 1920, 470}},
        {"far below and to the left", {-9000, 3000, -8794, 3270}, {kMain}, {0, 770, 206, 1040}},
        {"above the main monitor", {300, -5000, 506, -4730}, {kMain}, {300, 0, 506, 270}},
        {"left of both, nearest the second", {-5000, -190, -4794, 80}, {kMain, kLeft}, {-1280, -190, -1074, 80}},
        {"below the second monitor", {-700, 900, -494, 1170}, {kMain, kLeft}, {-700, 530, -494, 800}},
        {"larger than the work area", {3000, 100, 5000, 1500}, {kMain}, {0, 0, 2000, 1400}},
        {"at the ends of the coordinates",
         {INT_MAX - 206, INT_MAX - 270, INT_MAX, INT_MAX},
         {kMain},
         {1714, 770, 1920, 1040}},
        {"no monitor known", {5000, 200, 5206, 470}, {}, {5000, 200, 5206, 470}},
    };
    for (const auto& [name, window, areas, expected] : cases) {
        EXPECT_EQ(PlaceOnScreen(window, areas), expected) << name;
    }
}

TEST(PlaceBeside, OpensBesideTheAnchorWhollyInTheWorkArea) {
    const PlacementRect kNarrow{0, 0, 600, 800};
    const struct {
        const char* name;
        PlacementRect anchor;
        int width, height;
        PlacementRect area;
        PlacementRect expected;
    } cases[] = {
        {"room on the right", {200, 200, 400, 500}, 220, 130, kMain, {400, 200, 620, 330}},
        {"just room on the right", {1500, 200, 1700, 500}, 220, 130, kMain, {1700, 200, 1920, 330}},
        {"room on the left only", {1701, 200, 1901, 500}, 220, 130, kMain, {1481, 200, 1701, 330}},
        {"neither, more room on the right", {150, 100, 350, 400}, 300, 130, kNarrow, {300, 100, 600, 230}},
        {"neither, more room on the left", {300, 100, 500, 400}, 350, 130, kNarrow, {0, 100, 350, 230}},
        {"the anchor low on the monitor", {200, 950, 400, 1250}, 220, 130, kMain, {400, 910, 620, 1040}},
        {"the anchor above the monitor's top", {200, -50, 400, 250}, 220, 130, kMain, {400, 0, 620, 130}},
        {"on a monitor left of the main one", {-300, -100, -100, 200}, 220, 130, kLeft, {-520, -100, -300, 30}},
        {"larger than the work area", {200, 200, 400, 500}, 2000, 1200, kMain, {0, 0, 2000, 1200}},
        {"an anchor at the ends of the coordinates",
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         220,
         130,
         kMain,
         {1700, 0, 1920, 130}},
        {"no size", {200, 200, 400, 500}, -5, 0, kMain, {400, 200, 400, 200}},
    };
    for (const auto& [name, anchor, width, height, area, expected] : cases) {
        EXPECT_EQ(PlaceBeside(anchor, width, height, area), expected) << name;
    }
}

}  // namespace
}  // namespace tintrel
