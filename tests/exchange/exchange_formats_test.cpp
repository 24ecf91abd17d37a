// Every format written and read back, the files other tools write, the hostile ones, and the exact text of
// the writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "exchange/exchange_messages.h"
#include "exchange/exchange_text.h"
#include "exchange/palette_export.h"
#include "exchange/palette_import.h"
#include "exchange/swatch_formats.h"
#include "exchange/text_formats.h"
#include "exchange/web_palettes.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

// 色1 and a plain name.
const std::string kJapaneseName = "\x90\x46\x31";

ExchangePage Page(std::string name, std::int32_t columns, std::size_t count, std::uint32_t seed) {
    ExchangePage page{std::move(name), columns, {}};
    for (std::size_t index = 0; index < count; ++index) {
        page.Colors.push_back(static_cast<ColorRef>((seed * 2654435761U + index * 40503U) & 0xFFFFFF));
    }
    page.Colors.front() = 0;  // black and white are the edges of every component
    page.Colors.back() = 0xFFFFFF;
    return page;
}

const ExportType& TypeOf(ExportFormat format, bool allPages) {
    for (const ExportType& type : ExportTypes()) {
        if (type.Format == format && type.AllPages == allPages) {
            return type;
        }
    }
    throw std::logic_error("no such type");
}

struct RoundTrip {
    ExportFormat Format;
    bool AllPages;
    PaletteFormat Detected;
    std::string_view FormatTemplate;
    std::size_t Colors;
};

TEST(ExchangeRoundTrip, EveryFormatThatHoldsColoursGivesBackColoursAndName) {
    const RoundTrip cases[] = {
        {ExportFormat::Gpl, false, PaletteFormat::Gpl, "", 256},
        {ExportFormat::Ase, false, PaletteFormat::Ase, "", 256},
        {ExportFormat::Ase, true, PaletteFormat::Ase, "", 3},
        {ExportFormat::Aco, false, PaletteFormat::Aco, "", 256},
        {ExportFormat::PaintNet, false, PaletteFormat::PaintNet, "", 96},
        {ExportFormat::Css, false, PaletteFormat::Css, "", 256},
        {ExportFormat::Css, true, PaletteFormat::Css, "", 3},
        {ExportFormat::Json, false, PaletteFormat::Json, "", 256},
        {ExportFormat::Json, true, PaletteFormat::Json, "", 3},
        {ExportFormat::TemplateText, false, PaletteFormat::PlainText, "#\\RR\\GG\\BB", 256},
        {ExportFormat::TemplateText, false, PaletteFormat::PlainText, "\\RR\\GG\\BB", 256},
        {ExportFormat::TemplateText, false, PaletteFormat::PlainText, "\\R,\\G,\\B", 256},
    };
    for (const RoundTrip& row : cases) {
        for (const bool lowerCase : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << "format " << static_cast<int>(row.Format) << " " << row.FormatTemplate
                         << (row.AllPages ? " all pages" : "") << (lowerCase ? " lower case" : ""));
            const std::vector<ExchangePage> pages{Page("other", 16, 16, 1), Page(kJapaneseName, 16, row.Colors, 2)};
            const std::string bytes = WriteExport(TypeOf(row.Format, row.AllPages), pages, 1, row.FormatTemplate,
                                                  TextOptions{lowerCase, ","});
            EXPECT_EQ(DetectFormat(bytes), row.Detected);
            // Formats without a name of their own take the file's, which the export names after the page.
            const std::vector<ExchangePage> read = ReadPaletteFile(bytes, "C:\\dir.x\\" + kJapaneseName + ".ext").Pages;
            const std::vector<ExchangePage> expected = row.AllPages ? pages : std::vector{pages[1]};
            ASSERT_EQ(read.size(), expected.size());
            for (std::size_t index = 0; index < read.size(); ++index) {
                EXPECT_EQ(read[index].Name, expected[index].Name);
                EXPECT_EQ(read[index].Colors, expected[index].Colors);
            }
        }
    }
}

// What a writer or reader refused with, or "no error".
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ExchangeError& error) {
        return error.what();
    }
    return "no error";
}

