#include "persist/settings_file.h"

#include <tuple>

#include <gtest/gtest.h>

#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

Settings ReadFrom(const TemporaryDirectory& directory, std::string_view bytes) {
    const auto path = directory / "Tintrel.ini";
    WriteBytes(path, bytes);
    return ReadSettings(ProfileFile(path));
}

TEST(SettingsFile, NoFileGivesTheFirstStartDefaults) {
    TemporaryDirectory directory;
    const Settings settings = ReadSettings(ProfileFile(directory / "Tintrel.ini"));
    EXPECT_FALSE(settings.WriteClip);
    EXPECT_FALSE(settings.Small16);
    EXPECT_TRUE(settings.StayOnTop);
    EXPECT_TRUE(ReadStayOnTop(ProfileFile(directory / "Tintrel.ini")));
    EXPECT_EQ(settings.RGBformat, 0);
    EXPECT_EQ(settings.CMYKformat, 0);
    EXPECT_EQ(settings.SelectedColor, -1);
    EXPECT_EQ(settings.SelectedFormat, 0);
    EXPECT_EQ(settings.Top, 200);
    EXPECT_EQ(settings.Left, 200);
    EXPECT_EQ(settings.Height, 270);
    EXPECT_EQ(settings.PickHotKey, "Ctrl+Alt+C");
    EXPECT_TRUE(settings.PickHotKeyOn);
    EXPECT_FALSE(settings.PickFrozen);
    EXPECT_EQ(settings.Zoom, 4);
    EXPECT_EQ(settings.Sample, 1);
}

TEST(SettingsFile, HandEditedValuesReadByTheIntegerRules) {
    TemporaryDirectory directory;
    const Settings settings = ReadFrom(directory,
                                       "[System]\r\nWriteClip=2\r\nSmall16=true\r\nStayOnTop=false\r\n"
                                       "[Color]\r\nRGBformat=2x\r\nCMYKformat=-5\r\nSelectedColor=0x0000FF\r\n"
                                       "SelectedFormat= 3\r\n[Window]\r\nTop=-40\r\nLeft=$10\r\nHeight=25.5\r\n");
    EXPECT_TRUE(settings.WriteClip) << "any number but 0 is true";
    EXPECT_FALSE(settings.Small16) << "a word is not a number: default false";
    EXPECT_TRUE(settings.StayOnTop) << "a word is not a number: default true";
    EXPECT_EQ(settings.RGBformat, 0);
    EXPECT_EQ(settings.CMYKformat, -5);
    EXPECT_EQ(settings.SelectedColor, 255);
    EXPECT_EQ(settings.SelectedFormat, 3);
    EXPECT_EQ(settings.Top, -40);
    EXPECT_EQ(settings.Left, 16);
    EXPECT_EQ(settings.Height, 270);

    EXPECT_FALSE(ReadFrom(directory, "[System]\r\nStayOnTop=0\r\n").StayOnTop);
    EXPECT_EQ(ReadFrom(directory, "[Color]\r\nSelectedColor=255abc\r\n").SelectedColor, -1);
    EXPECT_EQ(ReadFrom(directory, "[Color]\r\nSelectedColor=0\r\n").SelectedColor, 0);

    const Settings options =
        ReadFrom(directory,
                 "[Options]\r\nPickHotKey= Ctrl+Foo "
                 "\r\nPickHotKeyOn=0\r\nPickFrozen=1\r\nZoom=$20\r\nSample=x\r\nHistory=0\r\nSimulate=3\r\n");
    EXPECT_EQ(options.PickHotKey, "Ctrl+Foo") << "kept as read, to be written back";
    EXPECT_FALSE(options.PickHotKeyOn);
    EXPECT_TRUE(options.PickFrozen);
    EXPECT_EQ(options.Zoom, 32);
    EXPECT_EQ(options.Sample, 1);
    EXPECT_FALSE(options.History);
    EXPECT_EQ(options.Simulate, 3);
    for (const char* outside : {"Simulate=5", "Simulate=-1", "Simulate=two"}) {
        EXPECT_EQ(ReadFrom(directory, std::string("[Options]\r\n") + outside + "\r\n").Simulate, 0) << outside;
    }

    // The contrast pair: a number that is no colour gives black on white, key by key.
    const struct {
        const char* section;
        std::int32_t text, back;
        std::optional<std::int32_t> left, top;
        bool open;
    } contrast[] = {
        {"Text=7895160\r\nBack=$1A2B3C\r\nLeft=-300\r\nTop=40\r\nOpen=1", 7895160, 0x1A2B3C, -300, 40, true},
        {"Text=-1\r\nBack=16777216", 0, 0xFFFFFF, std::nullopt, std::nullopt, false},
        {"Text=x\r\nBack=\r\nOpen=yes", 0, 0xFFFFFF, std::nullopt, std::nullopt, false},
        {"Text=16777215\r\nBack=0\r\nLeft=5", 0xFFFFFF, 0, std::nullopt, std::nullopt, false},  // half a place
        {"Left=5\r\nTop=$zz", 0, 0xFFFFFF, std::nullopt, std::nullopt, false},
    };
    for (const auto& row : contrast) {
        const Settings read = ReadFrom(directory, std::string("[Contrast]\r\n") + row.section + "\r\n");
        EXPECT_EQ(
            std::tuple(read.ContrastText, read.ContrastBack, read.ContrastLeft, read.ContrastTop, read.ContrastOpen),
            std::tuple(row.text, row.back, row.left, row.top, row.open))
            << row.section;
    }
}

