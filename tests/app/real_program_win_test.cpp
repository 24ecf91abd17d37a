// The program itself, started as a user starts it: its files beside the executable survive a close and
// a new start.
#include <windows.h>

#include <oleacc.h>

#include <commctrl.h>

#include <cwchar>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "app/control_names.h"
#include "app/main_form_win.h"
#include "palette/pallet_captions.h"
#include "palette/pallet_cell_text.h"
#include "palette/pallet_geometry.h"
#include "palette/pick_history.h"
#include "sampler/system_cursors_win.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/app/running_program_win.h"
#include "tests/persist/test_support.h"
#include "tests/real_input_win.h"
#include "ui/window_text_win.h"

namespace tintrel {
namespace {

// 開く, 閉じる, 切り替え: the default actions of a closed list, an open one, and a page tab
constexpr std::string_view kOpen = "\x8A\x4A\x82\xAD";
constexpr std::string_view kClose = "\x95\xC2\x82\xB6\x82\xE9";
constexpr std::string_view kSwitch = "\x90\xD8\x82\xE8\x91\xD6\x82\xA6";

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

using testing_win::Eventually;
using testing_win::RunningProgram;

// A control's text; GetWindowText does not ask the controls of another process.
std::wstring TextOf(HWND control) {
    wchar_t text[256] = {};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(RealProgram, PickStartedByAnotherProcessPicksInTheRunningCopyAndAnUnknownArgumentStartsNothing) {
    TemporaryDirectory directory;
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    WriteBytes(directory / "Tintrel.ini", "[System]\r\nWriteClip=1\r\nStayOnTop=0\r\n");
    RunningProgram program(executable);
    ASSERT_NE(program.MainWindow(), nullptr);
    const POINT at{5, 700};
    const HDC screen = GetDC(nullptr);
    const COLORREF expected = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    wchar_t expectedText[8];
    swprintf(expectedText, 8, L"#%02X%02X%02X", GetRValue(expected), GetGValue(expected), GetBValue(expected));
    testing_win::SendMouseAt(at);

    RunningProgram request(executable, L"/pick /frozen", false);
    ASSERT_TRUE(request.Ended());
    EXPECT_EQ(request.ExitCode(), 0u);
    EXPECT_TRUE(Eventually([&] { return program.TopWindow(L"TintrelPickView") != nullptr; }))
        << "the running copy shows the frozen screen";
    testing_win::SendMouseAt(at, MOUSEEVENTF_LEFTDOWN);
    testing_win::SendMouseAt(at, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Eventually([&] { return program.TopWindow(L"TintrelPickView") == nullptr; }));
    EXPECT_TRUE(Eventually([&] { return testing_win::ClipboardText() == expectedText; })) << "auto-copy";

    RunningProgram unknown(executable, L"/pick /bogus", false);
    HWND box = nullptr;
    ASSERT_TRUE(Eventually([&] { return (box = unknown.TopWindow(L"#32770")) != nullptr; }));
    const std::wstring told = TextOf(GetDlgItem(box, 0xFFFF));
    EXPECT_NE(told.find(L"/bogus"), std::wstring::npos);
    EXPECT_NE(told.find(L"\u5F15\u6570"), std::wstring::npos) << "in Japanese";  // 引数
    EXPECT_EQ(program.TopWindow(L"TintrelPickView"), nullptr) << "and starts nothing else";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(unknown.Ended());
    EXPECT_EQ(unknown.ExitCode(), 2u);
    EXPECT_TRUE(program.Close());
}

// Wine shows no change of the system's cursors (it keeps them as they are), so the test follows the mark
// a copy keeps for the logon while it has them replaced.
TEST(RealProgram, AKillDuringAPickLeavesTheCursorsToTheNextStartWhileAnotherCopyRuns) {
    TemporaryDirectory directory;
    TemporaryDirectory elsewhere;
    for (const auto& folder : {directory.Path(), elsewhere.Path()}) {
        std::filesystem::copy_file(TINTREL_EXECUTABLE, folder / "Tintrel.exe");
        WriteBytes(folder / "Tintrel.ini", "[System]\r\nStayOnTop=0\r\n");
    }
    const auto replaced = [] { return GlobalFindAtomW(kCursorsReplacedMark) != 0; };
    ASSERT_FALSE(replaced());
    RunningProgram other(elsewhere / "Tintrel.exe");
    {
        RunningProgram picking(directory / "Tintrel.exe", L"/pick");
        ASSERT_TRUE(Eventually(replaced)) << "a live pick from anywhere shows the cross through the system's cursors";
        picking.Kill();
    }
    EXPECT_TRUE(replaced()) << "a killed copy cannot put them back";
    RunningProgram again(directory / "Tintrel.exe");
    EXPECT_FALSE(replaced()) << "the next start has put them back, though another copy runs";
    EXPECT_TRUE(again.Close());
    EXPECT_TRUE(other.Close());
}

TEST(RealProgram, KeepsItsSettingsAndFormatListAcrossARestart) {
    TemporaryDirectory directory;
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    WriteBytes(directory / "Tintrel.fmt", "first \\R\nsecond \\RR\\GG\\BB\n");
    WriteBytes(directory / "Tintrel.ini",
               "[System]\r\nStayOnTop=0\r\nSmall16=1\r\n[Color]\r\nSelectedColor=$5A3C1E\r\nRGBformat=1\r\n"
               "[Window]\r\nLeft=333\r\nTop=111\r\nHeight=301\r\n");
    {
        RunningProgram program(executable);
        ASSERT_NE(program.MainWindow(), nullptr);
        EXPECT_EQ(program.Position(), "333,111");
        EXPECT_EQ(GetWindowLongPtrW(program.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        const HWND comboF = program.Child(L"ComboBox");
        EXPECT_EQ(SendMessageW(comboF, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(TextOf(program.Child(L"Edit")), L"#1e3c5a") << "item 0 shows the web colour, in lower case";
        EXPECT_EQ(TextOf(program.Child(L"Edit", 1)), L"1e") << "red in hexadecimal";

        SendMessageW(comboF, CB_SETCURSEL, 1, 0);
        SendMessageW(program.MainWindow(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(comboF), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(comboF));
        SetWindowPos(program.MainWindow(), nullptr, 280, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_TRUE(program.Close());
        EXPECT_EQ(program.ExitCode(), 0u) << "a normal close";
    }
    EXPECT_EQ(Escaped(ReadBytes(directory / "Tintrel.fmt")), Escaped("first \\R\r\nsecond \\RR\\GG\\BB\r\n"));
    EXPECT_EQ(Escaped(ReadBytes(directory / "Tintrel.ini")),
              Escaped("[System]\r\nStayOnTop=0\r\nSmall16=1\r\nWriteClip=0\r\n"
                      "[Color]\r\nSelectedColor=5913630\r\nRGBformat=1\r\nCMYKformat=0\r\nSelectedFormat=1\r\n"
                      "[Window]\r\nLeft=280\r\nTop=90\r\nHeight=301\r\n"));
    {
        RunningProgram program(executable);
        ASSERT_NE(program.MainWindow(), nullptr);
        EXPECT_EQ(program.Position(), "280,90");
        EXPECT_EQ(TextOf(program.Child(L"Edit")), L"second 1e3c5a");
        ASSERT_TRUE(program.Close());
    }
}

TEST(RealProgram, StartsWithAHandEditedPaletteFileAndKeepsWhatItDoesNotOwn) {
    TemporaryDirectory directory;
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    const std::string longName(3000, 'A');
    const std::string odd = "\x81\xFF\xA0";  // bytes that code page 932 does not show as text
    WriteBytes(directory / "Tintrel.plt",
               "; mine\r\n[Pallet]\r\nLeft=abc\r\nTop=-5\r\nRight=0x190\r\nBottom=99999999999\r\nDock=1\r\n"
               "View=0\r\nxCount=17\r\nyCount=$10\r\nzCount=9\r\nSelect=7\r\n[Tab1]\r\nNAME=" +
                   longName + "\r\nC_0_0=0x0000FF\r\nC_20_0=123\r\n[Tab2]\r\nNAME=\r\n[Tab3]\r\nNAME=" + odd +
                   "\r\n[Tab6]\r\nC_0_0=5\r\n[Tab7]\r\n[Tab17]\r\nC_0_0=7\r\n");
    {
        RunningProgram program(executable);
        ASSERT_NE(program.MainWindow(), nullptr);
        RECT client;
        GetClientRect(program.MainWindow(), &client);
        EXPECT_EQ(client.bottom, 170) << "the palette is hidden";
        ASSERT_TRUE(program.Close());
    }
    const std::string file = ReadBytes(directory / "Tintrel.plt");
    const char* const kept[] = {
        "; mine\r\n[Pallet]\r\nLeft=200\r\nTop=-5\r\nRight=400\r\nBottom=470\r\nDock=1\r\nView=0\r\nxCount=4\r\n"
        "yCount=16\r\nzCount=4\r\nSelect=0\r\n",
        "[Tab1]\r\nNAME=\x90\x46\x31\r\nC_0_0=0x0000FF\r\nC_20_0=123\r\n",  // 色1; cells as they were
        "[Tab2]\r\nNAME=\x90\x46\x32\r\n",                                  // 色2
        "[Tab7]\r\n[Tab17]\r\nC_0_0=7\r\n",
    };
    for (const char* part : kept) {
        EXPECT_NE(file.find(part), std::string::npos) << Escaped(part) << " in " << Escaped(file);
    }
    EXPECT_NE(file.find("[Tab3]\r\nNAME=" + odd + "\r\n"), std::string::npos) << Escaped(file);
    EXPECT_EQ(file.find("[Tab6]"), std::string::npos) << "a page above the count with keys goes";
}

using testing_win::ActOn;
using testing_win::Describe;
using testing_win::Described;

std::string TextOf(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "-" + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

RECT ScreenRect(HWND window, RECT client) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

TEST(RealProgram, TellsAScreenReaderInAnotherProcessEveryControlAndCellAndLetsItOpenTheListAndSelectAPage) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    TemporaryDirectory directory;
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    WriteBytes(directory / "Tintrel.ini", "[Color]\r\nSelectedColor=$5A3C1E\r\n");
    WriteBytes(directory / "Tintrel.plt", "[Tab1]\r\nC_1_1=$102030\r\n[History]\r\nCount=1\r\nC_0=$0A0B0C\r\n");
    RunningProgram program(executable);
    ASSERT_NE(program.MainWindow(), nullptr);
    const HWND main = program.MainWindow();
    const auto control = [main](ControlId id) { return GetDlgItem(main, static_cast<int>(id)); };
    const HWND tabs = GetDlgItem(control(ControlId::PalletPanel), static_cast<int>(ControlId::PalletTab));
    const HWND surface = FindWindowExW(tabs, nullptr, L"TintrelPalletView", nullptr);
    RECT client;
    GetClientRect(surface, &client);
    const auto cell = [](int column, int row, std::int32_t color) {
        return WidenCp932(CellAccessibleName(column, row, color, 0));
    };
    constexpr long kField = STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE;
    const auto cellAt = [&client](int column, int row) {  // in the surface's client area
        const PalletRect bounds = CellRect(column, row, 4, 4, client.right, client.bottom);
        return RECT{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
    };
    const struct {
        HWND window;
        std::wstring name;
        long role;
        std::wstring value;
        long parts = -1;     // -1: not asked
        RECT location = {};  // the whole window when empty
        long part = CHILDID_SELF;
    } objects[] = {
        {control(ControlId::PanelDef), WidenCp932(kNameMagnifier), ROLE_SYSTEM_GRAPHIC, L"", -1,
         ScreenRect(control(ControlId::PanelDef), RECT{4, 4, 136, 72})},
        {control(ControlId::PanelP), WidenCp932(kNamePickTarget), ROLE_SYSTEM_PUSHBUTTON, L""},
        {control(ControlId::PanelD), WidenCp932(kNameSwatch), ROLE_SYSTEM_GRAPHIC, L"#1E3C5A"},
        {control(ControlId::ComboF), WidenCp932(kNameFormat), ROLE_SYSTEM_COMBOBOX, L"#RRGGBB"},
        {control(ControlId::EditF), WidenCp932(kNameText), ROLE_SYSTEM_TEXT, L"#1E3C5A"},
        {control(ControlId::EditR), WidenCp932(kNameComponents[0]), ROLE_SYSTEM_TEXT, L"30"},
        {control(ControlId::EditB), WidenCp932(kNameComponents[2]), ROLE_SYSTEM_TEXT, L"90"},
        {control(ControlId::EditK), WidenCp932(kNameComponents[6]), ROLE_SYSTEM_TEXT, L"165"},
        // ページ with a part per page tab and the history's; パレット 色1 with a part per cell
        {tabs, WidenCp932("\x83\x79\x81\x5B\x83\x57"), ROLE_SYSTEM_PAGETABLIST, L"", 5},
        {surface, WidenCp932("\x83\x70\x83\x8C\x83\x62\x83\x67 \x90\x46\x31"), ROLE_SYSTEM_LIST, L"", 16},
        {surface, cell(0, 0, 0), ROLE_SYSTEM_LISTITEM, L"", -1, ScreenRect(surface, cellAt(0, 0)), 1},
        {surface, cell(1, 1, 0x102030), ROLE_SYSTEM_LISTITEM, L"", -1, ScreenRect(surface, cellAt(1, 1)), 6},
        {surface, cell(3, 2, 0), ROLE_SYSTEM_LISTITEM, L"", -1, ScreenRect(surface, cellAt(3, 2)), 12},
    };
    for (const auto& expected : objects) {
        SCOPED_TRACE(NarrowCp932(expected.name));
        const Described described = Describe(expected.window, expected.part);
        RECT whole;
        GetWindowRect(expected.window, &whole);
        EXPECT_EQ(described.Name, expected.name) << expected.window;
        EXPECT_EQ(described.Role, expected.role);
        EXPECT_EQ(described.Value, expected.value);
        EXPECT_EQ(TextOf(described.Location), TextOf(IsRectEmpty(&expected.location) ? whole : expected.location));
        EXPECT_EQ(expected.parts < 0 ? -1 : described.Parts, expected.parts);
    }
    // What it learns it can do: the state flags that must be set, and the default action.
    const struct {
        HWND window;
        long state;
        std::wstring action;
    } abilities[] = {
        {control(ControlId::EditF), kField, L""},
        {control(ControlId::PanelD), STATE_SYSTEM_READONLY, L""},
    };
    for (const auto& expected : abilities) {
        const Described described = Describe(expected.window);
        SCOPED_TRACE(NarrowCp932(described.Name));
        EXPECT_EQ(described.State & expected.state, expected.state) << std::hex << described.State;
        EXPECT_EQ(described.DefaultAction, expected.action);
    }
    EXPECT_EQ(Describe(tabs, 2).Name, WidenCp932("\x90\x46\x32")) << "the second page's tab, 色2";
    EXPECT_EQ(Describe(tabs, 2).Role, ROLE_SYSTEM_PAGETAB);

    // A click on a cell picks its colour: the swatch tells its new value.
    const RECT picked = cellAt(1, 1);
    const LPARAM at = MAKELPARAM((picked.left + picked.right) / 2, (picked.top + picked.bottom) / 2);
    PostMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(surface, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(Eventually([&] { return Describe(control(ControlId::PanelD)).Value == L"#302010"; }))
        << NarrowCp932(Describe(control(ControlId::PanelD)).Value);

    // What it can do: open the template list and select a page.
    const struct {
        const char* what;
        HWND window;
        long part;
        long selectFlags;  // 0: the default action
        HRESULT result;
        bool dropped;  // the template list is open
        long page;     // the selected page tab, from 1
    } steps[] = {
        {"the list's default action opens it", control(ControlId::ComboF), CHILDID_SELF, 0, S_OK, true, 1},
        {"and closes it", control(ControlId::ComboF), CHILDID_SELF, 0, S_OK, false, 1},
        {"a tab's default action selects its page", tabs, 3, 0, S_OK, false, 3},
        {"accSelect takes the selection", tabs, 2, SELFLAG_TAKESELECTION, S_OK, false, 2},
        {"the history's tab, last, as any", tabs, 5, 0, S_OK, false, 5},
        {"and the focus with it", tabs, 1, SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, S_OK, false, 1},
        {"one page at a time", tabs, 3, SELFLAG_ADDSELECTION, E_INVALIDARG, false, 1},
        {"a selection needs a tab", tabs, CHILDID_SELF, SELFLAG_TAKESELECTION, E_INVALIDARG, false, 1},
        {"the tab list has no action", tabs, CHILDID_SELF, 0, DISP_E_MEMBERNOTFOUND, false, 1},
        {"a read-only field has none", control(ControlId::EditF), CHILDID_SELF, 0, DISP_E_MEMBERNOTFOUND, false, 1},
        {"no tab beyond the last", tabs, 6, 0, E_INVALIDARG, false, 1},
    };
    // 色1 to 色4, and the history's
    const std::wstring pageNames[] = {WidenCp932("\x90\x46\x31"), WidenCp932("\x90\x46\x32"),
                                      WidenCp932("\x90\x46\x33"), WidenCp932("\x90\x46\x34"),
                                      WidenCp932(kHistoryCaption)};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(ActOn(step.window, step.part, step.selectFlags), step.result);
        const Described list = Describe(control(ControlId::ComboF));
        EXPECT_EQ(SendMessageW(control(ControlId::ComboF), CB_GETDROPPEDSTATE, 0, 0) != 0, step.dropped);
        EXPECT_EQ(list.State & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_FOCUSABLE),
                  (step.dropped ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED) | STATE_SYSTEM_FOCUSABLE);
        EXPECT_EQ(list.DefaultAction, WidenCp932(step.dropped ? kClose : kOpen));
        for (long tab = 1; tab <= 5; ++tab) {
            const Described described = Describe(tabs, tab);
            EXPECT_EQ(described.State & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_SELECTABLE),
                      STATE_SYSTEM_SELECTABLE | (tab == step.page ? STATE_SYSTEM_SELECTED : 0))
                << "tab " << tab;
            EXPECT_EQ(described.DefaultAction, WidenCp932(kSwitch));
        }
        // The palette follows: its surface is named after the page it shows.
        EXPECT_EQ(Describe(surface).Name, WidenCp932("\x83\x70\x83\x8C\x83\x62\x83\x67 ") + pageNames[step.page - 1]);
    }
    EXPECT_NE(Describe(tabs, 1).State & STATE_SYSTEM_FOCUSED, 0) << "the tab that took the focus has it";

    // The history's tab, last: 履歴, whose page has a part per cell, named by its place.
    EXPECT_EQ(Describe(tabs, 5).Name, WidenCp932(kHistoryCaption));
    SendMessageW(tabs, TCM_SETCURSEL, 4, 0);
    EXPECT_EQ(Describe(surface).Parts, 16);
    EXPECT_EQ(Describe(surface, 1).Name, WidenCp932(HistoryPlaceName(0, 0x0A0B0C)));
    EXPECT_EQ(Describe(surface, 2).Name, WidenCp932(HistoryPlaceName(1, std::nullopt)));
    ASSERT_TRUE(program.Close());
    CoUninitialize();
}

}  // namespace
}  // namespace tintrel
