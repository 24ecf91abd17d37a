#pragma once

#include <cstdint>

namespace tintrel {

// A colour laid out 0x00BBGGRR (red in the low byte), held signed as the files store it.
// Bits 24 to 31 are not part of the colour.
using ColorRef = std::int32_t;

// The one current colour of the program and its components, derived once by SetColor so that the
// readout and the template engine only read stored values. CurC to CurK are on a 0 to 255 scale.
struct ColorState {
    bool HasColor = false;
    ColorRef CurColor = 0;
    std::uint8_t CurR = 0;
    std::uint8_t CurG = 0;
    std::uint8_t CurB = 0;
    double CurC = 0.0;
    double CurM = 0.0;
    double CurY = 0.0;
    double CurK = 0.0;
};

// Makes `color` current. The components always come from the three low bytes, so any value,
// negative ones included, gives displayable components; CurColor keeps the whole value.
void SetColor(ColorState& state, ColorRef color);

// Forgets the current colour; the components keep their last values.
void ClearColor(ColorState& state);

// Nearest integer, halves away from zero, without the error an added one half would bring.
// Values beyond the 32-bit range are clamped to it; NaN gives 0.
std::int32_t RoundHalfAway(double x);

}  // namespace tintrel
