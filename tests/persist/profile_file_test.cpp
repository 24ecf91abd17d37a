#include "persist/profile_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "persist/file_error.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

const std::filesystem::path kGoldenDir = std::filesystem::path(TINTREL_TEST_SOURCE_DIR) / "persist" / "golden";

// "%s に書き込めません" in code page 932.
const std::string kCannotWrite = "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

// "色1" in code page 932.
const std::string kColorOne = "\x90\x46\x31";

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        auto end = bytes.find_first_of("\r\n");
        end = end == bytes.npos ? bytes.size() : end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        lines.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end);
    }
    return lines;
}

// Compares line by line, so that a failure names the first line that differs.
void ExpectSameBytes(const std::string& actual, const std::filesystem::path& expectedFile) {
    const std::string expected = ReadBytes(expectedFile);
    if (actual == expected) {
        return;
    }
    const auto actualLines = SplitLines(actual);
    const auto expectedLines = SplitLines(expected);
    std::size_t line = 0;
    while (line < actualLines.size() && line < expectedLines.size() && actualLines[line] == expectedLines[line]) {
        ++line;
    }
    const auto lineOf = [line](const std::vector<std::string>& lines) {
        return line < lines.size() ? Escaped(lines[line]) : "(end of file)";
    };
    std::ostringstream whole;
    for (const auto& text : actualLines) {
        whole << "\n    " << Escaped(text);
    }
    ADD_FAILURE() << "written file differs from " << expectedFile.filename() << " at line " << line + 1
                  << "\n  expected " << lineOf(expectedLines) << "\n  actual   " << lineOf(actualLines)
                  << "\n  whole written file:" << whole.str();
}

struct GoldenCase {
    std::string name;  // golden/<name>.before.ini (absent: no file) and golden/<name>.after.ini
    std::function<void(ProfileFile&)> writes;
};

TEST(ProfileFileWrite, ProducesTheGoldenFiles) {
    const GoldenCase cases[] = {
        {"new_file", [](ProfileFile& file) { file.WriteString("App", "key", "value"); }},
        {"edit",
         [](ProfileFile& file) {
             file.WriteBool("SYSTEM", "WRITECLIP", true);
             file.WriteInteger("system", "Small16", 0);
             file.WriteInteger("Color", "CMYKformat", 3);
             file.WriteInteger("Color", "SelectedColor", -1);
             file.WriteInteger("Window", "Top", 200);
             file.WriteInteger("Window", "Height", 270);
             file.WriteString("Tab1", "NAME", kColorOne);
         }},
        {"erase",
         [](ProfileFile& file) {
             for (int page = 3; page <= 16; ++page) {
                 const std::string section = "Tab" + std::to_string(page);
                 if (file.SectionExists(section)) {
                     file.EraseSection(section);
                 }
             }
         }},
        {"no_final_break",
         [](ProfileFile& file) {
             file.WriteInteger("A", "n", 2);
             file.WriteString("B", "x", "y");
         }},
        {"cr_only",
         [](ProfileFile& file) {
             file.WriteInteger("A", "k", 2);
             file.WriteInteger("A", "n", 3);
             file.WriteInteger("B", "y", 4);
         }},
        {"lf_only",
         [](ProfileFile& file) {
             file.WriteInteger("A", "k", 2);
             file.WriteInteger("A", "n", 3);
             file.WriteInteger("B", "y", 4);
         }},
        {"duplicates",
         [](ProfileFile& file) {
             file.WriteInteger("S", "K", 9);
             file.WriteInteger("s", "new", 1);
         }},
    };
    for (const auto& [name, writes] : cases) {
        SCOPED_TRACE(name);
        TemporaryDirectory directory;
        const auto path = directory / "Tintrel.ini";
        if (const auto before = kGoldenDir / (name + ".before.ini"); std::filesystem::exists(before)) {
            std::filesystem::copy_file(before, path);
        }
        ProfileFile file(path);
        writes(file);
        file.Commit();
        ExpectSameBytes(ReadBytes(path), kGoldenDir / (name + ".after.ini"));
        EXPECT_EQ(directory.Listing(), "Tintrel.ini");
    }
}

