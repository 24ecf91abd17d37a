// The small Win32 helpers every window relies on: text conversion, the error box, the clipboard and the
// program's pictures.
#include <windows.h>

#include <functional>
#include <new>  // std::bad_alloc
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/resource_ids.h"
#include "base/error.h"
#include "persist/file_error.h"
#include "tests/app/main_form_fixture_win.h"
#include "ui/clipboard_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/message_box_win.h"
#include "ui/monitors_win.h"
#include "ui/window_text_win.h"

namespace tintrel {
namespace {

TEST(Cp932Conversion, ConvertsDoubleByteCharactersBothWays) {
    const std::string text = "\x95\x5C\\R 0\x81`1";  // 表\R 0～1
    const std::wstring wide = WidenCp932(text);
    EXPECT_EQ(wide,
              L"\x8868\\R 0\xFF5E"
              L"1");
    EXPECT_EQ(NarrowCp932(wide), text);
    EXPECT_EQ(WidenCp932(""), L"");
    EXPECT_EQ(NarrowCp932(L""), "");
}

class ErrorBox : public testing::Test {
protected:
    void SetUp() override {
        previous_ =
            SetMessageBoxHandler([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
                shown.push_back({text, caption, type});
                return IDOK;
            });
    }
    void TearDown() override { SetMessageBoxHandler(std::move(previous_)); }

    struct Shown {
        std::wstring Text;
        std::wstring Caption;
        UINT Type;
    };
    std::vector<Shown> shown;

private:
    MessageBoxHandler previous_;
};

// 容量が足りません
constexpr const char* kDiskFull =
    "\x97"
    "e\x97\xCA\x82\xAA\x91\xAB\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
const std::wstring kDiskFullText = L"\x5BB9\x91CF\x304C\x8DB3\x308A\x307E\x305B\x3093";
const std::wstring kUnexpectedText =
    L"\x4E88\x671F\x3057\x306A\x3044\x30A8\x30E9\x30FC\x304C\x767A\x751F\x3057\x307E\x3057\x305F.";

TEST_F(ErrorBox, ShowsTheProgramsJapaneseMessageAndNeverALibrarysEnglishOne) {
    const struct {
        const char* name;
        std::function<void()> fail;
        std::wstring expected;
    } cases[] = {
        {"a message of the program", [] { throw Error(kDiskFull); }, kDiskFullText + L"."},
        {"one ending in a full stop", [] { throw Error(std::string(kDiskFull) + "."); }, kDiskFullText + L"."},
        {"one ending in a character before it", [] { throw Error(std::string(kDiskFull) + "!"); },
         kDiskFullText + L"!"},
        {"an English message", [] { throw Error("Disk full"); }, kUnexpectedText},
        {"an empty message", [] { throw Error(""); }, kUnexpectedText},
        {"the library's own", [] { std::string().reserve(std::string().max_size() + 1); }, kUnexpectedText},
        {"memory that ran out", [] { throw std::bad_alloc(); },
         L"\x30E1\x30E2\x30EA\x304C\x8DB3\x308A\x307E\x305B\x3093."},
    };
    for (const auto& [name, fail, expected] : cases) {
        try {
            fail();
            ADD_FAILURE() << name << ": nothing thrown";
        } catch (const std::exception& error) {
            EXPECT_EQ(ErrorBoxText(error), expected) << name << ", message \"" << error.what() << "\"";
        }
    }
}

TEST_F(ErrorBox, SplicesTheFullPathIntoAFileError) {
    // %s に書き込めません
    const FileError error("%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1",
                          L"C:\\Tools\\\x8272\\Tintrel.ini");
    EXPECT_EQ(ErrorBoxText(error), L"C:\\Tools\\\x8272\\Tintrel.ini \x306B\x66F8\x304D\x8FBC\x3081\x307E\x305B\x3093.");
}

TEST_F(ErrorBox, AnErrorEndsTheHandlerAndReachesTheUser) {
    bool finished = false;
    const bool succeeded = RunGuarded([&] {
        throw Error(kDiskFull);
        finished = true;
    });
    EXPECT_FALSE(succeeded);
    EXPECT_FALSE(finished);
    EXPECT_FALSE(RunGuarded([] { throw 42; }));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].Text, kUnexpectedText) << "what is no std::exception";
    EXPECT_EQ(shown[0].Text, kDiskFullText + L".");
    EXPECT_EQ(shown[0].Caption, L"Tintrel");
    EXPECT_EQ(shown[0].Type, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

TEST(PlaceOnMonitor, BringsALostWindowIntoTheWorkAreaAndLeavesAVisibleOne) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const struct {
        RECT window;
        RECT expected;
    } cases[] = {
        {{work.right - 10, 200, work.right + 196, 470}, {work.right - 10, 200, work.right + 196, 470}},
        {{5000, 200, 5206, 470}, {work.right - 206, 200, work.right, 470}},
    };
    for (const auto& [window, expected] : cases) {
        const RECT placed = PlaceOnMonitor(window);
        EXPECT_TRUE(EqualRect(&placed, &expected))
            << "window at " << window.left << "," << window.top << " placed at " << placed.left << "," << placed.top
            << ", expected " << expected.left << "," << expected.top;
    }
}

TEST(Clipboard, ReplacesTheWholeContentWithUnicodeText) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    const HGLOBAL bitmapFormatData = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(CF_DIF, bitmapFormatData);
    CloseClipboard();

