// Files that are no palette, or broken ones: each reader refuses them with a message that says why.
#include <gtest/gtest.h>

#include <string>

#include "exchange/exchange_messages.h"
#include "exchange/palette_import.h"

namespace tintrel {
namespace {

std::string Be16(unsigned value) {
    return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}
std::string Be32(std::uint32_t value) {
    return Be16(value >> 16) + Be16(value & 0xFFFF);
}

const std::string kAseHead = std::string("ASEF") + Be16(1) + Be16(0);
// A group block named "g".
const std::string kGroup = Be16(0xC001) + Be32(6) + Be16(2) + Be16('g') + Be16(0);

std::string LineMessage(int line) {
    return std::string(kFileLinePrefix) + std::to_string(line) + std::string(kLineNotAColor);
}

struct Hostile {
    const char* What;
    std::string Bytes;
    std::string Message;
};

TEST(HostileFiles, AreRefusedWithTheReason) {
    const Hostile cases[] = {
        {"empty", "", std::string(kFileEmpty)},
        {"larger than 16 MB", std::string(kMaxExchangeFileBytes + 1, '0'), std::string(kFileTooLarge)},
        {"text of no format", "hello\nworld\n", std::string(kNotAPalette)},
        {"binary junk", std::string("\x7F\x45LF\x02\x01", 6), std::string(kNotAPalette)},
        {"only blank lines", "\r\n  \r\n", std::string(kNotAPalette)},
        // Swatch exchange files.
        {"ase header cut", std::string("ASEF\0\1", 6), std::string(kTruncated)},
        {"ase claims more blocks than bytes", kAseHead + Be32(1000) + kGroup, std::string(kClaimsTooMuch)},
        {"ase block longer than the file", kAseHead + Be32(1) + Be16(1) + Be32(4000) + "abc",
         std::string(kClaimsTooMuch)},
        {"ase name longer than its block", kAseHead + Be32(1) + Be16(0xC001) + Be32(4) + Be16(500) + "ab",
         std::string(kClaimsTooMuch)},
        {"ase swatch cut inside its values",
         kAseHead + Be32(1) + Be16(1) + Be32(12) + Be16(1) + Be16(0) + "RGB " + std::string("\x3F\x80\0\0", 4),
         std::string(kTruncated)},
        {"ase unknown colour model", kAseHead + Be32(1) + Be16(1) + Be32(12) + Be16(1) + Be16(0) + "XYZ " + "1234",
         std::string(kUnknownColorModel)},
        {"ase with groups only", kAseHead + Be32(2) + kGroup + Be16(0xC002) + Be32(0), std::string(kNoColors)},
        // Photoshop swatches.
        {"aco count beyond the file", Be16(1) + Be16(3) + std::string(10, '\0'), std::string(kClaimsTooMuch)},
        {"aco version 2 name beyond the file", Be16(2) + Be16(1) + std::string(10, '\0') + Be32(0x7FFFFFFF) + "ab",
         std::string(kClaimsTooMuch)},
        {"aco version 2 cut in its name length", Be16(2) + Be16(1) + std::string(10, '\0') + "\0\0",
         std::string(kTruncated)},
        {"aco unknown colour space", Be16(1) + Be16(1) + Be16(99) + std::string(8, '\0'),
         std::string(kUnknownColorModel)},
        {"aco without colours", Be16(1) + Be16(0), std::string(kNoColors)},
        // Text palettes.
        {"gimp line of two numbers", "GIMP Palette\n1 2 3\n4 5\n", LineMessage(3)},
        {"gimp component above 255", "GIMP Palette\n1 2 256 big\n", LineMessage(2)},
        {"gimp glued name", "GIMP Palette\n1 2 3x\n", LineMessage(2)},
        {"gimp without colours", "GIMP Palette\nName: n\n", std::string(kNoColors)},
        {"paint.net short line", ";p\nFF00000\n", LineMessage(2)},
        {"paint.net comments only", "; a\n; b\n", std::string(kNoColors)},
        {"plain text bad second line", "#000000\n#00000G\n", LineMessage(2)},
        {"plain text component above 255", "1,2,3\n1,2,300\n", LineMessage(2)},
    };
    for (const Hostile& row : cases) {
        SCOPED_TRACE(row.What);
        try {
            ReadPaletteFile(row.Bytes, "C:\\f.txt");
            ADD_FAILURE() << "read without an error";
        } catch (const ExchangeError& error) {
            EXPECT_EQ(error.what(), row.Message);
        }
    }
}

}  // namespace
}  // namespace tintrel
