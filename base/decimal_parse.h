#pragma once

#include <optional>
#include <string_view>

namespace tintrel {

// A decimal number that fills the whole of `text`: an optional "-", digits with at most one "." among or
// after them (at least one digit in all), then optionally "e" or "E", an optional sign and digits. No "+"
// in front, no blanks, no hexadecimal, infinity or NaN. Correctly rounded when the digits without their
// zeros fit in 53 bits and the power of ten is at most 22 either way; within a unit in the last place
// beyond that. nullopt for any other text, and for a value too large for a double or so small that it
// would become zero.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace tintrel
