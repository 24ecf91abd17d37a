#pragma once

#include <array>
#include <cstdint>

namespace tintrel {

// A half-open rectangle of pixels (Right and Bottom excluded) in the magnifier's paint box or bitmap.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const PixelRect&) const = default;
};

// The factors the mouse wheel steps through, smallest first.
inline constexpr std::array<int, 9> kZoomFactors{2, 3, 4, 6, 8, 12, 16, 24, 32};
inline constexpr int kDefaultZoom = 4;

// The stored factor when it is one of kZoomFactors, otherwise the default.
int ZoomFromStored(std::int32_t stored);
// The factor `steps` places up (positive) or down the list from `zoom`, held at either end.
int StepZoom(int zoom, int steps);

// How a magnifier of `width` by `height` pixels shows its bitmap of the same size at `zoom`: the
// bitmap's pixels `Source` are drawn `zoom` times enlarged onto `Dest`, with the block of the centre
// pixel (centerX, centerY) at the same place for every factor (at 4 times it starts on the centre
// pixel itself), and only the blocks that reach into the box. `Frame` encloses the blocks of the
// `sampleSize` by `sampleSize` square around the centre pixel with a one-pixel border.
struct MagnifierLayout {
    PixelRect Source;
    PixelRect Dest;
    PixelRect Frame;

    bool operator==(const MagnifierLayout&) const = default;
};
MagnifierLayout LayOutMagnifier(int width, int height, int centerX, int centerY, int zoom, int sampleSize);

}  // namespace tintrel
