#include "color/color_models.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "color/css_color_names.h"

namespace tintrel {
namespace {

// A published value and how far from it a correct result may be: half a unit in its last digit.
struct Vector {
    std::uint32_t rgb;  // 0xRRGGBB
    Components expected;
    double tolerance;
    const char* source;
};

Rgb8 Channels(std::uint32_t rgb) {
    return RgbOf(static_cast<std::int32_t>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16));
}

template <typename Convert>
void ExpectVectors(Convert convert, std::initializer_list<Vector> vectors) {
    for (const Vector& v : vectors) {
        const Components actual = convert(Channels(v.rgb));
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(actual[i], v.expected[i], v.tolerance)
                << "#" << std::hex << v.rgb << std::dec << " component " << i << " (" << v.source << ")";
        }
    }
}

// A grey's hue, a, b and chroma are exactly zero, not rounding noise, in every model.
TEST(ColorModels, GreysHaveNoHueAndNoChroma) {
    for (const std::uint32_t grey : {0x000000u, 0x010101u, 0x767676u, 0x808080u, 0xFEFEFEu, 0xFFFFFFu}) {
        const Rgb8 c = Channels(grey);
        EXPECT_EQ(HslOf(c)[0], 0.0) << std::hex << grey;
        EXPECT_EQ(HslOf(c)[1], 0.0) << std::hex << grey;
        EXPECT_EQ(HsvOf(c)[0], 0.0) << std::hex << grey;
        EXPECT_EQ(HsvOf(c)[1], 0.0) << std::hex << grey;
        EXPECT_EQ(HwbOf(c)[0], 0.0) << std::hex << grey;
        for (const Components& lab : {LabD50Of(c), LabD65Of(c), OkLabOf(c)}) {
            const Components polar = PolarOf(lab);
            EXPECT_EQ(lab[1], 0.0) << std::hex << grey;
            EXPECT_EQ(lab[2], 0.0) << std::hex << grey;
            EXPECT_EQ(polar[1], 0.0) << std::hex << grey;
            EXPECT_EQ(polar[2], 0.0) << std::hex << grey;
        }
    }
}

constexpr const char* kCssHsl = "CSS Color 4, hsl() examples";
constexpr const char* kByHand = "worked from the definition";

TEST(ColorModels, HslMatchesCss) {
    ExpectVectors(HslOf, {{0xFF0000, {0, 100, 50}, 1e-9, kCssHsl},
                          {0x00FF00, {120, 100, 50}, 1e-9, kCssHsl},
                          {0x0000FF, {240, 100, 50}, 1e-9, kCssHsl},
                          {0xFFFF00, {60, 100, 50}, 1e-9, kCssHsl},
                          {0xFFA500, {38.824, 100, 50}, 5e-4, "CSS Color 4, orange is hsl(38.824 100% 50%)"},
                          {0xFFFFFF, {0, 0, 100}, 1e-9, kCssHsl},
                          {0x000000, {0, 0, 0}, 1e-9, kCssHsl},
                          {0x808080, {0, 0, 50.196}, 5e-4, kByHand},
                          {0x1A2B3C, {210, 39.535, 16.863}, 5e-4, kByHand},
                          {0xC03060, {340, 60, 47.059}, 5e-4, kByHand}});
}

TEST(ColorModels, HsvAndHwbShareTheHue) {
    ExpectVectors(HsvOf, {{0xFF0000, {0, 100, 100}, 1e-9, kByHand},
                          {0x008000, {120, 100, 50.196}, 5e-4, kByHand},
                          {0x000000, {0, 0, 0}, 1e-9, kByHand},
                          {0x1A2B3C, {210, 56.667, 23.529}, 5e-4, kByHand}});
    ExpectVectors(HwbOf, {{0xFF0000, {0, 0, 0}, 1e-9, "CSS Color 4, hwb(0 0% 0%) is red"},
                          {0xFFFFFF, {0, 100, 0}, 1e-9, "CSS Color 4, hwb() white"},
                          {0x000000, {0, 0, 100}, 1e-9, "CSS Color 4, hwb() black"},
                          {0x1A2B3C, {210, 10.196, 76.471}, 5e-4, kByHand}});
}

