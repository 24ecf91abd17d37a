#pragma once

#include "color/color_state.h"

namespace tintrel {

// Colours of other colour spaces as sRGB, the way swatch files hold them.

// Ink amounts from 0 (none) to 1 (full), converted without a colour profile.
ColorRef CmykToColor(double cyan, double magenta, double yellow, double black);
// CIE L*a*b* under the D50 white (L* 0 to 100), adapted to sRGB's D65 white.
ColorRef LabToColor(double lightness, double a, double b);
// Hue 0 to 360 degrees, saturation and brightness 0 to 1.
ColorRef HsbToColor(double hue, double saturation, double brightness);

}  // namespace tintrel
