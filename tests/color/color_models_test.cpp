#include "color/color_models.h"

#include <array>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "color/css_color_names.h"

namespace tintrel {
namespace {

// A published value and how far from it a correct result may be: half a unit in its last digit (the
// third component's own when it is published to fewer decimals, as hues often are).
struct Vector {
    std::uint32_t rgb;  // 0xRRGGBB
    Components expected;
    double tolerance;
    double thirdTolerance = 0;
};

Rgb8 Channels(std::uint32_t rgb) {
    return RgbOf(static_cast<std::int32_t>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16));
}

template <typename Convert>
void ExpectVectors(const char* model, const char* source, Convert convert, std::initializer_list<Vector> vectors) {
    for (const Vector& v : vectors) {
        const Components actual = convert(Channels(v.rgb));
        EXPECT_EQ(ColorRefOf(Channels(v.rgb)), (v.rgb & 0xFF) << 16 | (v.rgb & 0xFF00) | v.rgb >> 16)
            << std::hex << v.rgb;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(actual[i], v.expected[i], i == 2 && v.thirdTolerance > 0 ? v.thirdTolerance : v.tolerance)
                << model << " of #" << std::hex << v.rgb << std::dec << ", component " << i << " (" << source << ")";
        }
    }
}

// A grey's hue, a, b and chroma are exactly zero, not rounding noise (nor a -0 that turns the hue to 180).
TEST(ColorModels, GreysHaveNoHueAndNoChroma) {
    for (const std::uint32_t grey : {0x000000u, 0x010101u, 0x767676u, 0x808080u, 0xFEFEFEu, 0xFFFFFFu}) {
        const Rgb8 c = Channels(grey);
        const std::array cylinders{HslOf(c)[0], HslOf(c)[1], HsvOf(c)[0], HsvOf(c)[1], HwbOf(c)[0]};
        EXPECT_EQ(cylinders, (std::array<double, 5>{})) << std::hex << grey << ": HSL h s, HSV h s, HWB h";
        for (const Components& lab : {LabD50Of(c), LabD65Of(c), OkLabOf(c)}) {
            const std::array abChromaHue{lab[1], lab[2], PolarOf(lab)[1], PolarOf(lab)[2]};
            EXPECT_EQ(abChromaHue, (std::array<double, 4>{})) << std::hex << grey << ": a b C h";
        }
    }
}

constexpr const char* kByHand = "worked from the definition";