constexpr const char* kSrgbPrimaries = "sRGB primaries in XYZ (IEC 61966-2-1, CSS Color 4)";

TEST(ColorModels, XyzOfTheSrgbPrimaries) {
    ExpectVectors(XyzD65Of, {{0xFF0000, {0.4124, 0.2126, 0.0193}, 5e-5, kSrgbPrimaries},
                             {0x00FF00, {0.3576, 0.7152, 0.1192}, 5e-5, kSrgbPrimaries},
                             {0x0000FF, {0.1805, 0.0722, 0.9505}, 5e-5, kSrgbPrimaries},
                             {0xFFFFFF, {0.9505, 1.0000, 1.0891}, 5e-5, "the D65 white"},
                             {0x000000, {0, 0, 0}, 1e-12, kSrgbPrimaries},
                             {0x1A2B3C, {0.0211, 0.0227, 0.0460}, 5e-5, kByHand}});
}

constexpr const char* kCssCode = "CSS Color 4 sample code";

TEST(ColorModels, LabAndLchWithTheD50White) {
    ExpectVectors(LabD50Of, {{0xFF0000, {54.29, 80.80, 69.89}, 5e-3, kCssCode},
                             {0x00FF00, {87.82, -79.27, 80.99}, 5e-3, kCssCode},
                             {0x0000FF, {29.57, 68.29, -112.03}, 5e-3, kCssCode},
                             {0xFFFFFF, {100, 0, 0}, 1e-9, kCssCode},
                             {0x000000, {0, 0, 0}, 1e-9, kCssCode},
                             {0x808080, {53.59, 0, 0}, 5e-3, kCssCode},
                             {0x1A2B3C, {16.68, -2.85, -13.25}, 5e-3, kCssCode}});
    const auto lch = [](Rgb8 c) { return PolarOf(LabD50Of(c)); };
    ExpectVectors(lch, {{0xFF0000, {54.29, 106.84, 40.86}, 5e-3, kCssCode},
                        {0x0000FF, {29.57, 131.20, 301.36}, 5e-3, kCssCode},
                        {0xFFA500, {75.59, 83.77, 70.82}, 5e-3, kCssCode},
                        {0x1A2B3C, {16.68, 13.55, 257.85}, 5e-3, kCssCode}});
}

constexpr const char* kLabD65References = "sRGB primaries in CIE Lab D65 as colour-science references list them";

TEST(ColorModels, LabWithTheD65White) {
    ExpectVectors(LabD65Of, {{0xFF0000, {53.24, 80.09, 67.20}, 5e-3, kLabD65References},
                             {0x00FF00, {87.74, -86.18, 83.18}, 1e-2, kLabD65References},
                             {0x0000FF, {32.30, 79.20, -107.86}, 1e-2, kLabD65References},
                             {0xFFFFFF, {100, 0, 0}, 1e-9, kLabD65References},
                             {0x1A2B3C, {16.86, -1.22, -13.01}, 5e-3, kByHand}});
}

constexpr const char* kOttosson = "the OKLab author's published code, linear_srgb_to_oklab";

