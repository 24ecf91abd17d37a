#include "palette/pallet_docking.h"

#include <algorithm>  // std::max

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

ResizeDecision FormCanResize(std::int32_t newOuterHeight, bool shownAndDocked, bool resizeAllowed) {
    const std::int32_t height = shownAndDocked ? std::max(newOuterHeight, kMinDockedOuterHeight) : newOuterHeight;
    return {shownAndDocked || resizeAllowed, height};
}

}  // namespace tintrel