// One table per model. #1A2B3C is checked in every model, as printed, by the template tests, and so is the
// hue of #FF0001 that wraps below 360.
TEST(ColorModels, MatchThePublishedVectors) {
    ExpectVectors("HSL", "CSS Color 4: hsl() examples, orange is hsl(38.824 100% 50%)", HslOf,
                  {{0xFF0000, {0, 100, 50}, 1e-9},
                   {0x00FF00, {120, 100, 50}, 1e-9},
                   {0x0000FF, {240, 100, 50}, 1e-9},
                   {0xFFFF00, {60, 100, 50}, 1e-9},
                   {0xFFA500, {38.824, 100, 50}, 5e-4},
                   {0xFFFFFF, {0, 0, 100}, 1e-9},
                   {0x000000, {0, 0, 0}, 1e-9}});
    ExpectVectors("HSV", kByHand, HsvOf,
                  {{0xFF0000, {0, 100, 100}, 1e-9},
                   {0x008000, {120, 100, 50.196}, 5e-4},
                   {0x000000, {0, 0, 0}, 1e-9},
                   {0x1A2B3C, {210, 56.667, 23.529}, 5e-4}});
    ExpectVectors("HWB", "CSS Color 4: hwb(0 0% 0%) is red, hwb() white and black", HwbOf,
                  {{0xFF0000, {0, 0, 0}, 1e-9}, {0xFFFFFF, {0, 100, 0}, 1e-9}, {0x000000, {0, 0, 100}, 1e-9}});
    ExpectVectors("XYZ", "sRGB primaries and the D65 white in XYZ (IEC 61966-2-1, CSS Color 4)", XyzD65Of,
                  {{0xFF0000, {0.4124, 0.2126, 0.0193}, 5e-5},
                   {0x00FF00, {0.3576, 0.7152, 0.1192}, 5e-5},
                   {0x0000FF, {0.1805, 0.0722, 0.9505}, 5e-5},
                   {0xFFFFFF, {0.9505, 1.0000, 1.0891}, 5e-5},
                   {0x000000, {0, 0, 0}, 1e-12}});
    ExpectVectors("Lab D50", "CSS Color 4 sample code", LabD50Of,
                  {{0xFF0000, {54.29, 80.80, 69.89}, 5e-3},
                   {0x00FF00, {87.82, -79.27, 80.99}, 5e-3},
                   {0x0000FF, {29.57, 68.29, -112.03}, 5e-3},
                   {0xFFFFFF, {100, 0, 0}, 1e-9},
                   {0x000000, {0, 0, 0}, 1e-9},
                   {0x808080, {53.59, 0, 0}, 5e-3},
                   {0x1A2B3C, {16.68, -2.85, -13.25}, 5e-3}});
    ExpectVectors("Lab D50", "CSS Color 4 examples: #7654CD is lab(44.36% 36.05 -58.99)", LabD50Of,
                  {{0x7654CD, {44.36, 36.05, -58.99}, 5e-3}});
    ExpectVectors("LCh D50", "CSS Color 4 sample code", [](Rgb8 c) { return PolarOf(LabD50Of(c)); },
                  {{0xFF0000, {54.29, 106.84, 40.86}, 5e-3},
                   {0x0000FF, {29.57, 131.20, 301.36}, 5e-3},
                   {0xFFA500, {75.59, 83.77, 70.82}, 5e-3},
                   {0x1A2B3C, {16.68, 13.55, 257.85}, 5e-3}});
    ExpectVectors("Lab D65", "sRGB primaries in CIE Lab D65 as colour-science references list them", LabD65Of,
                  {{0xFF0000, {53.24, 80.09, 67.20}, 5e-3},
                   {0x00FF00, {87.74, -86.18, 83.18}, 1e-2},
                   {0x0000FF, {32.30, 79.20, -107.86}, 1e-2},
                   {0xFFFFFF, {100, 0, 0}, 1e-9}});
    ExpectVectors("OKLab", "the OKLab author's code (linear_srgb_to_oklab) and table (white is 1, 0, 0)", OkLabOf,
                  {{0xFF0000, {0.627955, 0.224863, 0.125846}, 5e-7},
                   {0x00FF00, {0.866440, -0.233888, 0.179498}, 5e-7},
                   {0x0000FF, {0.452014, -0.032457, -0.311528}, 5e-7},
                   {0xFFFFFF, {1, 0, 0}, 5e-7},
                   {0x000000, {0, 0, 0}, 1e-12}});
    ExpectVectors("OKLCH", "the OKLab author's code", [](Rgb8 c) { return PolarOf(OkLabOf(c)); },
                  {{0xFF0000, {0.62796, 0.25768, 29.2339}, 5e-5},
                   {0x00FF00, {0.86644, 0.29483, 142.4953}, 5e-5},
                   {0x0000FF, {0.45201, 0.31321, 264.0520}, 5e-5}});
    ExpectVectors("OKLCH",
                  "CSS Color 4 examples: sRGB blue is oklch(0.452 0.313 264.1); hsl(60deg 100% 50%), "
                  "hsl(220deg 100% 50%) and hsl(80deg 100% 50%) are oklch(0.968 0.211 109.8), "
                  "oklch(0.533 0.26 262.6) and oklch(0.91 0.245 129.9)",
                  [](Rgb8 c) { return PolarOf(OkLabOf(c)); },
                  {{0x0000FF, {0.452, 0.313, 264.1}, 5e-4, 5e-2},
                   {0xFFFF00, {0.968, 0.211, 109.8}, 5e-4, 5e-2},
                   {0x0055FF, {0.533, 0.26, 262.6}, 5e-3, 5e-2},
                   {0xAAFF00, {0.91, 0.245, 129.9}, 5e-3, 5e-2}});
}

TEST(ColorModels, WcagLuminanceAndContrast) {
    const struct {
        std::uint32_t first, second;
        double luminance, contrast, tolerance;  // luminance of the first; contrast in either order
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
        EXPECT_NEAR(ContrastRatio(Channels(v.second), Channels(v.first)), v.contrast, v.tolerance) << v.source;
    }
}

// Exact values (of equal values the first in alphabetical order), then the nearest in OKLab.
TEST(CssColorNames, ExactValuesGetTheirNameAndOthersTheNearest) {
    const struct {
        std::uint32_t rgb;
        const char* name;
    } rows[] = {
        {0xFF0000, "red"},         {0x00FFFF, "aqua"},          {0xFF00FF, "fuchsia"},       {0x808080, "gray"},
        {0xA9A9A9, "darkgray"},    {0x2F4F4F, "darkslategray"}, {0x663399, "rebeccapurple"}, {0xF0F8FF, "aliceblue"},
        {0x9ACD32, "yellowgreen"}, {0xFE0000, "red"},           {0x010101, "black"},         {0xFEFEFE, "white"},
        {0x7F7F7F, "gray"},        {0x1A2B3C, "midnightblue"},  {0xC03060, "crimson"},       {0x336699, "steelblue"}};
    for (const auto& [rgb, name] : rows) {
        EXPECT_EQ(NearestCssColorName(Channels(rgb)), name) << std::hex << rgb;
    }
}

}  // namespace
}  // namespace tintrel
