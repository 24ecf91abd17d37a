#include "sampler/capture_geometry.h"

#include <algorithm>

namespace tintrel {

CaptureCopy ClipCapture(ScreenPoint pointer,
                        int width,
                        int height,
                        int centerX,
                        int centerY,
                        const ScreenRect& screen) {
    const int left = pointer.X - centerX;
    const int top = pointer.Y - centerY;
    const int clippedLeft = std::max(left, screen.Left);
    const int clippedTop = std::max(top, screen.Top);
    const int clippedRight = std::min(left + width, screen.Right);
    const int clippedBottom = std::min(top + height, screen.Bottom);
    if (clippedRight <= clippedLeft || clippedBottom <= clippedTop) {
        return CaptureCopy{};
    }
    return CaptureCopy{clippedLeft - left, clippedTop - top,           clippedLeft,
                       clippedTop,         clippedRight - clippedLeft, clippedBottom - clippedTop};
}

}  // namespace tintrel
