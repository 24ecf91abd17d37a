#pragma once

#include <array>
#include <cstdint>

namespace tintrel {

// The colour models the templates print, for an 8-bit sRGB colour. Conversions follow the CSS colour
// module's definitions, constants and matrices, OKLab included. A grey (red = green = blue) has hue 0
// and a, b and chroma exactly 0 in every model.

struct Rgb8 {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
};

// The three low bytes of a 0x00BBGGRR value.
Rgb8 RgbOf(std::int32_t colorRef);
// The colour as a 0x00BBGGRR value.
std::uint32_t ColorRefOf(Rgb8 color);

// Three components in the order the model names them (h, s, l; L, a, b; ...).
using Components = std::array<double, 3>;

// The 8-bit colour of linear-light sRGB channels, each clamped to 0 to 1 and rounded once to the nearest
// step.
Rgb8 RgbOfLinear(const Components& linear);

// Hue in degrees [0, 360) and saturation and lightness in percent, as CSS hsl().
Components HslOf(Rgb8 color);
// Hue in degrees, saturation and value in percent.
Components HsvOf(Rgb8 color);
// Hue in degrees, whiteness and blackness in percent, as CSS hwb().
Components HwbOf(Rgb8 color);
// CIE XYZ relative to the D65 white, Y of white 1.
Components XyzD65Of(Rgb8 color);
// XYZ (D65) of linear-light sRGB channels (0 to 1 inside the gamut), and back.
Components XyzOfLinearSrgb(const Components& linear);
Components LinearSrgbOfXyz(const Components& xyz);
// CIE Lab with the D50 white (Bradford-adapted from D65), as CSS lab(); L from 0 to 100.
Components LabD50Of(Rgb8 color);
// CIE Lab with the D65 white.
Components LabD65Of(Rgb8 color);
// OKLab, L from 0 to 1.
Components OkLabOf(Rgb8 color);
// The polar form of a Lab-like triple: L, chroma, hue in degrees [0, 360); hue 0 when a and b are 0.
Components PolarOf(const Components& lab);

// The rectangular form of a polar triple (L, chroma, hue in degrees).
Components LabOfPolar(const Components& lch);
// Linear-light sRGB of an OKLab triple; channels outside 0 to 1 are outside the sRGB gamut.
Components LinearSrgbOfOkLab(const Components& lab);

// WCAG 2 relative luminance, 0 to 1.
double RelativeLuminance(Rgb8 color);
// WCAG 2 contrast ratio of two colours, 1 to 21, whichever is lighter.
double ContrastRatio(Rgb8 first, Rgb8 second);

}  // namespace tintrel