TEST(ProfileFileWrite, ReplaysTheBlockOntoWhatAnotherInstanceWroteMeanwhile) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.plt";
    std::filesystem::copy_file(kGoldenDir / "other_writer.before.ini", path);

    ProfileFile ours(path);
    ours.WriteInteger("Pallet", "Top", 2);
    ours.WriteString("Tab1", "NAME", "x");
    {
        ProfileFile theirs(path);
        theirs.WriteInteger("Pallet", "Top", 3);
        theirs.WriteInteger("Pallet", "Left", 5);
        theirs.Commit();
    }
    EXPECT_EQ(ours.ReadInteger("Pallet", "Left", -1), -1);
    ours.Commit();
    ExpectSameBytes(ReadBytes(path), kGoldenDir / "other_writer.after.ini");
    EXPECT_EQ(ours.ReadInteger("Pallet", "Left", -1), 5);
}

// Two copies of the program read the file at their start (or find none and start with the same values)
// and write every key at their close. Whichever closes last, each keeps the key only the other changed; a
// key both changed holds the last one's value.
TEST(ProfileFileWrite, TwoCopiesKeepEachOthersChangesInEitherOrder) {
    const std::string start = "[Pallet]\r\nTop=1\r\nLeft=2\r\nRight=3\r\n[Tab1]\r\nNAME=\" a \"\r\n";
    struct Run {
        std::int32_t top, left, right;
        std::string name;
    };
    const Run first{10, 2, 30, "b"};         // moved the window, renamed the page
    const Run second{1, 20, 31, "\" a \""};  // moved it sideways
    const ProfileDocument started(start);
    for (const bool withFile : {true, false}) {
        for (const bool firstClosesFirst : {true, false}) {
            TemporaryDirectory directory;
            const auto path = directory / "Tintrel.plt";
            if (withFile) {
                WriteBytes(path, start);
            }
            const ProfileDocument firstRead = ProfileFile(path).TakeDocument();
            const ProfileDocument secondRead = ProfileFile(path).TakeDocument();
            const auto close = [&](const ProfileDocument& asRead, const Run& run) {
                ProfileFile file(path);
                file.KeepOthersChangesSince(asRead, started);
                file.WriteInteger("Pallet", "Top", run.top);
                file.WriteInteger("Pallet", "Left", run.left);
                file.WriteInteger("Pallet", "Right", run.right);
                file.WriteInteger("Pallet", "Bottom", run.right);  // a key the file lacked
                file.WriteString("Tab1", "NAME", run.name);
                file.Commit();
            };
            close(firstClosesFirst ? firstRead : secondRead, firstClosesFirst ? first : second);
            close(firstClosesFirst ? secondRead : firstRead, firstClosesFirst ? second : first);
            const Run& last = firstClosesFirst ? second : first;
            EXPECT_EQ(ReadBytes(path), "[Pallet]\r\nTop=10\r\nLeft=20\r\nRight=" + std::to_string(last.right) +
                                           "\r\nBottom=" + std::to_string(last.right) + "\r\n[Tab1]\r\nNAME=b\r\n")
                << (firstClosesFirst ? "first closed first" : "second closed first")
                << (withFile ? "" : ", no file at the start");
        }
    }
}

// A copy alone writes what it always wrote: an unchanged key is rewritten as before, in the program's form.
TEST(ProfileFileWrite, ACopyAloneWritesTheSameBytesAsWithoutTheRule) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    WriteBytes(path, "[s]\r\nTop = 0x10\r\nLeft=\"2\"\r\nName= x \r\n");
    const ProfileDocument asRead = ProfileFile(path).TakeDocument();
    ProfileFile file(path);
    file.KeepOthersChangesSince(asRead, asRead);
    file.WriteInteger("s", "Top", 16);
    file.WriteInteger("s", "Left", 2);
    file.WriteString("s", "Name", "x");
    file.Commit();
    EXPECT_EQ(ReadBytes(path), "[s]\r\nTop=16\r\nLeft=2\r\nName=x\r\n");
}

