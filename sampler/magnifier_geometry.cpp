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

MagnifierLayout LayOutMagnifier(int width,
                                int height,
                                int centerX,
                                int centerY,
                                const MagnifierScale& scale,
                                int sampleSize) {
    const int block = std::max(scale.Block, 1);
    const int blockLeft = scale.AnchorX - block / 2;
    const int blockTop = scale.AnchorY - block / 2;
    const int firstColumn = std::max(centerX - BlocksOver(blockLeft, block), 0);
    const int firstRow = std::max(centerY - BlocksOver(blockTop, block), 0);
    const int endColumn = std::min(centerX + BlocksOver(scale.BoxWidth - blockLeft, block), width);
    const int endRow = std::min(centerY + BlocksOver(scale.BoxHeight - blockTop, block), height);
    const int half = sampleSize / 2;
    MagnifierLayout layout;
    layout.Source = PixelRect{firstColumn, firstRow, endColumn, endRow};
    layout.Dest = PixelRect{blockLeft + (firstColumn - centerX) * block, blockTop + (firstRow - centerY) * block,
                            blockLeft + (endColumn - centerX) * block, blockTop + (endRow - centerY) * block};
    layout.Frame = PixelRect{blockLeft - half * block - scale.Line, blockTop - half * block - scale.Line,
                             blockLeft + (half + 1) * block + scale.Line, blockTop + (half + 1) * block + scale.Line};
    return layout;
}

}  // namespace tintrel
