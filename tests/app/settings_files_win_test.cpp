// The settings file and the format list file: what a start reads, what a close writes, and what
// happens when a file cannot be read or written.
#include <windows.h>

#include <commctrl.h>  // TabCtrl_SetCurSel
#include <windowsx.h>  // ComboBox_GetCount

#include <optional>
#include <string>

#include "color/format_template.h"
#include "persist/settings_file.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"
#include "ui/screen_cursor_win.h"

namespace tintrel::testing_win {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::WriteBytes;

// ファイル %s は開けません / ファイル %s を作成できません / %s に書き込めません, with the path and the
// full stop of the error box.
std::wstring CannotOpen(const std::filesystem::path& path) {
    return L"\u30D5\u30A1\u30A4\u30EB " + path.wstring() + L" \u306F\u958B\u3051\u307E\u305B\u3093.";
}
std::wstring CannotCreate(const std::filesystem::path& path) {
    return L"\u30D5\u30A1\u30A4\u30EB " + path.wstring() + L" \u3092\u4F5C\u6210\u3067\u304D\u307E\u305B\u3093.";
}
std::wstring CannotWrite(const std::filesystem::path& path) {
    return path.wstring() + L" \u306B\u66F8\u304D\u8FBC\u3081\u307E\u305B\u3093.";
}

// Holds a file open with no sharing, as another program that has locked it would.
class LockedFile {
public:
    explicit LockedFile(const std::filesystem::path& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "cannot lock " << path;
    }
    ~LockedFile() { CloseHandle(handle_); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

private:
    HANDLE handle_;
};

class SettingsFiles : public MainFormTest {
protected:
    std::wstring SelectedLabel() const {
        wchar_t label[256] = {};
        const int selected = ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF));
        if (selected >= 0) {
            ComboBox_GetLBText(mainForm->Control(ControlId::ComboF), selected, label);
        }
        return label;
    }
    bool IsTopmost() const { return (GetWindowLongPtrW(mainForm->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    POINT WindowPosition() const {
        RECT window;
        GetWindowRect(mainForm->Handle(), &window);
        return POINT{window.left, window.top};
    }
    std::string ShownBoxes() const {
        std::string texts;
        for (const auto& box : boxes) {
            texts += " [" + NarrowCp932(box.Text) + "]";
        }
        return texts;
    }
};

// What the settings writer puts into a new file for `settings`: the window's own files are checked
// against it, not against a second copy of the keys.
std::string WrittenFor(const Settings& settings) {
    const test_support::TemporaryDirectory directory;
    ProfileFile file(directory / "expected.ini");
    WriteSettings(file, settings);
    file.Commit();
    return ReadBytes(directory / "expected.ini");
}

TEST_F(SettingsFiles, FirstStartUsesTheDefaultsAndFirstCloseWritesThem) {
    EXPECT_TRUE(IsTopmost());
    EXPECT_EQ(WindowPosition().x, 200);
    EXPECT_EQ(WindowPosition().y, 200);
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Popup3));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::RGB1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::CMYK1));
    EXPECT_FALSE(mainForm->Color().HasColor);
    EXPECT_EQ(ComboBox_GetCount(mainForm->Control(ControlId::ComboF)), 16);
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), 0);

    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    EXPECT_TRUE(boxes.empty()) << ShownBoxes();
    EXPECT_EQ(Escaped(ReadBytes(FormatListFile())), Escaped(kDefaultFormatListText));
    EXPECT_EQ(Escaped(ReadBytes(SettingsFile())), Escaped(WrittenFor(Settings{})));
}

