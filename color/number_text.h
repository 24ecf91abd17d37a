#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tintrel {

// The number texts of the readout and the templates, independent of the C locale.

// "%.2x": the value's 32-bit pattern in upper-case hexadecimal, at least two digits (0 gives "00").
std::string FormatHex2(std::int32_t value);

// "%d" and "%.d": signed decimal with at least one digit (0 gives "0").
std::string FormatDecimal(std::int32_t value);

// "%.nf": fixed point with `decimals` (0 to 9, clamped) decimals and at least one digit before
// `separator`; no separator when `decimals` is 0. The exact value of the double is first taken to 18
// significant digits, then rounded at the last decimal, halves away from zero; so 26/255 with 3
// decimals gives "0.102" and 0.125 with 2 gives "0.13". A value that rounds to zero has no minus
// sign. NaN gives "NAN" and the infinities "INF" and "-INF".
std::string FormatFixed(double value, int decimals, std::string_view separator);

}  // namespace tintrel
