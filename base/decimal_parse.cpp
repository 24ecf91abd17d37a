#include "base/decimal_parse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace tintrel {
namespace {

// Below this a mantissa takes one more digit without passing 64 bits.
constexpr std::uint64_t kMantissaRoom = 1000000000000000000;
// Integers up to 2^53 and powers of ten up to 10^22 are exact in a double, so one multiplication or
// division by such a power rounds once.
constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
constexpr int kExactPower = 22;
constexpr std::array<double, kExactPower + 1> kPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Past these powers even a one-digit or a nineteen-digit mantissa leaves the range of a double.
constexpr std::int64_t kOverflowPower = 310;
constexpr std::int64_t kUnderflowPower = -345;
// An exponent's digits beyond this change nothing but the outcome above.
constexpr std::int64_t kExponentCap = 100000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// mantissa * 10^power beyond the exact case, in the wider long double so that the result is rounded
// to a double only at the end.
double Scale(std::uint64_t mantissa, std::int64_t power) {
    long double factor = 1.0L;
    long double square = 10.0L;
    for (std::int64_t rest = power < 0 ? -power : power; rest != 0; rest >>= 1) {
        if ((rest & 1) != 0) {
            factor *= square;
        }
        square *= square;
    }
    const long double value = static_cast<long double>(mantissa);
    return static_cast<double>(power < 0 ? value / factor : value * factor);
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        pos = 1;
    }
    std::uint64_t mantissa = 0;
    std::int64_t power = 0;
    bool digits = false;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        digits = true;
        if (mantissa < kMantissaRoom) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            power -= point ? 1 : 0;
        } else if (!point) {
            ++power;  // a digit past what the mantissa holds still counts in the magnitude
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        const bool negativePower = pos < text.size() && text[pos] == '-';
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
            ++pos;
        }
        if (pos == text.size() || !IsDigit(text[pos])) {
            return std::nullopt;
        }
        std::int64_t exponent = 0;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentCap);
        }
        power += negativePower ? -exponent : exponent;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    while (mantissa != 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        ++power;
    }
    double value = 0.0;
    if (mantissa == 0) {
        value = 0.0;
    } else if (mantissa <= kExactMantissa && power >= -kExactPower && power <= kExactPower) {
        const double whole = static_cast<double>(mantissa);
        value = power < 0 ? whole / kPowers[static_cast<std::size_t>(-power)]
                          : whole * kPowers[static_cast<std::size_t>(power)];
    } else if (power > kOverflowPower || power < kUnderflowPower) {
        return std::nullopt;
    } else {
        value = Scale(mantissa, power);
        if (std::isinf(value) || value == 0.0) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

}  // namespace tintrel
