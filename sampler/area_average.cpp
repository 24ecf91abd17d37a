#include "sampler/area_average.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/srgb_transfer.h"

namespace tintrel {

namespace {

// The linear light of each of the 256 channel values, worked out once.
const std::array<double, 256>& LinearLight() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int value = 0; value < 256; ++value) {
            values[static_cast<std::size_t>(value)] = SrgbToLinear(value / 255.0);
        }
        return values;
    }();
    return table;
}

int EncodeSrgb(double linear) {
    return std::clamp(static_cast<int>(std::lround(LinearToSrgb(linear) * 255.0)), 0, 255);
}

}  // namespace

int SampleSizeFromStored(std::int32_t stored) {
    const bool listed = std::find(std::begin(kSampleSizes), std::end(kSampleSizes), stored) != std::end(kSampleSizes);
    return listed ? static_cast<int>(stored) : 1;
}

std::int32_t AverageSquare(const PixelGrid& grid, const PixelRect& valid, int centerX, int centerY, int size) {
    const int half = size / 2;
    const int left = std::max({centerX - half, valid.Left, 0});
    const int top = std::max({centerY - half, valid.Top, 0});
    const int right = std::min({centerX + half + 1, valid.Right, grid.Width});
    const int bottom = std::min({centerY + half + 1, valid.Bottom, grid.Height});
    const std::array<double, 256>& linear = LinearLight();
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* row = grid.Pixels + static_cast<std::ptrdiff_t>(y) * grid.Width;
        for (int x = left; x < right; ++x) {
            const std::uint32_t pixel = row[x];
            red += linear[(pixel >> 16) & 0xFF];
            green += linear[(pixel >> 8) & 0xFF];
            blue += linear[pixel & 0xFF];
            ++count;
        }
    }
    if (count == 0) {
        return 0;
    }
    return EncodeSrgb(red / count) | (EncodeSrgb(green / count) << 8) | (EncodeSrgb(blue / count) << 16);
}

}  // namespace tintrel
