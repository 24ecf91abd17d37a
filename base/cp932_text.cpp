#include "base/cp932_text.h"

namespace tintrel {

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t Cp932CharLength(std::string_view text, std::size_t pos) {
    if (pos + 1 >= text.size() || !IsCp932LeadByte(static_cast<unsigned char>(text[pos]))) {
        return 1;
    }
    const auto trail = static_cast<unsigned char>(text[pos + 1]);
    const bool validTrail = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
    return validTrail ? 2 : 1;
}

}  // namespace tintrel
