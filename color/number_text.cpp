#include "color/number_text.h"

#include <algorithm>  // std::clamp, std::min
#include <cmath>      // std::fabs, std::frexp, std::ldexp, std::isnan, std::isinf
#include <vector>

namespace tintrel {

namespace {

// The significant digits a fixed-point text keeps before it rounds at its last decimal.
constexpr int kSignificantDigits = 18;

// Appends the decimal digits of `value`, zero-padded to `width`. Written out rather than taken from
// the C runtime, whose number formatting differs between runtimes and locales.
void AppendUnsigned(std::string& text, std::uint64_t value, std::size_t width = 1) {
    char digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (width > count) {
        text.append(width - count, '0');
    }
    while (count > 0) {
        text += digits[--count];
    }
}

// A non-negative number as decimal digits: value = 0.Digits × 10^IntDigits. Digits has no leading
// zero and is empty for zero; IntDigits may be negative or exceed the number of digits.
struct DecimalDigits {
    std::string Digits;
    int IntDigits = 0;
};

// An unsigned integer in base-10^9 limbs, least significant first. A double's exact expansion has at
// most 767 significant digits, so under a hundred limbs and multiplication by a small factor suffice.
class BigDecimal {
public:
    explicit BigDecimal(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    // Multiplies by base^exponent, in steps whose factor fits in 32 bits.
    void MultiplyPower(std::uint32_t base, int exponent, std::uint32_t stepFactor, int stepExponent) {
        for (; exponent >= stepExponent; exponent -= stepExponent) {
            Multiply(stepFactor);
        }
        for (; exponent > 0; --exponent) {
            Multiply(base);
        }
    }

    // The decimal digits without leading zeros ("0" for zero).
    std::string ToString() const {
        std::string text;
        AppendUnsigned(text, limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            AppendUnsigned(text, *it, 9);
        }
        return text;
    }

private:
    static constexpr std::uint32_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

// The exact decimal expansion of a finite, non-negative double. A double is M × 2^E with whole M, so
// for E < 0 it equals M × 5^-E × 10^E, whose digits come from the whole number M × 5^-E.
DecimalDigits ExactDigits(double value) {
    DecimalDigits result;
    if (value == 0.0) {
        return result;
    }
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    BigDecimal number(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
    exponent -= 53;
    if (exponent >= 0) {
        number.MultiplyPower(2, exponent, std::uint32_t{1} << 31, 31);
    } else {
        number.MultiplyPower(5, -exponent, 1220703125, 13);  // 5^13, the largest power below 2^31
    }
    result.Digits = number.ToString();
    result.IntDigits = static_cast<int>(result.Digits.size()) + std::min(exponent, 0);
    // Trailing zeros carry no value and would only lengthen the rounding below.
    const auto lastNonZero = result.Digits.find_last_not_of('0');
    result.Digits.erase(lastNonZero + 1);
    return result;
}

// Keeps the first `keep` significant digits, rounding half away from zero. A negative `keep` rounds at
// a place two or more above the first digit, where the value is below a tenth of the unit: zero.
void RoundDigits(DecimalDigits& number, int keep) {
    if (keep >= static_cast<int>(number.Digits.size())) {
        return;
    }
    if (keep < 0) {
        number.Digits.clear();
        return;
    }
    const bool roundUp = number.Digits[static_cast<std::size_t>(keep)] >= '5';
    number.Digits.erase(static_cast<std::size_t>(keep));
    if (!roundUp) {
        return;
    }
    while (!number.Digits.empty() && number.Digits.back() == '9') {
        number.Digits.pop_back();
    }
    if (number.Digits.empty()) {
        number.Digits.push_back('1');
        ++number.IntDigits;
    } else {
        ++number.Digits.back();
    }
}

// The digit at `index` counted from the first significant digit, '0' outside the stored digits.
char DigitAt(const DecimalDigits& number, int index) {
    if (index < 0 || index >= static_cast<int>(number.Digits.size())) {
        return '0';
    }
    return number.Digits[static_cast<std::size_t>(index)];
}

}  // namespace

std::string FormatHex2(std::int32_t value) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), kHexDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (text.size() < 2) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string FormatDecimal(std::int32_t value) {
    // Widened so that the magnitude of the smallest 32-bit value is representable.
    const std::int64_t wide = value;
    std::string text = wide < 0 ? "-" : "";
    AppendUnsigned(text, static_cast<std::uint64_t>(wide < 0 ? -wide : wide));
    return text;
}

std::string FormatFixed(double value, int decimals, std::string_view separator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    decimals = std::clamp(decimals, 0, 9);
    DecimalDigits number = ExactDigits(std::fabs(value));
    RoundDigits(number, kSignificantDigits);
    RoundDigits(number, number.IntDigits + decimals);

    std::string text;
    if (value < 0 && !number.Digits.empty()) {
        text += '-';
    }
    if (number.IntDigits <= 0) {
        text += '0';
    }
    for (int i = 0; i < number.IntDigits; ++i) {
        text += DigitAt(number, i);
    }
    if (decimals > 0) {
        text += separator;
        for (int i = 0; i < decimals; ++i) {
            text += DigitAt(number, number.IntDigits + i);
        }
    }
    return text;
}

}  // namespace tintrel
