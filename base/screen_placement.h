#pragma once

#include <span>

namespace tintrel {

// A half-open rectangle in screen coordinates: Right and Bottom are excluded.
struct PlacementRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const PlacementRect&) const = default;
};

// Where to put a window stored at `window`, given the work areas of the monitors. A window of which any
// part lies in a work area stays exactly where it is. One wholly outside them all (a monitor removed
// since it was stored) keeps its size and moves into the nearest work area, just as far as it must:
// with its top-left corner in the area when it is larger. With no work areas it stays.
PlacementRect PlaceOnScreen(const PlacementRect& window, std::span<const PlacementRect> workAreas);

// Where to open a window `width` by `height` beside the window at `anchor`, on the monitor whose work
// area is `workArea`: right of it where it fits, else left of it, else on the side with more room; its
// top level with the anchor's. It lies wholly in the work area (over the anchor if it must), with its
// top-left corner there when it is larger.
PlacementRect PlaceBeside(const PlacementRect& anchor, int width, int height, const PlacementRect& workArea);

}  // namespace tintrel
