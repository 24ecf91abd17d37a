#include "color/color_models.h"

#include <algorithm>  // std::clamp, std::max, std::min
#include <cmath>      // std::atan2, std::cbrt, std::cos, std::lround, std::sin, std::sqrt
#include <numbers>    // std::numbers::pi

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

// OKLab from XYZ (D65): to cone responses, and the cube roots of those to L, a, b. These are the matrices
// the web's colour module publishes, recomputed for its D65 white, so that the figures agree at every
// decimal with what web tools print; the author's original sRGB-based pair differs in the last of three
// decimals for about one colour in a hundred.
constexpr Matrix kXyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix kLmsToOkLab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};

// Their inverses as published with them, and XYZ back to linear-light sRGB as exact fractions.
constexpr Matrix kOkLabToLms = {{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};
constexpr Matrix kLmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix kXyzToLinearSrgb = {{
    {12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
    {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
    {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0},
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

Rgb8 RgbOfLinear(const Components& linear) {
    const auto encode = [](double channel) {
        return static_cast<std::uint8_t>(std::lround(LinearToSrgb(std::clamp(channel, 0.0, 1.0)) * 255));
    };
    return {encode(linear[0]), encode(linear[1]), encode(linear[2])};
}

Rgb8 RgbOf(std::int32_t colorRef) {
    const auto bits = static_cast<std::uint32_t>(colorRef);
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}

std::uint32_t ColorRefOf(Rgb8 color) {
    return static_cast<std::uint32_t>(color.R) | static_cast<std::uint32_t>(color.G) << 8 |
           static_cast<std::uint32_t>(color.B) << 16;
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
    return XyzOfLinearSrgb(LinearOf(color));
}

Components XyzOfLinearSrgb(const Components& linear) {
    return Multiply(kLinearSrgbToXyz, linear);
}

Components LinearSrgbOfXyz(const Components& xyz) {
    return Multiply(kXyzToLinearSrgb, xyz);
}

Components LabD50Of(Rgb8 color) {
    return LabOf(Multiply(kD65ToD50, XyzD65Of(color)), kD50White, IsGrey(color));
}

Components LabD65Of(Rgb8 color) {
    return LabOf(XyzD65Of(color), kD65White, IsGrey(color));
}

Components OkLabOf(Rgb8 color) {
    Components lms = Multiply(kXyzToLms, XyzD65Of(color));
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
    // In the order of operations of the web's sample code, so that a last decimal never differs.
    double hue = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
    if (hue < 0) {
        hue += 360;
    }
    // A tiny negative angle plus 360 can round to 360 itself.
    if (hue >= 360) {
        hue -= 360;
    }
    return {lab[0], std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]), hue};
}

Components LabOfPolar(const Components& lch) {
    const double radians = lch[2] * std::numbers::pi / 180;
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

Components LinearSrgbOfOkLab(const Components& lab) {
    Components lms = Multiply(kOkLabToLms, lab);
    for (double& response : lms) {
        response = response * response * response;
    }
    return LinearSrgbOfXyz(Multiply(kLmsToXyz, lms));
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
