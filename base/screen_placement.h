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

}  // namespace tintrel
