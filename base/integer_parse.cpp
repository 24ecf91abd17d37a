#include "base/integer_parse.h"

#include <array>

namespace tintrel {
namespace {

constexpr std::int64_t kMagnitudeLimit = 2147483648;  // |INT32_MIN|

std::int32_t ParseHex(std::string_view digits, std::int32_t defaultValue) {
    if (digits.empty()) {
        return defaultValue;
    }
    const auto significant = digits.find_first_not_of('0');
    if (significant != digits.npos && digits.size() - significant > 8) {
        return defaultValue;
    }
    std::uint32_t pattern = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return defaultValue;
        }
        pattern = pattern << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(pattern);
}

std::int32_t ParseDecimal(std::string_view text, std::int32_t defaultValue) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return defaultValue;
    }
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return defaultValue;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kMagnitudeLimit) {
            return defaultValue;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return value == kMagnitudeLimit ? defaultValue : static_cast<std::int32_t>(value);
}

}  // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::int32_t ParseInteger(std::string_view text, std::int32_t defaultValue) {
    const auto start = text.find_first_not_of(' ');
    if (start == text.npos) {
        return defaultValue;
    }
    text.remove_prefix(start);
    static constexpr std::array<std::string_view, 5> kHexPrefixes = {"0x", "0X", "$", "x", "X"};
    for (const auto prefix : kHexPrefixes) {
        if (text.starts_with(prefix)) {
            return ParseHex(text.substr(prefix.size()), defaultValue);
        }
    }
    return ParseDecimal(text, defaultValue);
}

}  // namespace tintrel
