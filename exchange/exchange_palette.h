#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "color/color_state.h"

namespace tintrel {

// A palette on its way in or out: pages of colours in row order, each page with its name in code
// page 932. Files other tools read hold UTF-8 or UTF-16 text; it is converted at this boundary only.
struct ExchangePage {
    std::string Name;
    std::int32_t Columns = 0;  // the grid's columns, for the formats that keep them; 0 when unknown
    std::vector<ColorRef> Colors;

    bool operator==(const ExchangePage&) const = default;
};

// Files larger than this are refused before they are read.
inline constexpr std::size_t kMaxExchangeFileBytes = std::size_t{16} * 1024 * 1024;

// A palette file that cannot be taken in, or a palette that a format cannot hold. The message is code
// page 932 text; one with "%s" names the file there.
class ExchangeError : public std::runtime_error {
public:
    explicit ExchangeError(const std::string& messageFormat) : std::runtime_error(messageFormat) {}
};

}  // namespace tintrel
