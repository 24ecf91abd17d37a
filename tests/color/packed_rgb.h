#pragma once

#include <cstdint>

#include "color/color_models.h"

namespace tintrel::test_support {

// Colours written as 0xRRGGBB in the tables, and back.
inline Rgb8 Channels(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)};
}

inline std::uint32_t Packed(Rgb8 c) {
    return static_cast<std::uint32_t>(c.R) << 16 | static_cast<std::uint32_t>(c.G) << 8 | c.B;
}

}  // namespace tintrel::test_support