TEST_F(SettingsFiles, EverythingChangedComesBackAfterARestart) {
    mainForm->ExecuteCommand(CommandId::Popup1);
    mainForm->ExecuteCommand(CommandId::Popup2);
    mainForm->ExecuteCommand(CommandId::Popup3);
    mainForm->ExecuteCommand(CommandId::RGB3);
    mainForm->ExecuteCommand(CommandId::CMYK4);
    CallSoon([this] {
        SetWindowTextW(formatEditor->MFormat(), L"A=\\R\r\nB=\\G\r\nC=\\B");
        SendMessageW(formatEditor->Button1(), BM_CLICK, 0, 0);
    });
    mainForm->ExecuteCommand(CommandId::NFormat);
    ChooseTemplate(2);
    mainForm->SetColor(0x3C2B1A);
    SetWindowPos(mainForm->Handle(), nullptr, 310, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    EXPECT_EQ(Escaped(ReadBytes(FormatListFile())), Escaped("A=\\R\r\nB=\\G\r\nC=\\B"))
        << "a typed list is written as it stands, without a final line break";

    RestartProgram();
    EXPECT_TRUE(boxes.empty()) << ShownBoxes();
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Popup1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Popup2));
    EXPECT_FALSE(mainForm->IsChecked(CommandId::Popup3));
    EXPECT_FALSE(IsTopmost()) << "stay-on-top off takes effect at this start";
    EXPECT_FALSE(mainForm->IsChecked(CommandId::RGB1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::RGB3));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::CMYK4));
    EXPECT_EQ(ComboBox_GetCount(mainForm->Control(ControlId::ComboF)), 3);
    EXPECT_EQ(SelectedLabel(), L"C=B");
    ASSERT_TRUE(mainForm->Color().HasColor);
    EXPECT_EQ(mainForm->Color().CurColor, 0x3C2B1A);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"C=60")
        << "blue of the restored colour, through the restored template";
    EXPECT_EQ(WindowPosition().x, 310);
    EXPECT_EQ(WindowPosition().y, 140);
}

TEST_F(SettingsFiles, HandEditedOddValuesStartWithoutComplaint) {
    WriteBytes(SettingsFile(),
               "[System]\r\nStayOnTop=false\r\n[Color]\r\nCMYKformat=7\r\nSelectedFormat=16\r\n"
               "[Mine]\r\nkeep=me\r\n");
    RestartProgram();
    EXPECT_TRUE(boxes.empty()) << ShownBoxes();
    EXPECT_TRUE(IsTopmost()) << "a word is not a number: the default applies";
    EXPECT_TRUE(mainForm->IsChecked(CommandId::CMYK4)) << "a notation past the last item checks the last";
    EXPECT_FALSE(mainForm->IsChecked(CommandId::CMYK1));
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), 0) << "a selection past the list is ignored";

    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    const std::string written = ReadBytes(SettingsFile());
    EXPECT_NE(written.find("[Mine]\r\nkeep=me\r\n"), std::string::npos) << Escaped(written);
    EXPECT_NE(written.find("CMYKformat=3\r\n"), std::string::npos) << Escaped(written);
}

TEST_F(SettingsFiles, ColourZeroIsBlackAndANegativeColourIsNone) {
    WriteBytes(SettingsFile(), "[Color]\r\nSelectedColor=0\r\n");
    RestartProgram();
    ASSERT_TRUE(mainForm->Color().HasColor);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#000000");

    WriteBytes(SettingsFile(), "[Color]\r\nSelectedColor=-7\r\n");
    RestartProgram();
    EXPECT_FALSE(mainForm->Color().HasColor);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"");
}

TEST_F(SettingsFiles, AnLfOnlyFormatListLoadsAndIsWrittenBackWithCrLf) {
    WriteBytes(FormatListFile(), "one \\R\n\ntwo \\G\n");
    WriteBytes(SettingsFile(), "[Color]\r\nSelectedFormat=2\r\nSelectedColor=0x0000FF\r\n");
    RestartProgram();
    EXPECT_EQ(ComboBox_GetCount(mainForm->Control(ControlId::ComboF)), 3) << "the empty line is an empty template";
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), 2);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"two 0");
    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    EXPECT_EQ(Escaped(ReadBytes(FormatListFile())), Escaped("one \\R\r\n\r\ntwo \\G\r\n"));
}

TEST_F(SettingsFiles, AnEmptyFormatListFileEmptiesTheChoice) {
    WriteBytes(FormatListFile(), "");
    WriteBytes(SettingsFile(), "[Color]\r\nSelectedFormat=0\r\n");
    RestartProgram();
    EXPECT_EQ(ComboBox_GetCount(mainForm->Control(ControlId::ComboF)), 0);
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), CB_ERR);
    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    EXPECT_EQ(ReadBytes(FormatListFile()), "");
    EXPECT_NE(ReadBytes(SettingsFile()).find("SelectedFormat=-1\r\n"), std::string::npos);
}

