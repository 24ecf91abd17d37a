#include "palette/pallet_docking.h"

#include <algorithm>  // std::max, std::min
#include <cstdint>
#include <limits>

namespace tintrel {

std::int32_t FormHitTest(std::int32_t defaultCode, bool shownAndDocked) {
    switch (defaultCode) {
        case kHitLeft:
        case kHitRight:
        case kHitTop:
        case kHitTopLeft:
        case kHitTopRight:
        case kHitBottomLeft:
        case kHitBottomRight:
            return kHitClient;
        case kHitBottom:
            return shownAndDocked ? kHitBottom : kHitClient;
        default:
            return defaultCode;
    }
}

std::int32_t MissingCellHeight(std::int32_t cellAreaHeight, std::int32_t rows, std::int32_t rowHeight) {
    const std::int64_t needed = std::int64_t{rowHeight} * rows;
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, needed - cellAreaHeight));
}

namespace {

std::int32_t Between(std::int64_t size, std::int32_t lowest, std::int32_t highest) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(lowest, std::min<std::int64_t>(size, highest)));
}

}  // namespace

PixelSize FloatClientSize(std::int32_t left,
                          std::int32_t top,
                          std::int32_t right,
                          std::int32_t bottom,
                          PixelSize lowest,
                          PixelSize highest) {
    return PixelSize{Between(std::int64_t{right} - left, lowest.Width, highest.Width),
                     Between(std::int64_t{bottom} - top, lowest.Height, highest.Height)};
}

std::int32_t OuterHeightFor(std::int32_t clientHeight, std::int32_t nonClientHeight, std::int32_t highest) {
    return Between(std::int64_t{clientHeight} + nonClientHeight, 0, std::max(highest, 0));
}

ResizeDecision FormCanResize(std::int32_t newOuterHeight,
                             bool shownAndDocked,
                             bool resizeAllowed,
                             std::int32_t lowestDocked) {
    const std::int32_t height = shownAndDocked ? std::max(newOuterHeight, lowestDocked) : newOuterHeight;
    return {shownAndDocked || resizeAllowed, height};
}

std::int32_t LowestDockedOuterHeight(std::int32_t outerHeight,
                                     std::int32_t cellAreaHeight,
                                     std::int32_t rows,
                                     std::int32_t rowHeight,
                                     std::int32_t lowest) {
    const std::int64_t besideCells = std::int64_t{outerHeight} - std::max(cellAreaHeight, 0);
    return Between(besideCells + std::int64_t{rowHeight} * std::max(rows, 0), lowest,
                   std::numeric_limits<std::int32_t>::max());
}

}  // namespace tintrel