TEST(ExchangeWriters, WriteTheDocumentedText) {
    const ExchangePage page{kJapaneseName, 2, {0x003C2B1A, 0x00FFFFFF, 0x00000000}};
    EXPECT_EQ(WriteGpl(page),
              "GIMP Palette\nName: \xE8\x89\xB2"
              "1\nColumns: 2\n#\n 26  43  60\t#1A2B3C\n255 255 255\t#FFFFFF\n"
              "  0   0   0\t#000000\n");
    EXPECT_EQ(WritePaintNet(page),
              "; \xE8\x89\xB2"
              "1\r\nFF1A2B3C\r\nFFFFFFFF\r\nFF000000\r\n");
    EXPECT_EQ(WriteCss({page, ExchangePage{"9 a.b", 1, {0x0000FF}}, ExchangePage{"9 a.b", 1, {0}}}),
              ":root {\n  --\xE8\x89\xB2"
              "1-1-1: #1a2b3c;\n  --\xE8\x89\xB2"
              "1-1-2: #ffffff;\n  --\xE8\x89\xB2"
              "1-2-1: #000000;\n  --_9_a_b-1-1: #ff0000;\n  --_9_a_b-2-1-1: #000000;\n}\n");
    EXPECT_EQ(WriteJson({ExchangePage{"$a\"{b}", 1, {0x003C2B1A}}}),
              "{\n  \"_$a\\\"_b_\": {\n    \"1-1\": {\"$type\": \"color\", \"$value\": {\"colorSpace\": \"srgb\", "
              "\"components\": [0.1020, 0.1686, 0.2353], \"hex\": \"#1a2b3c\"}}\n  }\n}\n");
    EXPECT_EQ(WriteTemplateText(page, "\\R3 \\W", TextOptions{false, ","}),
              "0,102 3943194\r\n1,000 16777215\r\n0,000 0\r\n");
    EXPECT_EQ(ErrorOf([] { WritePaintNet(Page("p", 16, 96, 1)); }), "no error");
    EXPECT_NE(ErrorOf([] { WritePaintNet(Page("p", 16, 97, 1)); }).find(" 97 "), std::string::npos);
}

// Files as the formats are documented, with what the writer never writes: other colour models, swatches
// outside any group, data after a swatch, a version 1 section alone, a byte order mark, odd spacing.
std::string Be16(unsigned value) {
    return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}
std::string Be32(std::uint32_t value) {
    return Be16(value >> 16) + Be16(value & 0xFFFF);
}
std::string BeFloat(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return Be32(bits);
}
std::string AseName(std::u16string name) {
    std::string out = Be16(static_cast<unsigned>(name.size() + 1));
    for (const char16_t unit : name + u'\0') {
        out += Be16(unit);
    }
    return out;
}
std::string AseBlock(unsigned type, const std::string& body) {
    return Be16(type) + Be32(static_cast<std::uint32_t>(body.size())) + body;
}
std::string AseSwatch(const std::string& model, std::vector<float> values) {
    std::string body = AseName(u"s") + model;
    for (const float value : values) {
        body += BeFloat(value);
    }
    return AseBlock(1, body + Be16(2) + "extra");
}