TEST(ColorModels, OkLabAndOkLch) {
    ExpectVectors(OkLabOf, {{0xFF0000, {0.627955, 0.224863, 0.125846}, 5e-7, kOttosson},
                            {0x00FF00, {0.866440, -0.233888, 0.179498}, 5e-7, kOttosson},
                            {0x0000FF, {0.452014, -0.032457, -0.311528}, 5e-7, kOttosson},
                            {0xFFFFFF, {1, 0, 0}, 5e-7, "the author's table: the D65 white is L 1, a 0, b 0"},
                            {0x000000, {0, 0, 0}, 1e-12, kOttosson},
                            {0x1A2B3C, {0.2826, -0.0137, -0.0363}, 5e-5, kByHand}});
    const auto oklch = [](Rgb8 c) { return PolarOf(OkLabOf(c)); };
    ExpectVectors(oklch, {{0xFF0000, {0.62796, 0.25768, 29.2339}, 5e-5, kOttosson},
                          {0x00FF00, {0.86644, 0.29483, 142.4953}, 5e-5, kOttosson},
                          {0x0000FF, {0.45201, 0.31321, 264.0520}, 5e-5, kOttosson},
                          {0x1A2B3C, {0.28261, 0.03883, 249.3445}, 5e-5, kByHand}});
}

TEST(ColorModels, WcagLuminanceAndContrast) {
    const struct {
        std::uint32_t first, second;
        double luminance;  // of the first
        double contrast;
        double tolerance;
        const char* source;
    } vectors[] = {
        {0xFFFFFF, 0x000000, 1.0, 21.0, 1e-12, "WCAG 2: white on black is 21:1"},
        {0x000000, 0x000000, 0.0, 1.0, 1e-12, "WCAG 2: a colour against itself is 1:1"},
        {0x767676, 0xFFFFFF, 0.1812, 4.54, 5e-3, "WebAIM: #767676 on white is 4.54:1"},
        {0x777777, 0xFFFFFF, 0.1845, 4.48, 5e-3, "WebAIM: #777777 on white is 4.48:1"},
        {0xFF0000, 0xFFFFFF, 0.2126, 4.00, 5e-3, "WCAG 2 coefficients: red is 0.2126"},
        {0x0000FF, 0xFFFFFF, 0.0722, 8.59, 5e-3, "WCAG 2 coefficients: blue is 0.0722"},
        // 10/255 lies below the 0.04045 threshold and takes the linear segment.
        {0x0A0A0A, 0x000000, 10 / 255.0 / 12.92, 1.06, 5e-3, "WCAG 2 linearisation"},
        {0x1A2B3C, 0xFFFFFF, 0.0227, 14.44, 5e-3, kByHand},
    };
    for (const auto& v : vectors) {
        EXPECT_NEAR(RelativeLuminance(Channels(v.first)), v.luminance, v.luminance < 0.01 ? 1e-12 : 5e-5) << v.source;
        EXPECT_NEAR(ContrastRatio(Channels(v.first), Channels(v.second)), v.contrast, v.tolerance) << v.source;
        EXPECT_DOUBLE_EQ(ContrastRatio(Channels(v.second), Channels(v.first)),
                         ContrastRatio(Channels(v.first), Channels(v.second)))
            << v.source;
    }
}

TEST(CssColorNames, ExactValuesGetTheirNameAndOthersTheNearest) {
    const struct {
        std::uint32_t rgb;
        const char* name;
    } rows[] = {
        // Exact values; of equal values the first in alphabetical order.
        {0xFF0000, "red"},
        {0x00FFFF, "aqua"},
        {0xFF00FF, "fuchsia"},
        {0x808080, "gray"},
        {0xA9A9A9, "darkgray"},
        {0x2F4F4F, "darkslategray"},
        {0x663399, "rebeccapurple"},
        {0xF0F8FF, "aliceblue"},
        {0x9ACD32, "yellowgreen"},
        // Nearest in OKLab.
        {0xFE0000, "red"},
        {0x010101, "black"},
        {0xFEFEFE, "white"},
        {0x7F7F7F, "gray"},
        {0x1A2B3C, "midnightblue"},
        {0xC03060, "crimson"},
        {0x336699, "steelblue"},
    };
    for (const auto& [rgb, name] : rows) {
        EXPECT_EQ(NearestCssColorName(Channels(rgb)), name) << std::hex << rgb;
    }
}

}  // namespace
}  // namespace tintrel
