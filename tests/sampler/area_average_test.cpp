// The average of a square of pixels in linear light, with the screen's edges left out.
#include "sampler/area_average.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// A grid of `width` by `height` pixels, each from `color(x, y)` in 0x00RRGGBB.
template <class Color>
std::vector<std::uint32_t> Pixels(int width, int height, Color color) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(color(x, y));
        }
    }
    return pixels;
}

std::uint32_t Checker(int x, int y) {
    return (x + y) % 2 == 0 ? kWhite : 0;
}

TEST(SampleSize, StoredSizesOutsideTheListReadAsOne) {
    for (const int size : kSampleSizes) {
        EXPECT_EQ(SampleSizeFromStored(size), size);
    }
    for (const int other : {-3, 0, 2, 4, 7, 10}) {
        EXPECT_EQ(SampleSizeFromStored(other), 1) << other;
    }
}

TEST(AverageSquare, OneColourAveragesToItselfForEveryValue) {
    for (int value = 0; value < 256; ++value) {
        const auto pixel = static_cast<std::uint32_t>(value << 16 | (255 - value) << 8 | (value / 2));
        const std::vector<std::uint32_t> pixels(20 * 20, pixel);
        const PixelGrid grid{pixels.data(), 20, 20};
        for (const int size : kSampleSizes) {
            EXPECT_EQ(AverageSquare(grid, PixelRect{0, 0, 20, 20}, 10, 10, size),
                      value | (255 - value) << 8 | (value / 2) << 16)
                << "value " << value << ", size " << size;
        }
    }
}

TEST(AverageSquare, CheckerboardsAverageToTheLinearLightGrey) {
    const std::vector<std::uint32_t> pixels = Pixels(20, 20, Checker);
    const PixelGrid grid{pixels.data(), 20, 20};
    const PixelRect all{0, 0, 20, 20};
    const struct {
        int X;
        int Y;
        int Size;
        int Grey;
    } cases[] = {
        {10, 10, 1, 255},  // the white pixel alone
        {10, 10, 3, 197},  // 5 white of 9: linear 5/9
        {11, 10, 3, 178},  // 4 white of 9
        {10, 10, 5, 191},  // 13 of 25
        {11, 10, 5, 184},  // 12 of 25
        {10, 10, 9, 189},  // 41 of 81
    };
    for (const auto& sample : cases) {
        const std::int32_t grey = sample.Grey | sample.Grey << 8 | sample.Grey << 16;
        EXPECT_EQ(AverageSquare(grid, all, sample.X, sample.Y, sample.Size), grey)
            << sample.Size << "x" << sample.Size << " at " << sample.X << "," << sample.Y;
    }
}

TEST(AverageSquare, ChannelsAverageApart) {
    // Pure red beside pure blue: each channel is half lit.
    const std::vector<std::uint32_t> pixels = Pixels(3, 3, [](int x, int) { return x == 1 ? 0xFF0000u : 0x0000FFu; });
    EXPECT_EQ(AverageSquare(PixelGrid{pixels.data(), 3, 3}, PixelRect{0, 0, 3, 3}, 1, 1, 3), 0xD5'00'9C)
        << "red 3 of 9 (156), blue 6 of 9 (213)";
}

TEST(AverageSquare, LeavesOutPixelsOffTheScreenAndOffTheGrid) {
    // Only the white column 0 and the black column 1 lie on the screen; the rest of the grid keeps the
    // fill of a capture beyond the edge, which must not count.
    const std::vector<std::uint32_t> pixels = Pixels(6, 6, [](int x, int) { return x == 0 ? kWhite : 0x0u; });
    const PixelGrid grid{pixels.data(), 6, 6};
    const std::int32_t half = 188 | 188 << 8 | 188 << 16;
    EXPECT_EQ(AverageSquare(grid, PixelRect{0, 0, 2, 6}, 1, 3, 3), half) << "white and black, three rows each";
    EXPECT_EQ(AverageSquare(grid, PixelRect{0, 0, 2, 6}, 1, 3, 9), half) << "the square beyond the grid too";
    EXPECT_EQ(AverageSquare(grid, PixelRect{0, 0, 2, 6}, 0, 0, 5), half) << "at the corner";
    EXPECT_EQ(AverageSquare(grid, PixelRect{0, 0, 1, 1}, 0, 0, 9), 0xFFFFFF) << "one pixel on the screen";
}

}  // namespace
}  // namespace tintrel