TEST(ExchangeReaders, ReadTheFilesOtherToolsWrite) {
    const auto aco = [](unsigned space, unsigned w, unsigned x, unsigned y, unsigned z) {
        return Be16(space) + Be16(w) + Be16(x) + Be16(y) + Be16(z);
    };
    const std::string aco1 = Be16(1) + Be16(5) + aco(0, 0xFFFF, 0x8080, 0, 0) +
                             aco(1, 0x5555, 0xFFFF, 0xFFFF, 0) +               // hue 120: green
                             aco(2, 0xFFFF, 0, 0, 0xFFFF) +                    // magenta and yellow: red
                             aco(7, 10000, 0, 0, 0) + aco(8, 10000, 0, 0, 0);  // white, black
    using Pages = std::vector<std::pair<std::string, std::vector<ColorRef>>>;
    const struct {
        std::string Bytes;
        Pages Expected;
        std::size_t NamesLost = 0;
    } cases[] = {
        // Lab 50 under D50 is the sRGB grey 119.
        {"ASEF" + Be16(1) + Be16(0) + Be32(7) + AseSwatch("RGB ", {1.0F, 0.5F, 0.0F}) +
             AseBlock(0xC001, AseName(u"\u30B0\u30EB\u30FC\u30D7")) + AseSwatch("CMYK", {0.0F, 1.0F, 1.0F, 0.0F}) +
             AseSwatch("LAB ", {1.0F, 0.0F, 0.0F}) + AseSwatch("LAB ", {0.5F, 0.0F, 0.0F}) + AseSwatch("Gray", {0.2F}) +
             AseBlock(0xC002, ""),
         {{"loose", {0x0080FF}}, {"\x83O\x83\x8B\x81[\x83v", {0x0000FF, 0xFFFFFF, 0x777777, 0x333333}}}},
        {aco1, {{"loose", {0x0080FF, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000}}}},
        // The named version 2 section wins.
        {aco1 + Be16(2) + Be16(1) + aco(0, 0, 0, 0xFFFF, 0) + Be32(2) + Be16('n') + Be16(0), {{"loose", {0xFF0000}}}},
        {"\xEF\xBB\xBF#1a2b3c\r\n\r\n 26 , 43 ,60 \rFFFFFF", {{"loose", {0x3C2B1A, 0x3C2B1A, 0xFFFFFF}}}},
        {"; comment\n80FF0000\n", {{"loose", {0x0000FF}}}},
        {"GIMP Palette\r\nName:  \"Spaced\" \r\n#x\r\n1 2 3 a name\r\n", {{"Spaced", {0x030201}}}},
        // A group name of blanks before its name; a group without colours is no page.
        {"ASEF" + Be16(1) + Be16(0) + Be32(5) + AseBlock(0xC001, AseName(u"                    Blue")) +
             AseSwatch("RGB ", {0.0F, 0.0F, 1.0F}) + AseBlock(0xC002, "") + AseBlock(0xC001, AseName(u"empty")) +
             AseBlock(0xC002, ""),
         {{"Blue", {0xFF0000}}}},
        // A whole version 1 section, then a stray byte or a cut version 2 section: the colours, names lost.
        {aco1 + std::string(1, '\0'), {{"loose", {0x0080FF, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000}}}, 5},
        {aco1 + "x", {{"loose", {0x0080FF, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000}}}, 0},
        {aco1 + Be16(2) + Be16(5) + aco(0, 0, 0, 0xFFFF, 0) + Be32(2) + Be16('n'),
         {{"loose", {0x0080FF, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000}}},
         5},
        // Style sheets as people write them: comments, other rules and properties, rgb() in either syntax.
        {"/* colours */\n@media print { a { color: red; } }\n:root{--brand:#F00;--gap: 4px;\n"
         "  --x-1-1: rgb(0 128 255 / 50%); --x-1-2 : RGBA(100%, 0%, 0%, .5) !important;\n"
         "  --y-1-1: #00ff0080; --bad: rgb(1, 2); --s: \"#fff;\"; --z-1-1: #abc /* unended",
         {{"loose", {0x0000FF}}, {"x", {0xFF8000, 0x0000FF}}, {"y", {0x00FF00}}}},
        // Design tokens of the older form, nested groups, a colour token's hex when its space is not read,
        // and tokens that are no colours or are aliases.
        {"{\"a\": {\"$type\": \"color\", \"r\": {\"$value\": \"#ff0000\"}, \"in\": {\"g\": {\"$value\": \"#0f0\"}},"
         " \"b\": {\"$value\": {\"colorSpace\": \"display-p3\", \"components\": [1, 0, 0], \"hex\": \"#0000ff\"}}},"
         " \"w\": {\"$value\": {\"colorSpace\": \"srgb\", \"components\": [1, \"none\", 0.5], \"alpha\": 1}},"
         " \"\\u8272\": {\"$type\": \"color\", \"k\": {\"$value\": \"{a.r}\", \"$type\": \"color\"},"
         " \"d\": {\"$type\": \"dimension\", \"$value\": \"#123\"}, \"n\": {\"$value\": [1, true, null]},"
         " \"m\": {\"$value\": \"rgb(1,2,3)\"}}}",
         {{"a", {0x0000FF}},
          {"in", {0x00FF00}},
          {"a", {0xFF0000}},
          {"loose", {0x8000FF}},
          {"\x90"
           "F",
           {0x030201}}}},
    };
    for (const auto& row : cases) {
        Pages read;
        const PaletteFile file = ReadPaletteFile(row.Bytes, "C:\\loose.ase");
        for (const ExchangePage& page : file.Pages) {
            read.emplace_back(page.Name, page.Colors);
        }
        EXPECT_EQ(read, row.Expected) << test_support::Escaped(row.Bytes);
        EXPECT_EQ(file.NamesLost, row.NamesLost) << test_support::Escaped(row.Bytes);
    }
}

