// The average of a square of pixels in linear light, with the screen's edges left out.
#include "sampler/area_average.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

constexpr int kSide = 20;
constexpr PixelRect kAll{0, 0, kSide, kSide};

// A grid of kSide by kSide pixels, each from `color(x, y)` in 0x00RRGGBB.
template <class Color>
std::vector<std::uint32_t> Pixels(Color color) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            pixels.push_back(color(x, y));
        }
    }
    return pixels;
}

constexpr std::int32_t Grey(int level) {
    return level | level << 8 | level << 16;
}

TEST(SampleSize, StoredSizesOutsideTheListReadAsOne) {
    const int cases[][2] = {{1, 1}, {3, 3}, {5, 5}, {9, 9}, {-3, 1}, {0, 1}, {2, 1}, {4, 1}, {7, 1}, {10, 1}};
    for (const auto& [stored, size] : cases) {
        EXPECT_EQ(SampleSizeFromStored(stored), size) << stored;
    }
}

TEST(AverageSquare, OneColourAveragesToItselfForEveryValue) {
    for (int value = 0; value < 256; ++value) {
        const std::vector<std::uint32_t> pixels(kSide * kSide, value << 16 | (255 - value) << 8 | (value / 2));
        for (const int size : kSampleSizes) {
            EXPECT_EQ(AverageSquare(PixelGrid{pixels.data(), kSide, kSide}, kAll, 10, 10, size),
                      value | (255 - value) << 8 | (value / 2) << 16)
                << "value " << value << ", size " << size;
        }
    }
}

TEST(AverageSquare, AveragesTheSquareOnTheScreenInLinearLight) {
    const auto checker = Pixels([](int x, int y) { return (x + y) % 2 == 0 ? 0xFFFFFFu : 0u; });
    const auto redBlue = Pixels([](int x, int) { return x == 10 ? 0xFF0000u : 0x0000FFu; });
    // Only the white column 0 and the black column 1 lie on the screen; the rest of the grid keeps the
    // fill of a capture beyond the edge, which must not count.
    const auto edge = Pixels([](int x, int) { return x == 0 ? 0xFFFFFFu : 0x0u; });
    const PixelRect edgeOnScreen{0, 0, 2, kSide};
    const struct {
        const std::vector<std::uint32_t>& Pixels;
        PixelRect Valid;
        int X, Y, Size;
        std::int32_t Average;
        const char* What;
    } cases[] = {
        {checker, kAll, 10, 10, 1, Grey(255), "the white pixel alone"},
        {checker, kAll, 10, 10, 3, Grey(197), "5 white of 9: linear 5/9"},
        {checker, kAll, 11, 10, 3, Grey(178), "4 white of 9"},
        {checker, kAll, 10, 10, 5, Grey(191), "13 white of 25"},
        {checker, kAll, 11, 10, 5, Grey(184), "12 white of 25"},
        {checker, kAll, 10, 10, 9, Grey(189), "41 white of 81"},
        {redBlue, kAll, 10, 10, 3, 0xD5'00'9C, "channels apart: red 3 of 9 (156), blue 6 of 9 (213)"},
        {edge, edgeOnScreen, 1, 3, 3, Grey(188), "white and black, three rows each"},
        {edge, edgeOnScreen, 1, 17, 9, Grey(188), "the square beyond the grid too"},
        {edge, edgeOnScreen, 0, 0, 5, Grey(188), "at the corner"},
        {edge, PixelRect{0, 0, 1, 1}, 0, 0, 9, Grey(255), "one pixel on the screen"},
    };
    for (const auto& sample : cases) {
        EXPECT_EQ(
            AverageSquare(PixelGrid{sample.Pixels.data(), kSide, kSide}, sample.Valid, sample.X, sample.Y, sample.Size),
            sample.Average)
            << sample.What << ": " << sample.Size << "x" << sample.Size << " at " << sample.X << "," << sample.Y;
    }
}

}  // namespace
}  // namespace tintrel