TEST_F(SettingsFiles, AFormatListIsSavedWithTheBytesItWasLoadedWith) {
    // "≒" under its NEC code, which comes back from Unicode under its JIS code 0x81E0.
    const std::string list = "\x87\x90 \\R\r\n";
    WriteBytes(FormatListFile(), list);
    RestartProgram();
    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    EXPECT_EQ(Escaped(ReadBytes(FormatListFile())), Escaped(list));
}

TEST_F(SettingsFiles, ALockedFormatListIsReportedAndKeptWhileTheOtherFilesAreRead) {
    const std::string list = "mine \\R\r\n";
    const std::string settings = "[System]\r\nWriteClip=1\r\n";
    WriteBytes(FormatListFile(), list);
    WriteBytes(SettingsFile(), settings);
    {
        LockedFile lock(FormatListFile());
        RestartProgram();
    }
    ASSERT_EQ(boxes.size(), 1u) << ShownBoxes();
    EXPECT_EQ(boxes[0].Text, CannotOpen(FormatListFile()));
    EXPECT_EQ(boxes[0].Type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Popup1)) << "the settings file is read all the same";
    EXPECT_TRUE(IsWindowVisible(mainForm->Handle()));
    EXPECT_EQ(ComboBox_GetCount(mainForm->Control(ControlId::ComboF)), 16) << "the built-in templates are offered";

    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    EXPECT_EQ(ReadBytes(FormatListFile()), list) << "what could not be read is not replaced";
    Settings expected;
    expected.WriteClip = true;
    EXPECT_EQ(ReadBytes(SettingsFile()), WrittenFor(expected)) << "the settings that were read are saved";
}

TEST_F(SettingsFiles, AFormatListWithAZeroByteLoadsUpToItAndIsKeptWhole) {
    const std::string list = std::string("a \\R\r\nb\0c\r\n", 11);
    WriteBytes(FormatListFile(), list);
    WriteBytes(SettingsFile(), "[System]\r\nWriteClip=1\r\n");
    RestartProgram();
    EXPECT_TRUE(boxes.empty()) << ShownBoxes();
    EXPECT_EQ(ComboBox_GetCount(mainForm->Control(ControlId::ComboF)), 2) << "the templates before the zero byte";
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Popup1)) << "the settings file is read";
    ASSERT_TRUE(CloseProgram()) << ShownBoxes();
    EXPECT_EQ(Escaped(ReadBytes(FormatListFile())), Escaped(list));
}

TEST_F(SettingsFiles, AFormatListThatCannotBeWrittenStopsTheCloseButNotTheOtherFiles) {
    std::filesystem::create_directory(FormatListFile());
    RestartProgram();
    EXPECT_TRUE(boxes.empty()) << "a directory is no format list file: " << ShownBoxes();
    EXPECT_FALSE(CloseProgram());
    ASSERT_EQ(boxes.size(), 1u) << ShownBoxes();
    EXPECT_EQ(boxes[0].Text, CannotCreate(FormatListFile()));
    EXPECT_EQ(ReadBytes(SettingsFile()), WrittenFor(Settings{})) << "the settings file is written all the same";
    EXPECT_FALSE(ApplyScreenCursor()) << "the busy cursor has gone";

    std::filesystem::remove(FormatListFile());
    EXPECT_TRUE(CloseProgram()) << "closing again saves again";
    EXPECT_EQ(ReadBytes(FormatListFile()), kDefaultFormatListText);
    EXPECT_EQ(ReadBytes(SettingsFile()), WrittenFor(Settings{}));
}

