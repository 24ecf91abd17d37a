// The integer parse: any text gives either the caller's default or a number whose decimal text reads
// back as the same number.
#include <charconv>

#include "base/integer_parse.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tintrel::ParseInteger;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t first = ParseInteger(text, 7);
    const std::int32_t second = ParseInteger(text, -8);
    if (first != second) {
        FUZZ_CHECK(first == 7 && second == -8);
        return 0;
    }
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, first).ptr;
    const std::string decimal(digits, end);
    FUZZ_CHECK(ParseInteger(decimal, first ^ 1) == first);
    FUZZ_CHECK(ParseInteger("  " + decimal, first ^ 1) == first);
    FUZZ_CHECK(ParseInteger(decimal + " ", first ^ 1) == (first ^ 1));
    return 0;
}