// Files that are no palette, or broken ones: each reader refuses them with a message that says why.
TEST(ExchangeReaders, RefuseHostileFilesWithTheReason) {
    const std::string aseHead = "ASEF" + Be16(1) + Be16(0);
    const std::string group = AseBlock(0xC001, AseName(u"g"));
    const std::string line2 = std::string(kFileLinePrefix) + "2" + std::string(kLineNotAColor);
    const std::string line3 = std::string(kFileLinePrefix) + "3" + std::string(kLineNotAColor);
    std::string deepGroups;
    for (int depth = 0; depth < 2000; ++depth) {
        deepGroups += "{\"g\": ";
    }
    deepGroups += "1" + std::string(2000, '}');
    const std::string line1Unreadable = std::string(kFileLinePrefix) + "1" + std::string(kLineUnreadable);
    const std::string line2Unreadable = std::string(kFileLinePrefix) + "2" + std::string(kLineUnreadable);
    const struct {
        const char* What;
        std::string Bytes;
        std::string_view Message;
    } cases[] = {
        {"empty", "", kFileEmpty},
        {"larger than 16 MB", std::string(kMaxExchangeFileBytes + 1, '0'), kFileTooLarge},
        {"text of no format", "hello\nworld\n", kNotAPalette},
        {"binary junk", std::string("\x7F\x45LF\x02\x01", 6), kNotAPalette},
        {"only blank lines", "\r\n  \r\n", kNotAPalette},
        {"ase header cut", std::string("ASEF\0\1", 6), kTruncated},
        {"ase claims more blocks than bytes", aseHead + Be32(1000) + group, kClaimsTooMuch},
        {"ase block longer than the file", aseHead + Be32(1) + Be16(1) + Be32(4000) + "abc", kClaimsTooMuch},
        {"ase name longer than its block", aseHead + Be32(1) + AseBlock(0xC001, Be16(500) + "ab"), kClaimsTooMuch},
        {"ase swatch cut in its values", aseHead + Be32(1) + AseBlock(1, AseName(u"") + "RGB " + BeFloat(1)),
         kTruncated},
        {"ase unknown colour model", aseHead + Be32(1) + AseBlock(1, AseName(u"") + "XYZ 1234"), kUnknownColorModel},
        {"ase with groups only", aseHead + Be32(2) + group + AseBlock(0xC002, ""), kNoColors},
        {"aco count beyond the file", Be16(1) + Be16(3) + std::string(10, '\0'), kClaimsTooMuch},
        {"aco v2 name beyond the file", Be16(2) + Be16(1) + std::string(10, '\0') + Be32(0x7FFFFFFF) + "ab",
         kClaimsTooMuch},
        {"aco v2 ending before its name length", Be16(2) + Be16(1) + std::string(10, '\0'), kTruncated},
        {"aco v2 cut in its name length", Be16(2) + Be16(1) + std::string(12, '\0'), kTruncated},
        {"aco unknown colour space", Be16(1) + Be16(1) + Be16(99) + std::string(8, '\0'), kUnknownColorModel},
        {"aco without colours", Be16(1) + Be16(0), kNoColors},
        {"gimp line of two numbers", "GIMP Palette\n1 2 3\n4 5\n", line3},
        {"gimp component above 255", "GIMP Palette\n1 2 256 big\n", line2},
        {"gimp glued name", "GIMP Palette\n1 2 3x\n", line2},
        {"gimp without colours", "GIMP Palette\nName: n\n", kNoColors},
        {"paint.net short line", ";p\nFF00000\n", line2},
        {"paint.net comments only", "; a\n; b\n", kNoColors},
        {"plain text bad second line", "#000000\n#00000G\n", line2},
        {"plain text component above 255", "1,2,3\n1,2,300\n", line2},
        {"16 MiB of line breaks", std::string(kMaxExchangeFileBytes, '\n'), kNotAPalette},
        {"aco version 1 cut", Be16(1) + Be16(2) + std::string(14, '\0'), kClaimsTooMuch},
        {"css without colours", ":root { --gap: 4px; /* #fff */ }", kNoColors},
        {"css comment never closed", "/* #ffffff", kNoColors},
        {"json that is no design tokens", "{\"name\": \"tintrel\", \"version\": [1, 2]}", kNoColors},
        {"json cut short", "{\"a\": {\"$value\": \"#fff\"}", line1Unreadable},
        {"json bad escape on line 2", "{\"a\":\n \"\\x\"}", line2Unreadable},
        {"json control character in a string", "{\"a\": \"\x01\"}", line1Unreadable},
        {"json trailing text", "{}\n{}", line2Unreadable},
        {"json groups nested too deep", deepGroups, line1Unreadable},
        {"json values nested too deep", "{\"a\": " + std::string(2000, '[') + std::string(2000, ']') + "}",
         line1Unreadable},
        {"json colour space not read", "{\"a\": {\"$value\": {\"colorSpace\": \"oklch\", \"components\": [1, 0, 0]}}}",
         kUnknownColorModel},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(ErrorOf([&] { ReadPaletteFile(row.Bytes, "C:\\f.txt"); }), row.Message) << row.What;
    }
}

