// The contrast window of the running program, used with real input and read as a screen reader in
// another process reads it.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/main_form_win.h"
#include "color/contrast_layout_win.h"
#include "palette/pallet_geometry.h"
#include "tests/app/running_program_win.h"
#include "tests/persist/test_support.h"
#include "tests/real_input_win.h"
#include "ui/window_text_win.h"

namespace tintrel {
namespace {

namespace layout = contrast_layout;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;
using testing_win::Describe;
using testing_win::RunningProgram;
using testing_win::SendKey;
using testing_win::SendMouseAt;

constexpr COLORREF kPattern = RGB(0x12, 0x34, 0x56);

// Polls what another process shows until it holds; the program answers in its own time.
bool Eventually(const std::function<bool()>& holds, ULONGLONG timeout = 3000) {
    for (const ULONGLONG end = GetTickCount64() + timeout; GetTickCount64() < end; Sleep(10)) {
        if (holds()) {
            return true;
        }
    }
    return holds();
}

POINT Middle(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

void Click(HWND window) {
    const POINT at = Middle(window);
    SendMouseAt(at, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(at, MOUSEEVENTF_LEFTUP);
}

// Presses at `from`, moves to `to` in steps as a hand does, and releases there.
void Drag(POINT from, POINT to) {
    SendMouseAt(from, MOUSEEVENTF_LEFTDOWN);
    Sleep(50);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        SendMouseAt(POINT{from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
        Sleep(30);
    }
    Sleep(100);
    SendMouseAt(to, MOUSEEVENTF_LEFTUP);
}

// Replaces a box's text by typing `digits` (digits and commas) and Enter.
void TypeInto(HWND edit, const std::string& digits) {
    Click(edit);
    Sleep(50);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const char key : digits) {
        SendKey(key == ',' ? VK_OEM_COMMA : static_cast<WORD>(key));
    }
    SendKey(VK_RETURN);
}

// A window of a known colour, to pick from.
LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND ShowPattern() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PatternProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(kPattern);
    windowClass.lpszClassName = L"ContrastTestPattern";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName, L"",
                        WS_POPUP | WS_VISIBLE, 930, 20, 80, 80, nullptr, nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(window);
    return window;
}

TEST(ContrastWindow, TakesColoursTypedSwappedDroppedAndPickedAndTellsAScreenReaderTheVerdicts) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    TemporaryDirectory directory;
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    WriteBytes(directory / "Tintrel.ini",
               "[Window]\r\nLeft=10\r\nTop=10\r\n[Contrast]\r\nText=-5\r\nLeft=240\r\nTop=400\r\nOpen=1\r\n");
    WriteBytes(directory / "Tintrel.plt", "[Tab1]\r\nC_1_1=$102030\r\n");
    const HWND pattern = ShowPattern();
    RunningProgram program(executable);
    ASSERT_NE(program.MainWindow(), nullptr);
    HWND form = nullptr;
    ASSERT_TRUE(Eventually([&] { return (form = program.TopWindow(L"TFContrast")) != nullptr; }))
        << "opened at start as it was left";
    const auto item = [form](int id) { return GetDlgItem(form, id); };
    const auto value = [&](int id) { return Describe(item(id)).Value; };
    const auto shows = [&](int id, const std::wstring& expected) {
        return Eventually([&] { return value(id) == expected; });
    };
    EXPECT_TRUE(shows(layout::kTextSwatchId, L"#000000")) << "a bad colour number gives black on white";
    EXPECT_TRUE(shows(layout::kBackSwatchId, L"#FFFFFF"));

    // Typed: 118,118,118 on white is 4.54:1.
    TypeInto(item(layout::kTextEditId), "118,118,118");
    EXPECT_TRUE(shows(layout::kTextSwatchId, L"#767676")) << value(layout::kTextSwatchId);
    EXPECT_EQ(value(layout::kRatioId).substr(0, 6), L"4.54:1");
    const struct {
        const char* name;
        const char* verdict;
    } rows[] = {
        // 1.4.3 AA 通常の文字 (4.5:1), 大きな文字, 1.4.6 AAA, 1.4.11 AA 非テキスト; 合格 or 不合格
        {"1.4.3 AA \x92\xCA\x8F\xED\x82\xCC\x95\xB6\x8E\x9A (4.5:1)", "\x8D\x87\x8Ai"},
        {"1.4.3 AA \x91\xE5\x82\xAB\x82\xC8\x95\xB6\x8E\x9A (3:1)", "\x8D\x87\x8Ai"},
        {"1.4.6 AAA \x92\xCA\x8F\xED\x82\xCC\x95\xB6\x8E\x9A (7:1)", "\x95s\x8D\x87\x8Ai"},
        {"1.4.6 AAA \x91\xE5\x82\xAB\x82\xC8\x95\xB6\x8E\x9A (4.5:1)", "\x8D\x87\x8Ai"},
        {"1.4.11 AA \x94\xF1\x83"
         "e\x83L\x83X\x83g (3:1)",
         "\x8D\x87\x8Ai"},
    };
    for (int row = 0; row < 5; ++row) {
        const auto described = Describe(item(layout::kFirstVerdictId + row));
        EXPECT_EQ(described.Name, WidenCp932(rows[row].name));
        EXPECT_EQ(described.Value, WidenCp932(rows[row].verdict)) << rows[row].name;
    }
    EXPECT_EQ(value(layout::kAaNearestId), L"#767676") << "passes AA already";
    EXPECT_EQ(value(layout::kAaaNearestId), L"#595959");

    // Refused: the balloon says what is accepted, the colour stays.
    TypeInto(item(layout::kTextEditId), "12345");
    EXPECT_TRUE(Eventually([&] { return program.TopWindow(TOOLTIPS_CLASSW) != nullptr; })) << "the balloon";
    EXPECT_EQ(value(layout::kTextSwatchId), L"#767676");
    TypeInto(item(layout::kTextEditId), "767676");
    EXPECT_TRUE(Eventually([&] { return program.TopWindow(TOOLTIPS_CLASSW) == nullptr; })) << "gone at the next entry";

    Click(item(layout::kSwapId));
    EXPECT_TRUE(shows(layout::kTextSwatchId, L"#FFFFFF"));
    EXPECT_TRUE(shows(layout::kBackSwatchId, L"#767676"));

    // A palette cell dragged onto the text swatch.
    const HWND tabs = GetDlgItem(GetDlgItem(program.MainWindow(), static_cast<int>(ControlId::PalletPanel)),
                                 static_cast<int>(ControlId::PalletTab));
    const HWND surface = FindWindowExW(tabs, nullptr, L"TintrelPalletView", nullptr);
    RECT client;
    GetClientRect(surface, &client);
    const PalletRect cell = CellRect(1, 1, 4, 4, client.right, client.bottom);
    POINT cellMiddle{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    ClientToScreen(surface, &cellMiddle);
    Drag(cellMiddle, Middle(item(layout::kTextSwatchId)));
    EXPECT_TRUE(shows(layout::kTextSwatchId, L"#302010")) << value(layout::kTextSwatchId);

    // Picked off the screen into the background.
    Drag(Middle(item(layout::kBackPickId)), Middle(pattern));
    EXPECT_TRUE(shows(layout::kBackSwatchId, L"#123456")) << value(layout::kBackSwatchId);

    // The main window's current colour (the cell's, taken by the press) by the button's mnemonic.
    SendKey('U', false, false, true);
    EXPECT_TRUE(shows(layout::kBackSwatchId, L"#302010"));
    EXPECT_EQ(value(layout::kRatioId).substr(0, 6), L"1.00:1");

    SendKey(VK_ESCAPE);
    EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(form); })) << "Esc closes";
    RECT main;
    GetWindowRect(program.MainWindow(), &main);
    SendMouseAt(POINT{(main.left + main.right) / 2, main.top + 8}, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(POINT{(main.left + main.right) / 2, main.top + 8}, MOUSEEVENTF_LEFTUP);
    Sleep(100);
    SendKey('K', true, true);
    EXPECT_TRUE(Eventually([&] { return IsWindowVisible(form) != FALSE; })) << "Shift+Ctrl+K opens it again";

    ASSERT_TRUE(program.Close());
    const std::string settings = ReadBytes(directory / "Tintrel.ini");
    EXPECT_NE(settings.find("[Contrast]\r\nText=1056816\r\nLeft=240\r\nTop=400\r\nOpen=1\r\nBack=1056816\r\n"),
              std::string::npos)
        << settings;
    const std::string palette = ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(palette.find("[History]\r\nCount=1\r\nC_0=5649426\r\n"), std::string::npos)
        << "the colour picked for the pair, and only it, in the pick history: " << palette;
    DestroyWindow(pattern);
    CoUninitialize();
}

}  // namespace
}  // namespace tintrel
