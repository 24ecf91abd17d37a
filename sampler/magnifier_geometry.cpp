#include "sampler/magnifier_geometry.h"

#include <algorithm>

namespace tintrel {

namespace {

// The smallest number of blocks of `size` pixels that cover `length` pixels.
int BlocksOver(int length, int size) {
    return (length + size - 1) / size;
}

}  // namespace

int ZoomFromStored(std::int32_t stored) {
    const bool listed = std::find(kZoomFactors.begin(), kZoomFactors.end(), stored) != kZoomFactors.end();
    return listed ? static_cast<int>(stored) : kDefaultZoom;
}

int StepZoom(int zoom, int steps) {
    const auto current = std::find(kZoomFactors.begin(), kZoomFactors.end(), ZoomFromStored(zoom));
    const auto index =
        std::clamp<long>((current - kZoomFactors.begin()) + steps, 0, static_cast<long>(kZoomFactors.size()) - 1);
    return kZoomFactors[static_cast<std::size_t>(index)];
}

MagnifierLayout LayOutMagnifier(int width, int height, int centerX, int centerY, int zoom, int sampleSize) {
    // The centre pixel's block stays centred on the same point of the box as at 4 times.
    const int blockLeft = centerX + kDefaultZoom / 2 - zoom / 2;
    const int blockTop = centerY + kDefaultZoom / 2 - zoom / 2;
    const int firstColumn = std::max(centerX - BlocksOver(blockLeft, zoom), 0);
    const int firstRow = std::max(centerY - BlocksOver(blockTop, zoom), 0);
    const int endColumn = std::min(centerX + BlocksOver(width - blockLeft, zoom), width);
    const int endRow = std::min(centerY + BlocksOver(height - blockTop, zoom), height);
    const int half = sampleSize / 2;
    MagnifierLayout layout;
    layout.Source = PixelRect{firstColumn, firstRow, endColumn, endRow};
    layout.Dest = PixelRect{blockLeft + (firstColumn - centerX) * zoom, blockTop + (firstRow - centerY) * zoom,
                            blockLeft + (endColumn - centerX) * zoom, blockTop + (endRow - centerY) * zoom};
    layout.Frame = PixelRect{blockLeft - half * zoom - 1, blockTop - half * zoom - 1, blockLeft + (half + 1) * zoom + 1,
                             blockTop + (half + 1) * zoom + 1};
    return layout;
}

}  // namespace tintrel
