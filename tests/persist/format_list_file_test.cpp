#include "persist/format_list_file.h"

#include <gtest/gtest.h>

#include "persist/file_error.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

TEST(FormatListLineBreaks, EveryBreakBecomesCrLf) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb", "a\r\nb"},
        {"a\n\rb", "a\r\n\r\nb"},
        {"a\r\r\nb", "a\r\n\r\nb"},
        {"\n\n", "\r\n\r\n"},
        {"\r", "\r\n"},
        // A double-byte character whose second byte is a backslash or a letter stays whole.
        {"\x95\\\n\x83J", "\x95\\\r\n\x83J"},
        // A lead byte without a valid second byte is a byte of its own: the break after it is a break.
        {"\x83\n\x83", "\x83\r\n\x83"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(Escaped(NormalizeLineBreaks(input)), Escaped(expected)) << "input " << Escaped(input);
    }
}

TEST(FormatListFile, ReadsMissingEmptyAndLfOnlyFiles) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.fmt";
    EXPECT_EQ(ReadFormatListFile(path), std::nullopt);

    WriteBytes(path, "");
    EXPECT_EQ(ReadFormatListFile(path), std::string()) << "a file of zero bytes is an empty list";

    WriteBytes(path, "#\\RR\\GG\\BB\n\n\\R,\\G,\\B");
    EXPECT_EQ(Escaped(ReadFormatListFile(path).value()), Escaped("#\\RR\\GG\\BB\r\n\r\n\\R,\\G,\\B"));

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(ReadFormatListFile(path), std::nullopt) << "a directory is not a format list file";
}

TEST(FormatListFile, WritesTheTextByteForByte) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.fmt";
    const std::string_view texts[] = {"", "a\r\nb", "a\r\nb\r\n", "\x87\x90\r\n\xED\x40\\R"};
    for (const std::string_view text : texts) {
        WriteFormatListFile(path, text);
        EXPECT_EQ(Escaped(ReadBytes(path)), Escaped(text));
    }
    EXPECT_EQ(directory.Listing(), "Tintrel.fmt") << "no temporary file is left";
}

TEST(FormatListFile, AFailedWriteReportsThePathAndLeavesNothingBehind) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.fmt";
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path / "inside");
    try {
        WriteFormatListFile(path, "a\r\n");
        ADD_FAILURE() << "writing over a directory succeeded";
    } catch (const FileError& error) {
        // ファイル %s を作成できません
        EXPECT_EQ(Escaped(error.MessageFormat()),
                  Escaped("\x83t\x83@\x83"
                          "C\x83\x8B %s \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1"));
        EXPECT_EQ(error.Path(), path);
    }
    EXPECT_TRUE(std::filesystem::is_directory(path / "inside"));
    EXPECT_EQ(directory.Listing(), "Tintrel.fmt");
}

TEST(FormatListFile, AReadOnlyFileIsNotReplaced) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.fmt";
    WriteBytes(path, "kept\\R");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_THROW(WriteFormatListFile(path, "new"), FileError);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(ReadBytes(path), "kept\\R");
    EXPECT_EQ(directory.Listing(), "Tintrel.fmt");
}

}  // namespace
}  // namespace tintrel
