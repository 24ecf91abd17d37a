// The program itself, started as a user starts it: its files beside the executable survive a close and
// a new start.
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/control_names.h"
#include "app/main_form_win.h"
#include "palette/pallet_cell_text.h"
#include "palette/pallet_geometry.h"
#include "tests/persist/test_support.h"
#include "ui/window_text_win.h"

namespace tintrel {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

// A running copy of Tintrel.exe and its main window.
class RunningProgram {
public:
    explicit RunningProgram(const std::filesystem::path& executable) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
        if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            ADD_FAILURE() << "cannot start " << executable << ", error " << GetLastError();
            return;
        }
        WaitForInputIdle(process_.hProcess, 10000);
        for (int attempt = 0; attempt < 200 && mainWindow_ == nullptr; ++attempt) {
            EnumWindows(&RunningProgram::FindMainWindow, reinterpret_cast<LPARAM>(this));
            if (mainWindow_ == nullptr || !IsWindowVisible(mainWindow_)) {
                mainWindow_ = nullptr;
                Sleep(50);
            }
        }
        EXPECT_NE(mainWindow_, nullptr) << "the main window did not show";
    }
    ~RunningProgram() {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 1);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    // The main window's outer top-left corner, as "left,top".
    std::string Position() const {
        RECT window;
        GetWindowRect(mainWindow_, &window);
        return std::to_string(window.left) + "," + std::to_string(window.top);
    }
    HWND Child(const wchar_t* className, int index = 0) const {
        HWND child = nullptr;
        for (int skipped = 0; skipped <= index; ++skipped) {
            child = FindWindowExW(mainWindow_, child, className, nullptr);
        }
        return child;
    }
    // Closes the window as the close box does and waits for the program to end.
    bool Close() {
        PostMessageW(mainWindow_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    static BOOL CALLBACK FindMainWindow(HWND window, LPARAM self) {
        auto* program = reinterpret_cast<RunningProgram*>(self);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (owner == program->process_.dwProcessId && std::wstring(className) == L"TFMain") {
            program->mainWindow_ = window;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// A control's text; GetWindowText does not ask the controls of another process.
std::wstring TextOf(HWND control) {
    wchar_t text[256] = {};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
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

// What a screen reader learns of a window's client object, or of one of its parts.
struct Described {
    std::wstring Name;
    long Role = 0;
    std::wstring Value;
    long Parts = -1;
    RECT Location{};
};

Described Describe(HWND window, long part = CHILDID_SELF) {
    Described described;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return described;
    }
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = part;
    const auto text = [](BSTR value) {
        std::wstring copy = value != nullptr ? value : L"";
        SysFreeString(value);
        return copy;
    };
    BSTR name = nullptr;
    object->get_accName(child, &name);
    described.Name = text(name);
    BSTR value = nullptr;
    object->get_accValue(child, &value);
    described.Value = text(value);
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(child, &role);
    described.Role = role.lVal;
    object->get_accChildCount(&described.Parts);
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
    object->accLocation(&left, &top, &width, &height, child);
    described.Location = RECT{left, top, left + width, top + height};
    object->Release();
    return described;
}

// The windows whose value changed, as a screen reader hears of it.
std::vector<HWND> valueChanges;

void CALLBACK RecordValueChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT) {
        valueChanges.push_back(window);
    }
}

std::string TextOf(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "-" + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

RECT ScreenRect(HWND window, RECT client) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

TEST(RealProgram, TellsAScreenReaderInAnotherProcessTheNamesAndValuesOfEveryControlAndCell) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    TemporaryDirectory directory;
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    WriteBytes(directory / "Tintrel.ini", "[Color]\r\nSelectedColor=$5A3C1E\r\n");
    WriteBytes(directory / "Tintrel.plt", "[Tab1]\r\nC_1_1=$102030\r\n");
    RunningProgram program(executable);
    ASSERT_NE(program.MainWindow(), nullptr);
    const HWND main = program.MainWindow();
    const auto control = [main](ControlId id) { return GetDlgItem(main, static_cast<int>(id)); };
    const HWND tabs = GetDlgItem(control(ControlId::PalletPanel), static_cast<int>(ControlId::PalletTab));
    const HWND surface = FindWindowExW(tabs, nullptr, L"TintrelPalletView", nullptr);
    const auto named = [](std::string_view cp932) { return WidenCp932(cp932); };
    RECT magnifier{4, 4, 136, 72};
    const struct {
        HWND window;
        std::wstring name;
        long role;
        std::wstring value;
        RECT location = {};  // the whole window when empty
    } controls[] = {
        {control(ControlId::PanelDef), named(kNameMagnifier), ROLE_SYSTEM_GRAPHIC, L"",
         ScreenRect(control(ControlId::PanelDef), magnifier)},
        {control(ControlId::PanelP), named(kNamePickTarget), ROLE_SYSTEM_PUSHBUTTON, L""},
        {control(ControlId::PanelD), named(kNameSwatch), ROLE_SYSTEM_GRAPHIC, L"#1E3C5A"},
        {control(ControlId::ComboF), named(kNameFormat), ROLE_SYSTEM_COMBOBOX, L"#RRGGBB"},
        {control(ControlId::EditF), named(kNameText), ROLE_SYSTEM_TEXT, L"#1E3C5A"},
        {control(ControlId::EditR), named(kNameComponents[0]), ROLE_SYSTEM_TEXT, L"30"},
        {control(ControlId::EditB), named(kNameComponents[2]), ROLE_SYSTEM_TEXT, L"90"},
        {control(ControlId::EditK), named(kNameComponents[6]), ROLE_SYSTEM_TEXT, L"165"},
        {tabs, named("\x83\x79\x81\x5B\x83\x57"), ROLE_SYSTEM_PAGETABLIST, L""},                   // ページ
        {surface, named("\x83\x70\x83\x8C\x83\x62\x83\x67 \x90\x46\x31"), ROLE_SYSTEM_LIST, L""},  // パレット 色1
    };
    for (const auto& expected : controls) {
        const Described described = Describe(expected.window);
        RECT whole;
        GetWindowRect(expected.window, &whole);
        EXPECT_EQ(described.Name, expected.name) << expected.window;
        EXPECT_EQ(described.Role, expected.role) << NarrowCp932(expected.name);
        EXPECT_EQ(described.Value, expected.value) << NarrowCp932(expected.name);
        EXPECT_EQ(TextOf(described.Location), TextOf(IsRectEmpty(&expected.location) ? whole : expected.location))
            << NarrowCp932(expected.name);
    }

    EXPECT_EQ(Describe(tabs).Parts, 4) << "one page tab per page";
    const Described page = Describe(tabs, 2);
    EXPECT_EQ(page.Name, named("\x90\x46\x32")) << "色2";
    EXPECT_EQ(page.Role, ROLE_SYSTEM_PAGETAB);

    EXPECT_EQ(Describe(surface).Parts, 16) << "one part per cell";
    RECT client;
    GetClientRect(surface, &client);
    for (const CellPosition cell : {CellPosition{0, 0}, CellPosition{1, 1}, CellPosition{3, 2}}) {
        const Described described = Describe(surface, cell.Row * 4 + cell.Column + 1);
        const std::int32_t current = cell == CellPosition{1, 1} ? 0x102030 : 0;
        EXPECT_EQ(described.Name, WidenCp932(CellAccessibleName(cell.Column, cell.Row, current, 0)));
        EXPECT_EQ(described.Role, ROLE_SYSTEM_LISTITEM);
        const PalletRect bounds = CellRect(cell.Column, cell.Row, 4, 4, client.right, client.bottom);
        EXPECT_EQ(TextOf(described.Location),
                  TextOf(ScreenRect(surface, RECT{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom})))
            << cell.Column << "," << cell.Row;
    }

    // A click on a cell picks its colour: the swatch tells its new value.
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                               &RecordValueChange, process, 0, WINEVENT_OUTOFCONTEXT);
    const PalletRect cell = CellRect(1, 1, 4, 4, client.right, client.bottom);
    const LPARAM at = MAKELPARAM((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    PostMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(surface, WM_LBUTTONUP, 0, at);
    for (const ULONGLONG end = GetTickCount64() + 3000; valueChanges.empty() && GetTickCount64() < end; Sleep(10)) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(valueChanges, std::vector<HWND>{control(ControlId::PanelD)});
    EXPECT_EQ(Describe(control(ControlId::PanelD)).Value, L"#302010");
    ASSERT_TRUE(program.Close());
    CoUninitialize();
}

}  // namespace
}  // namespace tintrel