TEST(ExchangeReaders, ReadTheGimpPalettesOfTheSystem) {
#ifdef _WIN32
    const std::filesystem::path folder = "Z:/usr/share/gimp/2.0/palettes";  // Wine's view of the Debian host
#else
    const std::filesystem::path folder = "/usr/share/gimp/2.0/palettes";
#endif
    if (!std::filesystem::is_directory(folder)) {
        GTEST_SKIP() << "no GIMP palettes here (Debian's gimp-data installs them)";
    }
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().string());
        const std::string text = test_support::ReadBytes(entry.path());
        std::size_t colours = 0;
        TextLines lines(text);
        for (std::string_view line; lines.Next(line);) {
            colours += !line.empty() && (line[0] == ' ' || (line[0] >= '0' && line[0] <= '9')) ? 1 : 0;
        }
        const std::size_t nameAt = text.find("\nName: ") + 7;
        const std::vector<ExchangePage> pages = ReadPaletteFile(text, entry.path().string()).Pages;
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].Name, PageNameFrom(text.substr(nameAt, text.find_first_of("\r\n", nameAt) - nameAt)));
        EXPECT_EQ(pages[0].Colors.size() + pages[0].ColorsNotKept, colours);
        // And out again as the GIMP palette it was, line for line in its colours.
        EXPECT_EQ(ReadGpl(WriteGpl(pages[0]), "x").Colors, pages[0].Colors);
        ++files;
    }
    EXPECT_GT(files, 10u);
}

TEST(ExportType, TypedExtensionDecidesElseTheChosenType) {
    const std::size_t aseAll = 2;
    const std::size_t templateText = ExportTypes().size() - 1;
    const struct {
        std::string_view Extension;
        std::size_t Chosen;
        ExportFormat Format;
        bool AllPages, AddExtension;
    } cases[] = {
        {"", 0, ExportFormat::Gpl, false, true},
        {".GPL", aseAll, ExportFormat::Gpl, false, false},
        {".ase", aseAll, ExportFormat::Ase, true, false},
        {".Ase", 0, ExportFormat::Ase, false, false},
        {".txt", templateText, ExportFormat::TemplateText, false, false},
        {".txt", 0, ExportFormat::PaintNet, false, false},
        {".backup", aseAll, ExportFormat::Ase, true, true},
        {".json", 99, ExportFormat::Json, false, false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.Extension) + " with type " + std::to_string(row.Chosen));
        const ExportDecision decision = DecideExportType(row.Extension, row.Chosen);
        const ExportType& type = ExportTypes()[decision.Type];
        EXPECT_EQ(std::tuple(type.Format, type.AllPages, decision.AddExtension),
                  std::tuple(row.Format, row.AllPages, row.AddExtension));
    }
}

}  // namespace
}  // namespace tintrel
