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

// The magnifier's box in the pixels of its window's DPI: its size, the point on which the centre
// pixel's block is centred, the side of the block one screen pixel takes (the zoom factor in design
// units, rounded to whole pixels) and the width of the frame's lines. At 96 DPI the box is the bitmap's
// size, the point is 2 pixels right of and below the centre pixel, the block is the factor itself and
// the lines are one pixel wide.
struct MagnifierScale {
    int BoxWidth = 0;
    int BoxHeight = 0;
    int AnchorX = 0;
    int AnchorY = 0;
    int Block = kDefaultZoom;
    int Line = 1;
};

// How the magnifier shows its bitmap of `width` by `height` pixels in the box of `scale`: the bitmap's
// pixels `Source` are drawn as blocks of `scale.Block` pixels onto `Dest`, with the block of the centre
// pixel (centerX, centerY) centred on the anchor for every factor (at 4 times and 96 DPI it starts on
// the centre pixel itself), and only the blocks that reach into the box. `Frame` encloses the blocks of
// the `sampleSize` by `sampleSize` square around the centre pixel with a border `scale.Line` wide.
struct MagnifierLayout {
    PixelRect Source;
    PixelRect Dest;
    PixelRect Frame;

    bool operator==(const MagnifierLayout&) const = default;
};
MagnifierLayout LayOutMagnifier(int width,
                                int height,
                                int centerX,
                                int centerY,
                                const MagnifierScale& scale,
                                int sampleSize);

}  // namespace tintrel
