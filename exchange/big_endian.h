#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "exchange/exchange_messages.h"
#include "exchange/exchange_palette.h"

namespace tintrel::detail {

// Reads big-endian fields from a file's bytes; a field that runs past the end throws the truncated
// file's ExchangeError.
class BigEndianReader {
public:
    explicit BigEndianReader(std::string_view bytes) : rest_(bytes) {}

    std::size_t Remaining() const { return rest_.size(); }

    std::uint16_t U16() {
        const std::string_view field = Take(2);
        return static_cast<std::uint16_t>(Byte(field, 0) << 8 | Byte(field, 1));
    }
    std::uint32_t U32() {
        const std::string_view field = Take(4);
        return Byte(field, 0) << 24 | Byte(field, 1) << 16 | Byte(field, 2) << 8 | Byte(field, 3);
    }
    float F32() {
        const std::uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof(value));
        return value;
    }
    std::string_view Take(std::size_t count) {
        if (count > rest_.size()) {
            throw ExchangeError(std::string(kTruncated));
        }
        const std::string_view field = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return field;
    }
    // A length the file claims for what follows: longer than what is left is a broken file.
    std::string_view TakeClaimed(std::uint64_t count) {
        if (count > rest_.size()) {
            throw ExchangeError(std::string(kClaimsTooMuch));
        }
        return Take(static_cast<std::size_t>(count));
    }

private:
    static std::uint32_t Byte(std::string_view field, std::size_t index) {
        return static_cast<unsigned char>(field[index]);
    }

    std::string_view rest_;
};

inline void PutU16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value >> 8 & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

inline void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value >> 16);
    PutU16(out, value & 0xFFFF);
}

inline void PutF32(std::string& out, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    PutU32(out, bits);
}

}  // namespace tintrel::detail