TEST(ProfileFileWrite, KeepsTheFileUntilCommitAndDiscardsAnUncommittedBlock) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    WriteBytes(path, "[s]\r\nk=1\r\n");
    {
        ProfileFile file(path);
        file.WriteInteger("s", "k", 2);
        file.WriteInteger("t", "j", 3);
        file.EraseSection("s");
        EXPECT_EQ(file.ReadInteger("s", "k", 0), 0);
        EXPECT_EQ(file.ReadInteger("t", "j", 0), 3);
        EXPECT_EQ(ReadBytes(path), "[s]\r\nk=1\r\n");
    }
    EXPECT_EQ(ReadBytes(path), "[s]\r\nk=1\r\n");
    EXPECT_EQ(directory.Listing(), "Tintrel.ini");
}

TEST(ProfileFileWrite, CommitsNothingWhenNothingWasWritten) {
    TemporaryDirectory directory;
    ProfileFile file(directory / "Tintrel.ini");
    EXPECT_EQ(file.ReadString("s", "k", "d"), "d");
    file.Commit();
    EXPECT_EQ(directory.Listing(), "");
}

void ExpectCommitFails(ProfileFile& file, const std::filesystem::path& path) {
    try {
        file.Commit();
        ADD_FAILURE() << "Commit succeeded for " << path;
    } catch (const FileError& error) {
        EXPECT_EQ(error.MessageFormat(), kCannotWrite);
        EXPECT_EQ(error.Path(), path);
    }
}

TEST(ProfileFileWrite, FailsCleanlyWhenTheFileCannotBeWritten) {
    TemporaryDirectory directory;

    const auto inMissingDirectory = directory / "missing" / "Tintrel.ini";
    ProfileFile orphan(inMissingDirectory);
    orphan.WriteInteger("s", "k", 1);
    ExpectCommitFails(orphan, inMissingDirectory);
    EXPECT_EQ(directory.Listing(), "");
    // The writes stay pending: once the directory exists the same block commits.
    std::filesystem::create_directory(directory / "missing");
    orphan.Commit();
    EXPECT_EQ(ReadBytes(inMissingDirectory), "[s]\r\nk=1\r\n");

    const auto occupied = directory / "Tintrel.plt";
    std::filesystem::create_directory(occupied);
    WriteBytes(occupied / "inside", "x");
    ProfileFile blocked(occupied);
    EXPECT_EQ(blocked.ReadInteger("s", "k", 7), 7);
    blocked.WriteInteger("s", "k", 1);
    ExpectCommitFails(blocked, occupied);
    EXPECT_TRUE(std::filesystem::is_directory(occupied));
    EXPECT_EQ(ReadBytes(occupied / "inside"), "x");
    EXPECT_EQ(directory.Listing(), "Tintrel.plt missing");
}

// The file's bytes for `text` in UTF-16, little-endian, after the byte-order mark FF FE.
std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    }
    return bytes;
}

