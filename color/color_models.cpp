#include "color/color_models.h"

#include <algorithm>  // std::max, std::min
#include <cmath>      // std::atan2, std::cbrt, std::hypot

#include "base/srgb_transfer.h"

namespace tintrel {

namespace {

using Matrix = std::array<Components, 3>;

// Linear-light sRGB to XYZ (D65), as exact fractions of the primaries' chromaticities.
constexpr Matrix kLinearSrgbToXyz = {{
    {506752.0 / 1228815.0, 87881.0 / 245763.0, 12673.0 / 70218.0},
    {87098.0 / 409605.0, 175762.0 / 245763.0, 12673.0 / 175545.0},
    {7918.0 / 409605.0, 87881.0 / 737289.0, 1001167.0 / 1053270.0},
}};

// Bradford chromatic adaptation from the D65 white to the D50 white.
constexpr Matrix kD65ToD50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};

// The reference whites from their chromaticities, Y = 1.
constexpr Components kD50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr Components kD65White = {0.3127 / 0.3290, 1.0, (1.0 - 0.3127 - 0.3290) / 0.3290};

// OKLab: linear sRGB to cone responses, and the cube roots of those to L, a, b.
constexpr Matrix kLinearSrgbToLms = {{
    {0.4122214708, 0.5363325363, 0.0514459929},
    {0.2119034982, 0.6806995451, 0.1073969566},
    {0.0883024619, 0.2817188376, 0.6299787005},
}};
constexpr Matrix kLmsToOkLab = {{
    {0.2104542553, 0.7936177850, -0.0040720468},
    {1.9779984951, -2.4285922050, 0.4505937099},
    {0.0259040371, 0.7827717662, -0.8086757660},
}};

Components Multiply(const Matrix& m, const Components& v) {
    Components result{};
    for (std::size_t row = 0; row < 3; ++row) {
        result[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    }
    return result;
}

bool IsGrey(Rgb8 color) {
    return color.R == color.G && color.G == color.B;
}

// The sRGB transfer function undone, for one 8-bit channel.
double Linear(std::uint8_t channel) {
    return SrgbToLinear(channel / 255.0);
}

Components LinearOf(Rgb8 color) {
    return {Linear(color.R), Linear(color.G), Linear(color.B)};
}

// CIE Lab from XYZ relative to `white`. A grey has exactly a = b = 0 whatever rounding the matrices bring.
Components LabOf(const Components& xyz, const Components& white, bool grey) {
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    Components f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double ratio = xyz[i] / white[i];
        f[i] = ratio > kEpsilon ? std::cbrt(ratio) : (kKappa * ratio + 16) / 116;
    }
    if (grey) {
        return {116 * f[1] - 16, 0.0, 0.0};
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// Hue and the two extremes shared by HSL, HSV and HWB, on the 0 to 255 scale.
struct HueRange {
    double Hue = 0;
    int Max = 0;
    int Min = 0;
};

HueRange HueRangeOf(Rgb8 color) {
    const int r = color.R;
    const int g = color.G;
    const int b = color.B;
    HueRange range{0.0, std::max({r, g, b}), std::min({r, g, b})};
    const int spread = range.Max - range.Min;
    if (spread == 0) {
        return range;
    }
    // One division of exact integers, so that hues such as 7.5 stay exact.
    if (range.Max == r) {
        range.Hue = 60.0 * (g - b + (g < b ? 6 * spread : 0)) / spread;
    } else if (range.Max == g) {
        range.Hue = 60.0 * (b - r + 2 * spread) / spread;
    } else {
        range.Hue = 60.0 * (r - g + 4 * spread) / spread;
    }
    return range;
}

}  // namespace

Rgb8 RgbOf(std::int32_t colorRef) {
    const auto bits = static_cast<std::uint32_t>(colorRef);
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}

Components HslOf(Rgb8 color) {
    const HueRange range = HueRangeOf(color);
    const int sum = range.Max + range.Min;
    // (max - l) / min(l, 1 - l) on the 0 to 1 scale, with l = sum / 510.
    const int below = std::min(sum, 510 - sum);
    const double saturation = below == 0 ? 0.0 : 100.0 * (range.Max - range.Min) / below;
    return {range.Hue, saturation, 100.0 * sum / 510};
}

Components HsvOf(Rgb8 color) {
    const HueRange range = HueRangeOf(color);
    const double saturation = range.Max == 0 ? 0.0 : 100.0 * (range.Max - range.Min) / range.Max;
    return {range.Hue, saturation, 100.0 * range.Max / 255};
}

Components HwbOf(Rgb8 color) {
    const HueRange range = HueRangeOf(color);
    return {range.Hue, 100.0 * range.Min / 255, 100.0 * (255 - range.Max) / 255};
}

Components XyzD65Of(Rgb8 color) {
    return Multiply(kLinearSrgbToXyz, LinearOf(color));
}

Components LabD50Of(Rgb8 color) {
    return LabOf(Multiply(kD65ToD50, XyzD65Of(color)), kD50White, IsGrey(color));
}

Components LabD65Of(Rgb8 color) {
    return LabOf(XyzD65Of(color), kD65White, IsGrey(color));
}

Components OkLabOf(Rgb8 color) {
    Components lms = Multiply(kLinearSrgbToLms, LinearOf(color));
    for (double& response : lms) {
        response = std::cbrt(response);
    }
    Components lab = Multiply(kLmsToOkLab, lms);
    if (IsGrey(color)) {
        lab[1] = 0.0;
        lab[2] = 0.0;
    }
    return lab;
}

Components PolarOf(const Components& lab) {
    if (lab[1] == 0.0 && lab[2] == 0.0) {
        return {lab[0], 0.0, 0.0};
    }
    constexpr double kDegreesPerRadian = 57.295779513082320876798;
    double hue = std::atan2(lab[2], lab[1]) * kDegreesPerRadian;
    if (hue < 0) {
        hue += 360;
    }
    // A tiny negative angle plus 360 can round to 360 itself.
    if (hue >= 360) {
        hue -= 360;
    }
    return {lab[0], std::hypot(lab[1], lab[2]), hue};
}

double RelativeLuminance(Rgb8 color) {
    return 0.2126 * Linear(color.R) + 0.7152 * Linear(color.G) + 0.0722 * Linear(color.B);
}

double ContrastRatio(Rgb8 first, Rgb8 second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace tintrel
