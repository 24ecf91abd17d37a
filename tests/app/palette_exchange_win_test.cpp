// Palettes in and out of the running program: the two commands by their keys, the Save and Open
// dialogs answered as a user answers them, files dropped on the palette, a full palette that asks before
// it replaces a page, and what the palette file keeps.
#include <windows.h>

#include <shlobj.h>  // DROPFILES

#include <cstring>
#include <string>
#include <vector>

#include "exchange/swatch_formats.h"
#include "exchange/text_formats.h"
#include "palette/pallet_captions.h"
#include "palette/pallet_geometry.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"

namespace tintrel::testing_win {
namespace {

using PaletteExchange = MainFormTest;
using test_support::ReadBytes;
using test_support::WriteBytes;

// In a file dialog: the full name into the name box, which has the focus once the dialog is up, and a
// real Return.
void EnterFileName(const std::wstring& name) {
    wchar_t kind[16] = {};
    GetClassNameW(GetFocus(), kind, 16);
    if (std::wstring_view(kind) != L"Edit") {
        CallSoon([name] { EnterFileName(name); }, 100);
        return;
    }
    SetWindowTextW(GetFocus(), name.c_str());
    SendKey(VK_RETURN);
}

// The shell's message for files dropped on `window`: their full names, each closed by a zero.
void DropFiles(HWND window, const std::vector<std::wstring>& names) {
    std::wstring list;
    for (const std::wstring& name : names) {
        list += name + L'\0';
    }
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    *header = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    std::memcpy(header + 1, list.c_str(), list.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

void DropFile(HWND window, const std::wstring& name) {
    DropFiles(window, {name});
}

std::wstring TabText(HWND tabs, int index) {
    wchar_t text[64] = {};
    TCITEMW item{TCIF_TEXT, 0, 0, text, 64, 0, 0};
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

// The colour painted in the middle of cell (0, 0) of a 4 by 4 page.
COLORREF FirstCell(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    const PalletRect cell = CellRect(0, 0, 4, 4, client.right, client.bottom);
    return PixelOf(view, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
}

TEST_F(PaletteExchange, ExportsAndImportsThroughTheDialogsAndTakesDroppedFiles) {
    WriteBytes(directory / "Tintrel.plt",
               "[Pallet]\r\nzCount=7\r\nDock=1\r\nSelect=1\r\n[Tab2]\r\nNAME=Mine\r\nC_0_0=3943194\r\nC_1_0=255\r\n"
               "[History]\r\nCount=2\r\nC_0=16711935\r\nC_1=65280\r\n");
    WriteBytes(directory / "in.gpl", "GIMP Palette\nName: Imported\n#\n 26  43  60\tA\n255   0   0\tB\n");
    WriteBytes(directory / "blue.gpl", "GIMP Palette\nName: Blue\n0 0 255\n");
    RestartProgram();
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    const HWND panel = mainForm->Control(ControlId::PalletPanel);
    const HWND view = mainForm->Control(ControlId::PaintPallet);
    const HWND floating = GetParent(panel);
    ASSERT_NE(floating, mainForm->Handle()) << "the palette floats";
    SetForegroundWindow(mainForm->Handle());
    SetFocus(mainForm->Control(ControlId::ComboF));

    // Shift+Ctrl+S, with real keys; a name typed with the swatch exchange extension, while GIMP is the
    // chosen type.
    const std::wstring exported = (directory / "out.ase").wstring();
    bool othersDisabled = false;
    CallSoon(
        [&] {
            othersDisabled = !IsWindowEnabled(mainForm->Handle()) && !IsWindowEnabled(floating);
            EnterFileName(exported);
        },
        500);
    SendKey('S', true, true);
    ASSERT_TRUE(PumpUntil([&] { return std::filesystem::exists(exported); }, 15000)) << "the file is written";
    EXPECT_TRUE(othersDisabled) << "the dialog is modal to the main window and the floating palette";
    EXPECT_TRUE(IsWindowEnabled(floating));
    const std::vector<ExchangePage> pages = ReadAse(ReadBytes(exported), "x").Pages;
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].Name, "Mine");
    EXPECT_EQ(pages[0].Colors, (std::vector<ColorRef>{0x3C2B1A, 0x0000FF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    // Shift+Ctrl+O; a GIMP palette becomes the eighth page, selected.
    CallSoon([&] { EnterFileName((directory / "in.gpl").wstring()); }, 500);
    SendKey('O', true, true);
    ASSERT_TRUE(PumpUntil([&] { return TabCtrl_GetItemCount(tabs) == 9; }, 15000))
        << "a page is added before the history";
    EXPECT_EQ(TabText(tabs, 7), L"Imported");
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 7);
    EXPECT_TRUE(PumpUntil([&] { return FirstCell(view) == 0x003C2B1Au; }));

    // A broken file dropped on the palette: the reason in the error box, the palette as it was.
    const std::filesystem::path broken = directory / "broken.ase";
    WriteBytes(broken, std::string("ASEF\0\1\0\0\0\0\0\7", 12));
    DropFile(panel, broken.wstring());
    ASSERT_TRUE(PumpUntil([&] { return !boxes.empty(); }));
    EXPECT_NE(boxes[0].Text.find(broken.wstring()), std::wstring::npos) << "the box names the file";
    EXPECT_TRUE(boxes[0].Type & MB_ICONERROR);

    // A good one on a full palette asks before it replaces the selected page. The recorded box answers
    // neither Yes nor No: that is not a yes, and nothing changes.
    DropFile(panel, (directory / "blue.gpl").wstring());
    ASSERT_TRUE(PumpUntil([&] { return boxes.size() == 2; }));
    EXPECT_EQ(boxes[1].Type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_NE(boxes[1].Text.find(L"\x300CImported\x300D"), std::wstring::npos) << "names the page";
    Pump();
    EXPECT_EQ(FirstCell(view), 0x003C2B1Au);
    SetMessageBoxHandler([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
        boxes.push_back(ShownBox{text, caption, type});
        return IDYES;
    });
    // With the history's tab selected, the last page is the one offered: an import never replaces the history.
    TabCtrl_SetCurSel(tabs, 8);
    DropFile(panel, (directory / "blue.gpl").wstring());
    EXPECT_TRUE(PumpUntil([&] { return FirstCell(view) == 0x00FF0000u; })) << "the selected page is replaced";
    EXPECT_NE(boxes.back().Text.find(L"\x300CImported\x300D"), std::wstring::npos);
    EXPECT_EQ(TabText(tabs, 7), L"Imported") << "and keeps its name";

    // The history, selected, goes out as a page of its own, newest first.
    TabCtrl_SetCurSel(tabs, 8);
    const std::wstring history = (directory / "history.gpl").wstring();
    CallSoon([&] { EnterFileName(history); }, 500);
    SendKey('S', true, true);
    ASSERT_TRUE(PumpUntil([&] { return std::filesystem::exists(history); }, 15000));
    const ExchangePage page = ReadGpl(ReadBytes(history), "x");
    EXPECT_EQ(page.Name, kHistoryCaption);
    EXPECT_EQ(page.Colors, (std::vector<ColorRef>{0xFF00FF, 0x00FF00}));

    ASSERT_TRUE(CloseProgram());
    const std::string file = ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(file.find("zCount=8"), std::string::npos) << test_support::Escaped(file);
    // An imported page is written whole, its black cells too: nothing of the page it replaced is left.
    EXPECT_NE(file.find("[Tab8]\r\nNAME=Imported\r\nC_0_0=16711680\r\nC_0_1=0\r\nC_0_2=0\r\nC_0_3=0\r\nC_1_0=0\r\n"),
              std::string::npos)
        << test_support::Escaped(file);
}

// Four files dropped at once on a palette with one page free: this program's style sheet takes it under
// a name made unique, the broken one is passed over, and the palette being full, one question puts the
// last two into the selected page one after the other; one box then tells of the broken file.
TEST_F(PaletteExchange, TakesSeveralDroppedFilesInTheirOrder) {
    WriteBytes(directory / "Tintrel.plt",
               "[Pallet]\r\nzCount=7\r\nDock=1\r\nSelect=1\r\n[Tab2]\r\nNAME=Mine\r\nC_3_3=255\r\n");
    WriteBytes(directory / "a.css", ":root {\n  --Mine-1-1: #0000ff;\n}\n");
    WriteBytes(directory / "broken.json", "{\"a\": ");
    WriteBytes(directory / "b.json", "{\"g\": {\"1-1\": {\"$type\": \"color\", \"$value\": \"#ff0000\"}}}");
    WriteBytes(directory / "c.gpl", "GIMP Palette\n0 255 0\n");
    RestartProgram();
    boxAnswer = IDYES;
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    DropFiles(mainForm->Control(ControlId::PalletPanel),
              {(directory / "a.css").wstring(), (directory / "broken.json").wstring(), (directory / "b.json").wstring(),
               (directory / "c.gpl").wstring()});
    ASSERT_TRUE(PumpUntil([&] { return boxes.size() == 2; }, 15000));
    // 残りの 2 個のファイルを選択中のページ「Mine」に読み込みますか？
    EXPECT_NE(boxes[0].Text.find(L"\x6B8B\x308A\x306E 2 \x500B"), std::wstring::npos) << "asks once for both";
    EXPECT_NE(boxes[0].Text.find(L"\x300CMine\x300D"), std::wstring::npos);
    EXPECT_NE(boxes[1].Text.find((directory / "broken.json").wstring()), std::wstring::npos);
    EXPECT_TRUE(boxes[1].Type & MB_ICONERROR);
    EXPECT_EQ(TabCtrl_GetItemCount(tabs), 9) << "eight pages and the history";
    EXPECT_EQ(TabText(tabs, 7), L"Mine (2)");
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 7) << "the first page that took colours";

    ASSERT_TRUE(CloseProgram());
    const std::string file = ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(file.find("[Tab8]\r\nNAME=Mine (2)\r\nC_0_0=16711680\r\n"), std::string::npos)
        << test_support::Escaped(file);
    const std::string page2 = file.substr(file.find("[Tab2]"), file.find("[Tab3]") - file.find("[Tab2]"));
    for (const char* cell : {"\r\nNAME=Mine\r\n", "\r\nC_0_0=255\r\n", "\r\nC_1_0=65280\r\n", "\r\nC_3_3=0\r\n"}) {
        EXPECT_NE(page2.find(cell), std::string::npos) << cell << " in " << test_support::Escaped(page2);
    }
}

}  // namespace
}  // namespace tintrel::testing_win