TEST(ProfileFileEncoding, WritesUtf16BackAsUtf16AndLeavesAnEncodingItCannotTell) {
    const std::u16string lines = u"; \uAC00 \U0001F600\r\n[s]\r\nk=1\r\nname=\u8272\uAC00\r\n";
    const struct {
        std::string description;
        std::string before;
        std::string after;  // after writing s/k=2 and Tab1/NAME=色1; empty: the file stays as it was
    } cases[] = {
        {"UTF-16 with its mark", Utf16File(lines),
         Utf16File(u"; \uAC00 \U0001F600\r\n[s]\r\nk=2\r\nname=\u8272\uAC00\r\n[Tab1]\r\nNAME=\u8272"
                   u"1\r\n")},
        {"big-endian mark", "\xFE\xFF" + Utf16File(lines).substr(2), ""},
        {"UTF-16 without a mark", Utf16File(lines).substr(2), ""},
        {"UTF-16 of an odd length", Utf16File(lines) + "k", ""},
    };
    for (const auto& [description, before, after] : cases) {
        SCOPED_TRACE(description);
        TemporaryDirectory directory;
        const auto path = directory / "Tintrel.ini";
        WriteBytes(path, before);
        ProfileFile file(path);
        const bool readable = !after.empty();
        EXPECT_EQ(file.ReadInteger("s", "k", 5), readable ? 1 : 5);
        // 色 comes as code page 932; a character that code page 932 lacks as "?".
        EXPECT_EQ(file.ReadString("s", "name", "-"), readable ? "\x90\x46?" : "-");
        file.WriteInteger("s", "k", 2);
        file.WriteString("Tab1", "NAME", kColorOne);
        if (readable) {
            EXPECT_NO_THROW(file.CheckRead());
            file.Commit();
            EXPECT_EQ(Escaped(ReadBytes(path)), Escaped(after));
        } else {
            EXPECT_THROW(file.CheckRead(), FileError);
            ExpectCommitFails(file, path);
            EXPECT_EQ(Escaped(ReadBytes(path)), Escaped(before));
        }
        EXPECT_EQ(directory.Listing(), "Tintrel.ini");
    }
}

TEST(ProfileFileRead, GivesDefaultsWithoutAFile) {
    TemporaryDirectory directory;
    ProfileFile file(directory / "Tintrel.ini");
    EXPECT_EQ(file.ReadString("s", "k", kColorOne), kColorOne);
    EXPECT_EQ(file.ReadInteger("s", "k", -1), -1);
    EXPECT_TRUE(file.ReadBool("s", "k", true));
    EXPECT_FALSE(file.SectionExists("s"));
}

TEST(ProfileFileRead, ParsesIntegersAndBooleansFromTheText) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    WriteBytes(path, "[s]\r\nhex=0x0000FF\r\nbad=255abc\r\nempty=\r\nzero=0\r\ntwo=2\r\nminus=-1\r\nword=false\r\n");
    ProfileFile file(path);
    const struct {
        const char* key;
        std::int32_t integer;  // read with the default 42
        bool boolTrue;         // read with the default true
        bool boolFalse;        // read with the default false
    } cases[] = {
        {"hex", 255, true, true}, {"bad", 42, true, false},  {"empty", 42, true, false}, {"zero", 0, false, false},
        {"two", 2, true, true},   {"minus", -1, true, true}, {"word", 42, true, false},  {"absent", 42, true, false},
    };
    for (const auto& [key, integer, boolTrue, boolFalse] : cases) {
        EXPECT_EQ(file.ReadInteger("s", key, 42), integer) << "key " << key;
        EXPECT_EQ(file.ReadBool("s", key, true), boolTrue) << "key " << key;
        EXPECT_EQ(file.ReadBool("s", key, false), boolFalse) << "key " << key;
    }
}

TEST(ProfileFileWrite, WritesIntegersInSignedDecimalAndBooleansAsDigits) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    ProfileFile file(path);
    file.WriteInteger("s", "min", -2147483647 - 1);
    file.WriteInteger("s", "max", 2147483647);
    file.WriteInteger("s", "zero", 0);
    file.WriteBool("s", "yes", true);
    file.WriteBool("s", "no", false);
    file.Commit();
    EXPECT_EQ(ReadBytes(path), "[s]\r\nmin=-2147483648\r\nmax=2147483647\r\nzero=0\r\nyes=1\r\nno=0\r\n");
}

}  // namespace
}  // namespace tintrel
