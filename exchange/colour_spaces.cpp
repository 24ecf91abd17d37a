#include "exchange/colour_spaces.h"

#include <cmath>

#include "base/srgb_transfer.h"
#include "exchange/exchange_text.h"

namespace tintrel {

namespace {

double LabInverse(double t) {
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    const double cube = t * t * t;
    return cube > kEpsilon ? cube : (116.0 * t - 16.0) / kKappa;
}

}  // namespace

ColorRef CmykToColor(double cyan, double magenta, double yellow, double black) {
    const double white = 1.0 - black;
    return RgbColor(UnitToByte((1.0 - cyan) * white), UnitToByte((1.0 - magenta) * white),
                    UnitToByte((1.0 - yellow) * white));
}

ColorRef LabToColor(double lightness, double a, double b) {
    const double fy = (lightness + 16.0) / 116.0;
    const double x = 0.96422 * LabInverse(fy + a / 500.0);
    const double y = LabInverse(fy);
    const double z = 0.82521 * LabInverse(fy - b / 200.0);
    // XYZ under D50 to linear sRGB, Bradford-adapted to D65.
    const double red = 3.1338561 * x - 1.6168667 * y - 0.4906146 * z;
    const double green = -0.9787684 * x + 1.9161415 * y + 0.0334540 * z;
    const double blue = 0.0719453 * x - 0.2289914 * y + 1.4052427 * z;
    return RgbColor(UnitToByte(LinearToSrgb(red)), UnitToByte(LinearToSrgb(green)), UnitToByte(LinearToSrgb(blue)));
}

ColorRef HsbToColor(double hue, double saturation, double brightness) {
    const double degrees = std::isfinite(hue) ? std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) : 0.0;
    const double h = degrees / 60.0;
    const double chroma = brightness * saturation;
    const double second = chroma * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    const double low = brightness - chroma;
    // Red, green and blue before `low` is added, for each sixth of the hue circle.
    const double sixths[6][3] = {{chroma, second, 0.0}, {second, chroma, 0.0}, {0.0, chroma, second},
                                 {0.0, second, chroma}, {second, 0.0, chroma}, {chroma, 0.0, second}};
    const auto& rgb = sixths[static_cast<int>(h) % 6];
    return RgbColor(UnitToByte(rgb[0] + low), UnitToByte(rgb[1] + low), UnitToByte(rgb[2] + low));
}

}  // namespace tintrel
