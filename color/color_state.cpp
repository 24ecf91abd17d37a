#include "color/color_state.h"

#include <cmath>
#include <limits>

namespace tintrel {

namespace {

// Both return the second argument when the two are equal, as the conversion is defined.
double Max(double a, double b) {
    return a > b ? a : b;
}
double Min(double a, double b) {
    return a < b ? a : b;
}

}  // namespace

void SetColor(ColorState& state, ColorRef color) {
    state.HasColor = true;
    state.CurColor = color;
    const auto bits = static_cast<std::uint32_t>(color);
    state.CurR = static_cast<std::uint8_t>(bits & 0xFF);
    state.CurG = static_cast<std::uint8_t>((bits >> 8) & 0xFF);
    state.CurB = static_cast<std::uint8_t>((bits >> 16) & 0xFF);

    // Device RGB to device CMYK as PostScript converts it, with under-colour removal and black
    // generation both the identity.
    double c = 1.0 - state.CurR / 255.0;
    double m = 1.0 - state.CurG / 255.0;
    double y = 1.0 - state.CurB / 255.0;
    const double k = Min(c, Min(m, y));
    c = Min(1.0, Max(0.0, c - k)) * 255.0;
    m = Min(1.0, Max(0.0, m - k)) * 255.0;
    y = Min(1.0, Max(0.0, y - k)) * 255.0;
    state.CurC = c;
    state.CurM = m;
    state.CurY = y;
    state.CurK = Min(1.0, Max(0.0, k)) * 255.0;
}

void ClearColor(ColorState& state) {
    state.HasColor = false;
    state.CurColor = 0;
}

std::int32_t RoundHalfAway(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x <= std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (x >= std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    // Adding one half in double precision would turn the largest double below one half into 1, and
    // some C runtimes' round() does exactly that; the difference from the truncated value is exact.
    const auto truncated = static_cast<std::int64_t>(x);
    const double fraction = x - static_cast<double>(truncated);
    if (fraction >= 0.5) {
        return static_cast<std::int32_t>(truncated + 1);
    }
    if (fraction <= -0.5) {
        return static_cast<std::int32_t>(truncated - 1);
    }
    return static_cast<std::int32_t>(truncated);
}

}  // namespace tintrel
