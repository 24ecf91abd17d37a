#include "ui/design_units.h"

#include <array>
#include <cstdint>
#include <cstdlib>  // std::abs

namespace tintrel {

namespace {

int KnownDpi(int dpi) {
    return dpi < 1 ? kDesignDpi : dpi;
}

// value * numerator / denominator, rounded halves away from zero, in 64 bits so that no product
// overflows; the denominator is positive.
int MultiplyDivide(int value, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{value} * numerator;
    const std::int64_t rounded = (std::abs(product) * 2 + denominator) / (std::int64_t{denominator} * 2);
    return static_cast<int>(product < 0 ? -rounded : rounded);
}

}  // namespace

int DesignToPixels(int designUnits, int dpi) {
    return MultiplyDivide(designUnits, KnownDpi(dpi), kDesignDpi);
}

int PixelsToDesign(int pixels, int dpi) {
    return MultiplyDivide(pixels, kDesignDpi, KnownDpi(dpi));
}

int PictureScalePercent(int dpi) {
    constexpr std::array<int, 3> kScales{100, 150, 200};
    const std::int64_t percent = std::int64_t{KnownDpi(dpi)} * 100;  // against kDesignDpi
    int nearest = kScales[0];
    for (const int scale : kScales) {
        if (std::abs(percent - std::int64_t{scale} * kDesignDpi) <=
            std::abs(percent - std::int64_t{nearest} * kDesignDpi)) {
            nearest = scale;
        }
    }
    return nearest;
}

UnitRect DesignToPixels(const UnitRect& design, int dpi) {
    return UnitRect{DesignToPixels(design.Left, dpi), DesignToPixels(design.Top, dpi),
                    DesignToPixels(design.Right, dpi), DesignToPixels(design.Bottom, dpi)};
}

}  // namespace tintrel
