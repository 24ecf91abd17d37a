#pragma once

#include <cstdint>

#include "sampler/magnifier_geometry.h"

namespace tintrel {

// The sizes of the square a pick averages over, in pixels a side; 1 is the pointer's pixel alone.
inline constexpr int kSampleSizes[] = {1, 3, 5, 9};

// The stored size when it is one of kSampleSizes, otherwise 1.
int SampleSizeFromStored(std::int32_t stored);

// Pixels as a 32-bit bitmap holds them, 0x00RRGGBB, `Width` to a row, rows top to bottom.
struct PixelGrid {
    const std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
};

// The average colour (0x00BBGGRR) of the `size` by `size` square centred on (centerX, centerY),
// taken over the pixels that lie inside `valid` (the part of the grid that shows the screen) and the
// grid. The average is taken in linear light: each channel is decoded from sRGB, averaged, encoded
// again and rounded, so that fine black and white detail averages to the grey the eye sees from afar.
// The centre pixel must lie inside `valid`.
std::int32_t AverageSquare(const PixelGrid& grid, const PixelRect& valid, int centerX, int centerY, int size);

}  // namespace tintrel