TEST(SettingsFile, WritesTheTenKeysInOrderIntoANewFile) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    Settings settings;
    settings.WriteClip = true;
    settings.StayOnTop = false;
    settings.RGBformat = 3;
    settings.CMYKformat = 1;
    settings.SelectedColor = 0x3C2B1A;
    settings.SelectedFormat = -1;
    settings.Top = -8;
    settings.Left = 1200;
    settings.Height = 301;
    ProfileFile file(path);
    WriteSettings(file, settings);
    file.Commit();
    const std::string expected =
        "[System]\r\nWriteClip=1\r\nSmall16=0\r\nStayOnTop=0\r\n"
        "[Color]\r\nRGBformat=3\r\nCMYKformat=1\r\nSelectedColor=3943194\r\nSelectedFormat=-1\r\n"
        "[Window]\r\nTop=-8\r\nLeft=1200\r\nHeight=301\r\n";
    EXPECT_EQ(Escaped(ReadBytes(path)), Escaped(expected));
}

TEST(SettingsFile, OptionsAreWrittenOnceChangedOrWhenTheFileHoldsThem) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    const auto save = [&](const Settings& settings) {
        ProfileFile file(path);
        WriteSettings(file, settings);
        file.Commit();
        const std::string bytes = ReadBytes(path);
        return bytes.substr(std::min(bytes.find("[Options]"), bytes.size()));
    };
    EXPECT_EQ(save(Settings{}), "") << "all at their defaults";
    Settings changed;
    changed.Zoom = 16;
    changed.Sample = 9;
    changed.PickFrozen = true;
    changed.History = false;
    EXPECT_EQ(Escaped(save(changed)), Escaped("[Options]\r\nPickFrozen=1\r\nZoom=16\r\nSample=9\r\nHistory=0\r\n"));
    EXPECT_EQ(Escaped(save(Settings{})), Escaped("[Options]\r\nPickFrozen=0\r\nZoom=4\r\nSample=1\r\nHistory=1\r\n"))
        << "back to the defaults";
    Settings contrast;
    contrast.ContrastBack = 0x1A2B3C;
    contrast.ContrastLeft = -4;
    contrast.ContrastTop = 30;
    const std::string withContrast = save(contrast);
    EXPECT_NE(withContrast.find("[Contrast]\r\nBack=1715004\r\nLeft=-4\r\nTop=30\r\n"), std::string::npos)
        << "the pair's changed colour and the window's place: " << Escaped(withContrast);

    WriteBytes(path, "[Options]\r\nPickHotKey=Ctrl+Foo\r\n");
    const std::string kept = save(ReadSettings(ProfileFile(path)));
    EXPECT_EQ(kept.rfind("[Options]\r\nPickHotKey=Ctrl+Foo\r\n[System]\r\n", 0), 0u)
        << "a key that is no key written back as it was, the options at their defaults left out: " << Escaped(kept);
}

TEST(SettingsFile, UnknownKeysSectionsAndCommentsSurviveASave) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    const std::string before =
        "; kept\r\n[Extra]\r\nmine=1\r\n[System]\r\nWriteClip=0\r\nTheme=dark\r\n[Window]\r\nTop=5\r\n";
    WriteBytes(path, before);
    ProfileFile file(path);
    WriteSettings(file, ReadSettings(file));
    file.Commit();
    const std::string after = ReadBytes(path);
    for (const std::string_view kept : {"; kept\r\n[Extra]\r\nmine=1\r\n", "Theme=dark\r\n", "Top=5\r\n"}) {
        EXPECT_NE(after.find(kept), std::string::npos) << Escaped(kept) << " missing from " << Escaped(after);
    }
    EXPECT_EQ(ReadSettings(ProfileFile(path)).Top, 5);
}

TEST(SettingsFile, NotationNumbersMapToOneItemAndBack) {
    const std::pair<std::int32_t, int> readCases[] = {
        {-2147483647 - 1, 0}, {-5, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {7, 3}, {2147483647, 3},
    };
    for (const auto& [stored, item] : readCases) {
        EXPECT_EQ(NotationItem(stored), item) << "stored " << stored;
    }
    EXPECT_EQ(NotationNumber({false, false, false, false}), 0);
    EXPECT_EQ(NotationNumber({true, false, false, false}), 0);
    EXPECT_EQ(NotationNumber({false, false, true, false}), 2);
    EXPECT_EQ(NotationNumber({true, true, false, true}), 3) << "the highest checked item wins";
}

TEST(SettingsFile, SelectedFormatOutsideTheListIsIgnored) {
    EXPECT_EQ(SelectedFormatIndex(0, 16), 0);
    EXPECT_EQ(SelectedFormatIndex(15, 16), 15);
    EXPECT_EQ(SelectedFormatIndex(16, 16), std::nullopt);
    EXPECT_EQ(SelectedFormatIndex(-1, 16), std::nullopt);
    EXPECT_EQ(SelectedFormatIndex(0, 0), std::nullopt) << "an empty list";
}

}  // namespace
}  // namespace tintrel
