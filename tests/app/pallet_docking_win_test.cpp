// The palette's three places (hidden, docked, floating), every way between them, and the main window's
// height and sizing that follow.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "palette/pallet_docking.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"
#include "tests/real_input_win.h"
#include "ui/window_text_win.h"

namespace tintrel::testing_win {
namespace {

enum class Place { Hidden, Docked, Floating };

class PalletDocking : public MainFormTest {
protected:
    HWND Panel() const { return mainForm->Control(ControlId::PalletPanel); }
    HWND Holder() const { return GetParent(Panel()); }
    int ClientHeight() const {
        RECT client;
        GetClientRect(mainForm->Handle(), &client);
        return client.bottom;
    }
    Place Where() const {
        if (!mainForm->IsChecked(CommandId::NPallet)) {
            return Place::Hidden;
        }
        return Holder() == mainForm->Handle() ? Place::Docked : Place::Floating;
    }
    // Presses Ctrl+P where the focus is, as the message loop would see it.
    void PressCtrlP() {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        MSG message{mainForm->Control(ControlId::ComboF), WM_KEYDOWN, 'P', 1, 0, {}};
        EXPECT_TRUE(mainForm->PreTranslateMessage(message));
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        Pump();
    }
    // F6 where the focus is, as the message loop would see it.
    void PressF6() {
        MSG message{GetFocus(), WM_KEYDOWN, VK_F6, 1, 0, {}};
        EXPECT_TRUE(mainForm->PreTranslateMessage(message));
        Pump();
    }
    void PressOnPanel() {
        SendMessageW(Panel(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        Pump();
    }
    void CloseFloatingWindow() {
        SendMessageW(Holder(), WM_CLOSE, 0, 0);
        Pump();
    }
    // Moves the floating window by its title bar to (left, top).
    void MoveFloatingWindow(int left, int top) {
        const HWND window = Holder();
        SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
        SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
        Pump();
    }
};

struct Step {
    const char* Action;
    std::function<void()> Do;
    Place Expected;
    int ClientHeight;
};

TEST_F(PalletDocking, EveryTransitionLeadsWhereItShould) {
    EXPECT_EQ(Where(), Place::Docked) << "a first start shows the palette docked";
    EXPECT_EQ(ClientHeight(), 270);
    EXPECT_EQ(TabCtrl_GetRowCount(mainForm->Control(ControlId::PalletTab)), 1) << "the four default pages";
    const std::vector<Step> steps{
        {"Ctrl+P while docked", [this] { PressCtrlP(); }, Place::Hidden, 170},
        {"Ctrl+P while hidden and docked", [this] { PressCtrlP(); }, Place::Docked, 270},
        {"left press on the docked panel", [this] { PressOnPanel(); }, Place::Floating, 170},
        {"menu command while floating", [this] { mainForm->ExecuteCommand(CommandId::NPallet); }, Place::Hidden, 170},
        {"menu command while hidden and floating", [this] { mainForm->ExecuteCommand(CommandId::NPallet); },
         Place::Floating, 170},
        {"a press while floating does nothing", [this] { PressOnPanel(); }, Place::Floating, 170},
        {"move by the title bar", [this] { MoveFloatingWindow(300, 400); }, Place::Floating, 170},
        {"F6 into the floating window", [this] { PressF6(); }, Place::Floating, 170},
        {"menu command from the floating window", [this] { mainForm->ExecuteCommand(CommandId::NPallet); },
         Place::Hidden, 170},
        {"menu command again", [this] { mainForm->ExecuteCommand(CommandId::NPallet); }, Place::Floating, 170},
        {"close the floating window", [this] { CloseFloatingWindow(); }, Place::Docked, 270},
        {"float again", [this] { PressOnPanel(); }, Place::Floating, 170},
    };
    SetForegroundWindow(mainForm->Handle());
    SetFocus(mainForm->Control(ControlId::PalletTab));
    Pump();
    static int resizes = 0;
    const SUBCLASSPROC countResizes = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR) -> LRESULT {
        resizes += message == WM_SIZE ? 1 : 0;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    };
    SetWindowSubclass(mainForm->Handle(), countResizes, 1, 0);
    for (const Step& step : steps) {
        resizes = 0;
        step.Do();
        EXPECT_LE(resizes, 1) << step.Action << ": the main window resizes at most once";
        EXPECT_EQ(Where(), step.Expected) << step.Action;
        EXPECT_EQ(ClientHeight(), step.ClientHeight) << step.Action;
        EXPECT_EQ(IsWindowVisible(Panel()) != FALSE, step.Expected != Place::Hidden) << step.Action;
        // The keys keep working: the focus is on a control the user sees, in the active window.
        const HWND focus = GetFocus();
        EXPECT_TRUE(focus != nullptr && IsWindowVisible(focus) && GetAncestor(focus, GA_ROOT) == GetActiveWindow())
            << step.Action;
    }
    RemoveWindowSubclass(mainForm->Handle(), countResizes, 1);

    // The floating window reopened where the user had moved it before closing it.
    const HWND window = Holder();
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    EXPECT_EQ(outer.left, 300);
    EXPECT_EQ(outer.top, 400);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST) << "always on top, whatever the main window's option";
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(WindowText(window), L"\x30AB\x30E9\x30FC\x30D1\x30EC\x30C3\x30C8");  // カラーパレット
}

TEST_F(PalletDocking, ThePlaceSizeAndHeightSurviveARestart) {
    PressOnPanel();
    SetWindowPos(Holder(), nullptr, 250, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(Holder(), &client);
    RECT outer;
    GetWindowRect(Holder(), &outer);
    // Resized by its border: the new size is taken at close.
    SetWindowPos(Holder(), nullptr, 0, 0, outer.right - outer.left + 40, outer.bottom - outer.top + 20,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(CloseProgram());
    const std::string file = test_support::ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(file.find("Top=420\r\nLeft=250\r\nRight=490\r\nBottom=540\r\nDock=1\r\nView=1\r\n"), std::string::npos)
        << test_support::Escaped(file);

    RestartProgram();
    EXPECT_EQ(Where(), Place::Floating);
    GetClientRect(Holder(), &client);
    EXPECT_EQ(client.right, 240);
    EXPECT_EQ(client.bottom, 120);
    EXPECT_EQ(ClientHeight(), 170);
}

TEST_F(PalletDocking, OnlyTheBottomEdgeResizesAndOnlyWhileDocked) {
    RECT outer;
    GetWindowRect(mainForm->Handle(), &outer);
    const auto hitAt = [&](int x, int y) {
        return static_cast<int>(
            SendMessageW(mainForm->Handle(), WM_NCHITTEST, 0, MAKELPARAM(outer.left + x, outer.top + y)));
    };
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    EXPECT_EQ(hitAt(width / 2, height - 1), kHitBottom) << "docked: the bottom edge";
    EXPECT_EQ(hitAt(0, height / 2), kHitClient) << "the left edge";
    EXPECT_EQ(hitAt(width - 1, height - 1), kHitClient) << "the bottom-right corner";

    SetWindowPos(mainForm->Handle(), nullptr, 0, 0, width, 400, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ClientHeight(), 400 - (height - 270)) << "docked: taller by the bottom edge";
    mainForm->ExecuteCommand(CommandId::NPallet);
    mainForm->ExecuteCommand(CommandId::NPallet);
    EXPECT_EQ(ClientHeight(), 270) << "showing again brings back the remembered height, not the dragged one";

    mainForm->ExecuteCommand(CommandId::NPallet);
    GetWindowRect(mainForm->Handle(), &outer);
    EXPECT_EQ(hitAt(width / 2, outer.bottom - outer.top - 1), kHitClient) << "hidden: no edge resizes";
    SetWindowPos(mainForm->Handle(), nullptr, 0, 0, width, 400, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ClientHeight(), 170) << "hidden: size changes are refused";
}

TEST_F(PalletDocking, AClickBesideThePageTabsTakesThePaletteOut) {
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    RECT header;
    TabCtrl_GetItemRect(tabs, 0, &header);
    // The header row's right end, beside the last tab of the row.
    POINT beside{BoundsInParent(tabs).right - BoundsInParent(tabs).left - 4, (header.top + header.bottom) / 2};
    TCHITTESTINFO hit{beside, 0};
    ASSERT_LT(TabCtrl_HitTest(tabs, &hit), 0) << "no tab there";
    ClientToScreen(tabs, &beside);
    SendMouseAt(beside, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(beside, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([this] { return Where() == Place::Floating; }));
    EXPECT_EQ(ClientHeight(), 170);
    // Floating for the first time, it opens beside the main window, wholly on the screen.
    RECT floating;
    RECT main;
    RECT screen;
    RECT common;
    GetWindowRect(Holder(), &floating);
    GetWindowRect(mainForm->Handle(), &main);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    EXPECT_FALSE(IntersectRect(&common, &floating, &main)) << "not under the main window";
    EXPECT_TRUE(IntersectRect(&common, &floating, &screen) && EqualRect(&common, &floating)) << "wholly visible";

    SendMouseAt(CenterOf(mainForm->Control(ControlId::PaintPallet)), MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(CenterOf(mainForm->Control(ControlId::PaintPallet)), MOUSEEVENTF_LEFTUP);
    Pump();
    EXPECT_EQ(Where(), Place::Floating) << "a click on the cells does not move the palette";
}

TEST_F(PalletDocking, TheKeyboardFocusFollowsThePalette) {
    const auto tabStops = [this] {
        std::vector<HWND> reached;
        SetFocus(mainForm->Control(ControlId::ComboF));
        for (int press = 0; press < 16; ++press) {
            MSG message{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
            mainForm->PreTranslateMessage(message);
            reached.push_back(GetFocus());
        }
        return reached;
    };
    const HWND tabStrip = mainForm->Control(ControlId::PalletTab);
    std::vector<HWND> reached = tabStops();
    EXPECT_NE(std::find(reached.begin(), reached.end(), tabStrip), reached.end()) << "docked: Tab reaches the pages";

    mainForm->ExecuteCommand(CommandId::NPallet);
    for (const HWND focus : tabStops()) {
        EXPECT_NE(focus, tabStrip) << "hidden: Tab never stops in the palette";
        EXPECT_TRUE(IsWindowVisible(focus));
    }

    mainForm->ExecuteCommand(CommandId::NPallet);
    PressOnPanel();
    ASSERT_EQ(Where(), Place::Floating);
    for (const HWND focus : tabStops()) {
        EXPECT_NE(focus, tabStrip) << "floating: the main window's Tab stays in the main window";
    }
    SetFocus(tabStrip);
    EXPECT_EQ(GetFocus(), tabStrip) << "the pages take the focus in their own window";
    MSG ctrlP{tabStrip, WM_KEYDOWN, 'P', 1, 0, {}};
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(mainForm->PreTranslateMessage(ctrlP)) << "the menu's shortcuts act there";
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Where(), Place::Hidden);
}

// Real keys, after the palette was taken out while its pages had the focus and then hidden from the
// main window: Ctrl+P brings it back, F6 and Shift+F6 go into the floating window and back, and the
// settings dialog that Shift+Ctrl+P opens keeps the floating palette from taking input while it runs.
TEST_F(PalletDocking, RealKeysKeepWorkingAfterTheFloatingPaletteHides) {
    const HWND tabStrip = mainForm->Control(ControlId::PalletTab);
    SetForegroundWindow(mainForm->Handle());
    SetFocus(tabStrip);
    PressOnPanel();
    ASSERT_EQ(Where(), Place::Floating);
    const auto press = [this](WORD key, bool shift, bool control, const std::function<bool()>& done) {
        SendKey(key, shift, control);
        return PumpUntil(done);
    };
    EXPECT_TRUE(press('P', false, true, [this] { return Where() == Place::Hidden; })) << "Ctrl+P hides";
    EXPECT_TRUE(press('P', false, true, [this] { return Where() == Place::Floating; })) << "Ctrl+P shows";
    EXPECT_TRUE(press(VK_F6, false, false, [this] { return GetActiveWindow() == Holder(); })) << "F6";
    EXPECT_EQ(GetFocus(), tabStrip);
    EXPECT_TRUE(press(VK_F6, true, false, [this] { return GetActiveWindow() == mainForm->Handle(); })) << "Shift+F6";
    EXPECT_EQ(GetFocus(), mainForm->Control(ControlId::ComboF));

    bool paletteTookInput = true;
    bool ran = false;
    std::function<void()> whileOpen = [&] {
        if (!IsWindowVisible(palletDialog->Handle())) {
            CallSoon(whileOpen);
            return;
        }
        paletteTookInput = IsWindowEnabled(Holder()) != FALSE;
        ran = true;
        SendMessageW(palletDialog->Button2(), BM_CLICK, 0, 0);
    };
    CallSoon(whileOpen);
    EXPECT_TRUE(press('P', true, true, [&] { return ran; })) << "Shift+Ctrl+P";
    EXPECT_FALSE(paletteTookInput) << "disabled while the dialog ran";
    EXPECT_TRUE(IsWindowEnabled(Holder())) << "enabled after it";
    EXPECT_TRUE(press(VK_F6, false, false, [this] { return GetActiveWindow() == Holder(); })) << "F6 after the dialog";
}

// Hand-edited extremes give a window on the screen that shows the cells, and nothing overflows (the
// arithmetic's other edges are tested without a window).
TEST_F(PalletDocking, HandEditedExtremesGiveAUsableWindow) {
    RECT screen;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    const struct {
        const char* Name;
        std::string Settings;
        std::string Pallet;
        int Rows;
    } cases[] = {
        {"a stored height at the collapsed one", "[Window]\r\nHeight=170\r\n", "", 4},
        {"the largest stored height", "[Window]\r\nHeight=2147483647\r\n", "", 4},
        {"the whole range, floating", "",
         "[Pallet]\r\nLeft=-2147483648\r\nTop=-2147483648\r\nRight=2147483647\r\nBottom=2147483647\r\nDock=1\r\n", 4},
        {"eight pages of long names, docked", "",
         "[Pallet]\r\nzCount=8\r\nyCount=16\r\n[Tab1]\r\nNAME=aaaaaaaaaaaaaaaaaaaa\r\n[Tab2]\r\nNAME="
         "bbbbbbbbbbbbbbbbbbbb\r\n"
         "[Tab3]\r\nNAME=cccccccccccccccccccc\r\n[Tab4]\r\nNAME=dddddddddddddddddddd\r\n",
         16},
        {"eight pages and an 8 by 8 grid, docked", "", "[Pallet]\r\nxCount=8\r\nyCount=8\r\nzCount=8\r\n", 8},
        {"eight rows at the stored lowest height", "[Window]\r\nHeight=100\r\n", "[Pallet]\r\nyCount=8\r\n", 8},
    };
    for (const auto& row : cases) {
        test_support::WriteBytes(SettingsFile(), row.Settings);
        test_support::WriteBytes(directory / "Tintrel.plt", row.Pallet);
        RestartProgram();
        const HWND holder = GetAncestor(Panel(), GA_ROOT);
        RECT outer;
        GetWindowRect(holder, &outer);
        RECT visible;
        EXPECT_TRUE(IntersectRect(&visible, &outer, &screen)) << row.Name << ": on the screen";
        RECT cells;
        GetClientRect(mainForm->Control(ControlId::PaintPallet), &cells);
        EXPECT_GE(cells.bottom, 8 * row.Rows) << row.Name << ": the cells show";
        EXPECT_GE(cells.right, 8 * 4) << row.Name;
        if (Where() == Place::Docked) {
            GetWindowRect(mainForm->Handle(), &outer);
            EXPECT_GE(outer.bottom - outer.top, 270) << row.Name;
            EXPECT_LE(outer.bottom - outer.top, GetSystemMetrics(SM_CYVIRTUALSCREEN)) << row.Name;
            // The bottom edge dragged as high as it goes still leaves every row of cells 8 pixels.
            SetWindowPos(mainForm->Handle(), nullptr, 0, 0, outer.right - outer.left, 0, SWP_NOMOVE | SWP_NOZORDER);
            GetClientRect(mainForm->Control(ControlId::PaintPallet), &cells);
            EXPECT_GE(cells.bottom, 8 * row.Rows) << row.Name << ": dragged to the lowest";
        }
        ASSERT_TRUE(CloseProgram()) << row.Name;
        const std::string settings = test_support::ReadBytes(SettingsFile());
        EXPECT_EQ(settings.find("Height=170\r\n"), std::string::npos) << row.Name << ": " << settings;
    }
}

TEST_F(PalletDocking, TheSettingsDialogSetsTheGridAndThePagesKeptAcrossARestart) {
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    TabCtrl_SetCurSel(tabs, 4);  // the history's
    std::wstring offered;
    CallSoon([&] {
        offered = WindowText(palletDialog->Mtab());
        SetWindowTextW(palletDialog->Mtab(), L"a\r\n\x8272\r\n");  // a, 色
        SetWindowTextW(palletDialog->Xcol(), L"5");
        SendMessageW(palletDialog->Button1(), BM_CLICK, 0, 0);
    });
    mainForm->ExecuteCommand(CommandId::NPalDlg);
    EXPECT_EQ(offered, L"\x8272\x0031\r\n\x8272\x0032\r\n\x8272\x0033\r\n\x8272\x0034\r\n")
        << "the pages, not the history";
    EXPECT_EQ(TabCtrl_GetItemCount(tabs), 3) << "two pages and the history";
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2) << "the history still selected";
    ASSERT_TRUE(CloseProgram());
    const std::string file = test_support::ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(file.find("xCount=5\r\nyCount=4\r\nzCount=2\r\nSelect=2\r\n"), std::string::npos)
        << test_support::Escaped(file);
    EXPECT_NE(file.find("[Tab2]\r\nNAME=\x90\x46\r\n"), std::string::npos) << test_support::Escaped(file);

    RestartProgram();
    EXPECT_EQ(TabCtrl_GetItemCount(mainForm->Control(ControlId::PalletTab)), 3);
    EXPECT_EQ(TabCtrl_GetCurSel(mainForm->Control(ControlId::PalletTab)), 2);
}

}  // namespace
}  // namespace tintrel::testing_win