TEST_F(SettingsFiles, ASettingsFileThatCannotBeWrittenKeepsTheWindowOpen) {
    WriteBytes(SettingsFile(), "[Window]\r\nTop=150\r\n");
    SetFileAttributesW(SettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
    RestartProgram();
    mainForm->ExecuteCommand(CommandId::Popup1);
    EXPECT_FALSE(CloseProgram());
    ASSERT_EQ(boxes.size(), 1u) << ShownBoxes();
    EXPECT_EQ(boxes[0].Text, CannotWrite(SettingsFile()));
    EXPECT_EQ(ReadBytes(SettingsFile()), "[Window]\r\nTop=150\r\n") << "the file is left as it was";
    EXPECT_EQ(ReadBytes(FormatListFile()), kDefaultFormatListText) << "the step before it stays done";

    SetFileAttributesW(SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(CloseProgram());
    EXPECT_NE(ReadBytes(SettingsFile()).find("WriteClip=1\r\n"), std::string::npos);
}

TEST_F(SettingsFiles, FilesThatCannotBeReadAreReportedKeptAndNeverStopTheClose) {
    // UTF-16 as Windows reads it (little-endian with its mark) is read and written back as UTF-16;
    // a byte order or form that the profile service does not read is reported and left alone.
    const auto utf16 = [](std::string_view text, bool bigEndian, bool mark) {
        std::string bytes = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
        for (const char c : text) {
            bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
        }
        return bytes;
    };
    const std::string text = "[System]\r\nWriteClip=1\r\n";
    const struct {
        const char* Name;
        std::string Bytes;
        bool Readable;
        bool Lock;
    } cases[] = {
        {"UTF-16 little-endian with its mark", utf16(text, false, true), true, false},
        {"UTF-16 big-endian with its mark", utf16(text, true, true), false, false},
        {"UTF-16 without a mark", utf16(text, false, false), false, false},
        {"a file held by another program", text, false, true},
    };
    for (const auto& row : cases) {
        WriteBytes(SettingsFile(), row.Bytes);
        boxes.clear();
        {
            std::optional<LockedFile> lock;
            if (row.Lock) {
                lock.emplace(SettingsFile());
            }
            RestartProgram();
            EXPECT_EQ(mainForm->IsChecked(CommandId::Popup1), row.Readable) << row.Name;
            if (row.Readable) {
                EXPECT_TRUE(boxes.empty()) << row.Name << ": " << ShownBoxes();
            } else {
                ASSERT_EQ(boxes.size(), 1u) << row.Name << ": " << ShownBoxes();
                EXPECT_EQ(boxes[0].Text, CannotOpen(SettingsFile())) << row.Name;
            }
            EXPECT_TRUE(CloseProgram()) << row.Name << ": the window always closes; " << ShownBoxes();
        }
        const std::string written = ReadBytes(SettingsFile());
        if (row.Readable) {
            EXPECT_TRUE(written.starts_with(utf16("[System]\r\nWriteClip=1\r\nSmall16=0\r\n", false, true)))
                << row.Name << ": " << Escaped(written);
        } else {
            EXPECT_EQ(Escaped(written), Escaped(row.Bytes)) << row.Name << ": left as it was";
        }
    }
}

TEST_F(SettingsFiles, WindowsStoredOffEveryMonitorComeBackWhileOthersKeepTheirPlace) {
    RECT screen;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    const auto onScreen = [&screen](HWND window) {
        RECT outer;
        RECT visible;
        GetWindowRect(window, &outer);
        return IntersectRect(&visible, &outer, &screen) != FALSE;
    };
    WriteBytes(SettingsFile(), "[Window]\r\nLeft=5000\r\nTop=100\r\n");
    WriteBytes(directory / "Tintrel.plt", "[Pallet]\r\nLeft=-3000\r\nTop=-3000\r\nDock=1\r\n");
    RestartProgram();
    EXPECT_TRUE(onScreen(mainForm->Handle()));
    EXPECT_TRUE(onScreen(GetParent(mainForm->Control(ControlId::PalletPanel)))) << "the floating palette";

    WriteBytes(SettingsFile(), "[Window]\r\nLeft=-20\r\nTop=30\r\n");
    RestartProgram();
    RECT outer;
    GetWindowRect(mainForm->Handle(), &outer);
    EXPECT_EQ(outer.left, -20) << "a window partly on the screen stays where it was";
    EXPECT_EQ(outer.top, 30);
}

// Two copies started from the same folder change different keys of both profile files. Whichever closes
// last, the files hold both copies' changes: a page renamed in one is not named 色1 again by the other.
TEST_F(SettingsFiles, TwoCopiesKeepEachOthersChangesWhicheverClosesLast) {
    const auto plt = directory / "Tintrel.plt";
    for (const bool firstClosesFirst : {true, false}) {
        std::filesystem::remove(SettingsFile());
        std::filesystem::remove(plt);
        RestartProgram();
        TFFormat secondEditor;
        TFPallet secondDialog;
        TFMain second(directory / "Tintrel.exe", secondEditor, secondDialog);
        second.Create();
        secondEditor.Create();
        secondDialog.Create();
        second.Show();
        Pump();

        mainForm->ExecuteCommand(CommandId::Popup1);
        CallSoon([this] {
            SetWindowTextW(palletDialog->Mtab(), L"x\r\n2\r\n3\r\n4\r\n");
            SendMessageW(palletDialog->Button1(), BM_CLICK, 0, 0);
        });
        mainForm->ExecuteCommand(CommandId::NPalDlg);
        second.ExecuteCommand(CommandId::RGB2);
        TabCtrl_SetCurSel(second.Control(ControlId::PalletTab), 1);

        const auto closeSecond = [&] {
            SendMessageW(second.Handle(), WM_CLOSE, 0, 0);
            Pump();
            return second.Handle() == nullptr;
        };
        ASSERT_TRUE(firstClosesFirst ? CloseProgram() && closeSecond() : closeSecond() && CloseProgram())
            << ShownBoxes();
        const std::string settings = ReadBytes(SettingsFile());
        const std::string pallet = ReadBytes(plt);
        const char* order = firstClosesFirst ? "first closed first" : "second closed first";
        EXPECT_NE(settings.find("WriteClip=1\r\n"), std::string::npos) << order << ": " << Escaped(settings);
        EXPECT_NE(settings.find("RGBformat=1\r\n"), std::string::npos) << order << ": " << Escaped(settings);
        EXPECT_NE(pallet.find("Select=1\r\n"), std::string::npos) << order << ": " << Escaped(pallet);
        EXPECT_NE(pallet.find("[Tab1]\r\nNAME=x\r\n"), std::string::npos) << order << ": " << Escaped(pallet);
        EXPECT_NE(pallet.find("[Tab2]\r\nNAME=2\r\n"), std::string::npos) << order << ": " << Escaped(pallet);
    }
}

// A palette file that could not be read stays as it is while the run changes nothing it would hold;
// once the run has changed it, the close asks, and only a yes keeps the file under a free name and
// saves the palette in a new one.
TEST_F(SettingsFiles, AnUnreadablePaletteFileIsKeptAndReplacedOnlyWhenTheUserSaysSo) {
    const auto plt = directory / "Tintrel.plt";
    const auto kept = directory / "Tintrel.plt.unreadable-1";
    const std::string unreadable("\xFE\xFF\0[\0P", 6);
    const struct {
        const char* Name;
        bool Rename;
        int Answer;
    } cases[] = {
        {"nothing changed", false, IDOK},
        {"renamed, changes dropped", true, IDNO},
        {"renamed, file kept and replaced", true, IDYES},
    };
    for (const auto& row : cases) {
        std::filesystem::remove(kept);
        WriteBytes(plt, unreadable);
        RestartProgram();
        if (row.Rename) {
            CallSoon([this] {
                SetWindowTextW(palletDialog->Mtab(), L"x\r\n");
                SendMessageW(palletDialog->Button1(), BM_CLICK, 0, 0);
            });
            mainForm->ExecuteCommand(CommandId::NPalDlg);
        }
        boxes.clear();
        boxAnswer = row.Answer;
        ASSERT_TRUE(CloseProgram()) << row.Name;
        ASSERT_EQ(boxes.size(), row.Rename ? 1u : 0u) << row.Name;
        if (row.Rename) {
            EXPECT_EQ(boxes[0].Type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING)) << row.Name;
            EXPECT_NE(boxes[0].Text.find(plt.wstring() + L" \x306F"), std::wstring::npos) << row.Name;
            EXPECT_NE(boxes[0].Text.find(kept.wstring() + L" \x3068"), std::wstring::npos) << row.Name;
        }
        if (row.Answer == IDYES) {
            EXPECT_EQ(Escaped(ReadBytes(kept)), Escaped(unreadable)) << row.Name;
            EXPECT_NE(ReadBytes(plt).find("[Tab1]\r\nNAME=x\r\n"), std::string::npos) << row.Name;
        } else {
            EXPECT_FALSE(std::filesystem::exists(kept)) << row.Name;
            EXPECT_EQ(Escaped(ReadBytes(plt)), Escaped(unreadable)) << row.Name;
        }
    }
}

}  // namespace
}  // namespace tintrel::testing_win
