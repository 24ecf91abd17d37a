#include "base/screen_placement.h"

#include <algorithm>  // std::max, std::min
#include <cstdint>

namespace tintrel {

namespace {

// Wide enough for any distance between two int coordinates.
using Wide = std::int64_t;

bool Overlaps(const PlacementRect& a, const PlacementRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// How far apart two ranges [from, to) lie: 0 when they touch or overlap.
Wide Gap(int fromA, int toA, int fromB, int toB) {
    return std::max<Wide>({0, Wide{fromB} - toA, Wide{fromA} - toB});
}

Wide SquaredDistance(const PlacementRect& a, const PlacementRect& b) {
    const Wide across = Gap(a.Left, a.Right, b.Left, b.Right);
    const Wide down = Gap(a.Top, a.Bottom, b.Top, b.Bottom);
    return across * across + down * down;
}

// The start of a range of `length` moved into [from, to) as little as possible; `from` when it is longer.
int MovedInto(Wide start, Wide length, int from, int to) {
    return static_cast<int>(std::max<Wide>(from, std::min<Wide>(start, Wide{to} - length)));
}

}  // namespace

PlacementRect PlaceOnScreen(const PlacementRect& window, std::span<const PlacementRect> workAreas) {
    if (workAreas.empty() || std::any_of(workAreas.begin(), workAreas.end(),
                                         [&](const PlacementRect& area) { return Overlaps(window, area); })) {
        return window;
    }
    const PlacementRect& nearest =
        *std::min_element(workAreas.begin(), workAreas.end(), [&](const PlacementRect& a, const PlacementRect& b) {
            return SquaredDistance(window, a) < SquaredDistance(window, b);
        });
    const Wide width = Wide{window.Right} - window.Left;
    const Wide height = Wide{window.Bottom} - window.Top;
    const int left = MovedInto(window.Left, width, nearest.Left, nearest.Right);
    const int top = MovedInto(window.Top, height, nearest.Top, nearest.Bottom);
    return PlacementRect{left, top, static_cast<int>(left + width), static_cast<int>(top + height)};
}

PlacementRect PlaceBeside(const PlacementRect& anchor, int width, int height, const PlacementRect& workArea) {
    const Wide across = std::max(width, 0);
    const Wide down = std::max(height, 0);
    const Wide roomRight = Wide{workArea.Right} - anchor.Right;
    const Wide roomLeft = Wide{anchor.Left} - workArea.Left;
    const bool right = roomRight >= across || (roomLeft < across && roomRight >= roomLeft);
    const int left =
        MovedInto(right ? Wide{anchor.Right} : anchor.Left - across, across, workArea.Left, workArea.Right);
    const int top = MovedInto(anchor.Top, down, workArea.Top, workArea.Bottom);
    return PlacementRect{left, top, static_cast<int>(left + across), static_cast<int>(top + down)};
}

}  // namespace tintrel
