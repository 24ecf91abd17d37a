#include "base/cp932_text.h"

#include <gtest/gtest.h>

namespace tintrel {
namespace {

TEST(IsCp932LeadByte, AcceptsBothLeadRangesOnly) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const bool expected = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(IsCp932LeadByte(static_cast<unsigned char>(byte)), expected) << "byte 0x" << std::hex << byte;
    }
}

TEST(Cp932CharLength, CountsALeadAndAValidSecondByteAsOneCharacter) {
    EXPECT_EQ(Cp932CharLength("\x95\x5C", 0), 2u);  // 表, whose second byte is a backslash
    EXPECT_EQ(Cp932CharLength("\x81\x40", 0), 2u);  // ideographic space, lowest second byte
    EXPECT_EQ(Cp932CharLength("\xFC\xFC", 0), 2u);  // highest lead and second byte
    EXPECT_EQ(Cp932CharLength("a\xE0\x80", 1), 2u);
}

TEST(Cp932CharLength, KeepsMalformedBytesAsSingleCharacters) {
    EXPECT_EQ(Cp932CharLength("\x81\x7F", 0), 1u);  // 0x7F is no second byte
    EXPECT_EQ(Cp932CharLength("\x81\x3F", 0), 1u);
    EXPECT_EQ(Cp932CharLength("\x81\xFD", 0), 1u);
    EXPECT_EQ(Cp932CharLength("a\x81", 1), 1u);     // lead byte at the end
    EXPECT_EQ(Cp932CharLength("\xA0\x40", 0), 1u);  // 0xA0 leads nothing
    EXPECT_EQ(Cp932CharLength("\xB1\x40", 0), 1u);  // half-width katakana
    EXPECT_EQ(Cp932CharLength("\x5C\x5C", 0), 1u);
}

}  // namespace
}  // namespace tintrel