    PutTextOnClipboard(nullptr, L"#1A2B3C \x8868");
    EXPECT_EQ(testing_win::ClipboardText(), L"#1A2B3C \x8868");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIF)) << "the earlier content is gone";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "8-bit readers get the text too";
}

TEST(Clipboard, CopiesAnEmptyTextAsAnEmptyText) {
    PutTextOnClipboard(nullptr, L"");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(testing_win::ClipboardText(), L"");
}

TEST(ProgramPictures, TheDropperIsA16By16FourBitBitmapOfTheDesign) {
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_DROPPER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section{};
    GetObjectW(bitmap, sizeof(section), &section);
    EXPECT_EQ(section.dsBm.bmWidth, 16);
    EXPECT_EQ(section.dsBm.bmHeight, 16);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 4);

    const char* const rows[16] = {
        "SSSSSSSSSSSSSSSS", "SSSSSSSSSSSSKKKS", "SSSSSSSSSSSKGKKK", "SSSSSSSSSSKKKKKK",
        "SSSSSSSSKKKKKKKK", "SSSSSSSSSKKKKKKS", "SSSSSSSSKWKKKKSS", "SSSSSSSKWWGKKSSS",
        "SSSSSSKWWGKSKSSS", "SSSSSKWWGKSSSSSS", "SSSSKWWCKSSSSSSS", "SSSKWWCKSSSSSSSS",
        "SSKWWCKSSSSSSSSS", "SCKCCKCCCSSSSSSS", "CCKKKCCCCCSSSSSS", "SCCCCCCCSSSSSSSS",
    };
    const auto colorOf = [](char letter) -> COLORREF {
        switch (letter) {
            case 'K':
                return 0x00000000;
            case 'C':
                return 0x00808000;
            case 'G':
                return 0x00808080;
            case 'W':
                return 0x00FFFFFF;
            default:
                return 0x00C0C0C0;
        }
    };
    MemoryDC dc(nullptr);
    ScopedSelect select(dc.Get(), bitmap);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(GetPixel(dc.Get(), x, y), colorOf(rows[y][x])) << "pixel " << x << ", " << y;
        }
    }
    DeleteObject(bitmap);
}

TEST(ProgramPictures, TheIconIs32By32) {
    const auto icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), kProgramIconName, IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP color{};
    GetObjectW(info.hbmColor, sizeof(color), &color);
    EXPECT_EQ(color.bmWidth, 32);
    EXPECT_EQ(color.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

}  // namespace
}  // namespace tintrel
