// The contrast window of the running program, used with real input and read as a screen reader in
// another process reads it.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include <gtest/gtest.h>

#include "app/main_form_win.h"
#include "color/contrast.h"
#include "color/contrast_layout_win.h"
#include "color/contrast_text.h"
#include "palette/pallet_geometry.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/app/pattern_window_win.h"
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
using testing_win::CenterOf;
using testing_win::Describe;
using testing_win::Eventually;
using testing_win::RunningProgram;
using testing_win::SendKey;
using testing_win::SendMouseAt;

void Click(HWND window) {
    const POINT at = CenterOf(window);
    SendMouseAt(at, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(at, MOUSEEVENTF_LEFTUP);
}

// What the program's thread holds, asked from this process: its focus and the mouse capture.
GUITHREADINFO ThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

// Presses at `from` in `source` and moves a little, as a hand does, until the program holds the mouse
// for the drag; then moves on to `to` and releases there.
void Drag(HWND source, POINT from, POINT to) {
    SendMouseAt(from, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(POINT{from.x + 2 * GetSystemMetrics(SM_CXDRAG) * (to.x < from.x ? -1 : 1), from.y});
    EXPECT_TRUE(Eventually([source] { return ThreadOf(source).hwndCapture != nullptr; })) << "no drag began";
    SendMouseAt(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
    SendMouseAt(to);
    SendMouseAt(to, MOUSEEVENTF_LEFTUP);
}

// Replaces a box's text by typing `digits` (digits and commas) and Enter.
void TypeInto(HWND edit, const std::string& digits) {
    Click(edit);
    EXPECT_TRUE(Eventually([edit] { return ThreadOf(edit).hwndFocus == edit; })) << "the box took no focus";
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const char key : digits) {
        SendKey(key == ',' ? VK_OEM_COMMA : static_cast<WORD>(key));
    }
    SendKey(VK_RETURN);
}

TEST(ContrastWindow, TakesColoursTypedSwappedDroppedAndPickedAndTellsAScreenReaderTheVerdicts) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    TemporaryDirectory directory;
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    WriteBytes(directory / "Tintrel.ini",
               "[Window]\r\nLeft=10\r\nTop=10\r\n[Contrast]\r\nText=-5\r\nLeft=240\r\nTop=400\r\nOpen=1\r\n");
    WriteBytes(directory / "Tintrel.plt", "[Tab1]\r\nC_1_1=$102030\r\n");
    // To pick from: its pixel (40, 40), in the middle, is #287840.
    const testing_win::PatternWindow pattern(RECT{930, 20, 1010, 100});
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
    // Each row named as the window names it, with its verdict: 合格 or 不合格.
    const std::string pass = "\x8D\x87\x8Ai";
    const std::string verdicts[] = {pass, pass, "\x95s" + pass, pass, pass};
    for (std::size_t row = 0; row < kContrastCriteria.size(); ++row) {
        const auto described = Describe(item(layout::kFirstVerdictId + static_cast<int>(row)));
        EXPECT_EQ(described.Name, WidenCp932(CriterionRowText(kContrastCriteria[row], ".")));
        EXPECT_EQ(described.Value, WidenCp932(verdicts[row])) << NarrowCp932(described.Name);
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
    Drag(surface, cellMiddle, CenterOf(item(layout::kTextSwatchId)));
    EXPECT_TRUE(shows(layout::kTextSwatchId, L"#302010")) << value(layout::kTextSwatchId);

    // Picked off the screen into the background.
    Drag(item(layout::kBackPickId), CenterOf(item(layout::kBackPickId)), POINT{970, 60});
    EXPECT_TRUE(shows(layout::kBackSwatchId, L"#287840")) << value(layout::kBackSwatchId);

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
    ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == program.MainWindow(); }));
    SendKey('K', true, true);
    EXPECT_TRUE(Eventually([&] { return IsWindowVisible(form) != FALSE; })) << "Shift+Ctrl+K opens it again";

    ASSERT_TRUE(program.Close());
    const std::string settings = ReadBytes(directory / "Tintrel.ini");
    EXPECT_NE(settings.find("[Contrast]\r\nText=1056816\r\nLeft=240\r\nTop=400\r\nOpen=1\r\nBack=1056816\r\n"),
              std::string::npos)
        << settings;
    const std::string palette = ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(palette.find("[History]\r\nCount=1\r\nC_0=4225064\r\n"), std::string::npos)
        << "the colour picked for the pair, and only it, in the pick history: " << palette;
    CoUninitialize();
}

}  // namespace
}  // namespace tintrel
