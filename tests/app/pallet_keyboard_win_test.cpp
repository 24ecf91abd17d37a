// The palette worked without the mouse, with real key presses, and read as a screen reader reads it:
// through the accessible object of its surface and the focus and value-change events it raises.
#include <windows.h>

#include <oleacc.h>

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "palette/pallet_cell_text.h"
#include "palette/pick_history.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"

namespace tintrel::testing_win {
namespace {

// A key with the modifiers held around it: VK_END | kCtrl is Ctrl+End.
constexpr int kCtrl = 0x100;
constexpr int kShift = 0x200;

void Press(int key) {
    SendKey(static_cast<WORD>(key & 0xFF), (key & kShift) != 0, (key & kCtrl) != 0);
}

// What a screen reader heard: the last focus event's window and part, and the windows whose value changed.
std::pair<HWND, LONG> focusHeard;
std::vector<HWND> valueChanges;

void CALLBACK Record(HWINEVENTHOOK, DWORD kind, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && kind == EVENT_OBJECT_FOCUS) {
        focusHeard = {window, child};
    } else if (object == OBJID_CLIENT && kind == EVENT_OBJECT_VALUECHANGE) {
        valueChanges.push_back(window);
    }
}

// The palette's surface as a screen reader asks for it, in `surface_`.
class PalletKeyboard : public MainFormTest {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        MainFormTest::SetUp();
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Record, GetCurrentProcessId(),
                                0, WINEVENT_OUTOFCONTEXT);
        AccessibleObjectFromWindow(mainForm->Control(ControlId::PaintPallet), static_cast<DWORD>(OBJID_CLIENT),
                                   __uuidof(IAccessible), reinterpret_cast<void**>(&surface_));
        ASSERT_NE(surface_, nullptr);
    }
    void TearDown() override {
        if (surface_ != nullptr) {
            surface_->Release();
        }
        UnhookWinEvent(hook_);
        MainFormTest::TearDown();
        CoUninitialize();
    }

    long FocusedPart() {
        VARIANT focus;
        VariantInit(&focus);
        return surface_->get_accFocus(&focus) == S_OK && focus.vt == VT_I4 ? focus.lVal : -1;
    }
    // The name of a part (cell 1 to 16 in reading order) and the result of asking for it.
    std::pair<HRESULT, std::wstring> Name(long part) {
        VARIANT child;
        child.vt = VT_I4;
        child.lVal = part;
        BSTR name = nullptr;
        const HRESULT result = surface_->get_accName(child, &name);
        std::wstring text = name != nullptr ? name : L"";
        SysFreeString(name);
        return {result, text};
    }

    IAccessible* surface_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
};

std::wstring FirstCell(std::int32_t current, std::int32_t spare) {
    return WidenCp932(CellAccessibleName(0, 0, current, spare));
}

std::wstring FirstPick(std::int32_t color) {
    return WidenCp932(HistoryPlaceName(0, color));
}

TEST_F(PalletKeyboard, KeysMoveTheFocusedCellAndActOnIt) {
    constexpr std::int32_t kColor = 0x003C2B1A;
    constexpr std::int32_t kEarlierPick = 0x00445566;
    constexpr std::int32_t kLastPick = 0x00778899;
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    const HWND surface = mainForm->Control(ControlId::PaintPallet);
    const HWND swatch = mainForm->Control(ControlId::PanelD);
    mainForm->SetColor(kColor);
    mainForm->UpdateReadout();
    mainForm->ExecuteCommand(CommandId::Popup1);  // a colour taken goes to the clipboard too
    mainForm->RecordPick(kEarlierPick);
    mainForm->RecordPick(kLastPick);
    SetForegroundWindow(mainForm->Handle());
    SetFocus(tabs);
    struct Row {
        const char* what;
        std::vector<int> keys;
        long focus;  // the focused part (cell 1 to 16 in reading order), -1: the surface has no focus
        int page = 0;
        std::optional<std::wstring> cellOne = std::nullopt;  // the first cell's name
        std::optional<std::wstring> text = std::nullopt;     // the text line
        std::optional<std::wstring> copied = std::nullopt;
        bool announced = false;  // a value change on the swatch
        bool menu = false;       // a menu opens (and is closed by the test); the focus is not announced again
    };
    const Row rows[] = {
        {"Tab from the page tabs", {VK_TAB}, 1},
        {"right", {VK_RIGHT}, 2},
        {"down", {VK_DOWN}, 6},
        {"End: the row's end", {VK_END}, 8},
        {"Home: the row's start", {VK_HOME}, 5},
        {"Ctrl+End: the last cell", {VK_END | kCtrl}, 16},
        {"Ctrl+Home: the first cell", {VK_HOME | kCtrl}, 1},
        {"left stops at the edge", {VK_RIGHT, VK_LEFT, VK_LEFT}, 1},
        {"Insert puts the colour in", {VK_INSERT}, 1, 0, FirstCell(kColor, 0)},
        {"Space swaps", {VK_SPACE}, 1, 0, FirstCell(0, kColor)},
        {"Space swaps back", {VK_SPACE}, 1, 0, FirstCell(kColor, 0)},
        {"Insert without a colour is refused", {VK_DELETE, VK_INSERT}, 1, 0, FirstCell(kColor, 0), L""},
        {"Enter takes the colour, copied", {VK_DOWN, VK_UP, VK_RETURN}, 1, 0, {}, L"#1A2B3C", L"#1A2B3C", true},
        {"Ctrl+C copies the cell through the template", {VK_RIGHT, 'C' | kCtrl}, 2, 0, {}, L"#1A2B3C", L"#000000"},
        {"Ctrl+PageDown: the next page", {VK_NEXT | kCtrl}, 2, 1, FirstCell(0, 0)},
        {"Ctrl+PageUp: back", {VK_PRIOR | kCtrl}, 2, 0, FirstCell(kColor, 0)},
        {"Shift+F10 opens the menu", {VK_F10 | kShift}, 2, 0, {}, {}, {}, false, true},
        {"on to the history's page, after the four pages",
         {VK_NEXT | kCtrl, VK_NEXT | kCtrl, VK_NEXT | kCtrl, VK_NEXT | kCtrl, VK_NEXT | kCtrl, VK_LEFT},
         1,
         4,
         FirstPick(kLastPick)},
        {"Space and Insert do nothing there", {VK_SPACE, VK_INSERT}, 1, 4, FirstPick(kLastPick), L"#1A2B3C"},
        {"Ctrl+C copies a history colour", {VK_RIGHT, 'C' | kCtrl}, 2, 4, FirstPick(kLastPick), L"#1A2B3C", L"#665544"},
        {"Enter takes a history colour, copied",
         {VK_LEFT, VK_RETURN},
         1,
         4,
         FirstPick(kLastPick),
         L"#998877",
         L"#998877",
         true},
        {"Delete removes it from the history, not the colour", {VK_DELETE}, 1, 4, FirstPick(kEarlierPick), L"#998877"},
        {"back to the first page",
         {VK_PRIOR | kCtrl, VK_PRIOR | kCtrl, VK_PRIOR | kCtrl, VK_PRIOR | kCtrl},
         1,
         0,
         FirstCell(kColor, 0)},
        {"Tab goes on to the first control", {VK_TAB}, -1},
    };
    // How the window differs from what a row expects; empty when it matches.
    const auto differences = [&](const Row& row) {
        std::string found;
        const auto compare = [&found](const char* what, const std::optional<std::wstring>& expected,
                                      const std::wstring& actual) {
            if (expected && actual != *expected) {
                found += std::string(what) + " " + NarrowCp932(actual) + " instead of " + NarrowCp932(*expected) + "; ";
            }
        };
        const bool announcesFocus = row.focus > 0 && !row.menu;
        compare("focused part", std::to_wstring(row.focus), std::to_wstring(FocusedPart()));
        compare("page", std::to_wstring(row.page), std::to_wstring(TabCtrl_GetCurSel(tabs)));
        compare("first cell", row.cellOne, Name(1).second);
        compare("text", row.text, WindowText(mainForm->Control(ControlId::EditF)));
        compare("clipboard", row.copied, ClipboardText());
        compare("focus heard", announcesFocus ? std::optional(std::to_wstring(row.focus)) : std::nullopt,
                focusHeard.first == surface ? std::to_wstring(focusHeard.second) : L"none");
        compare("swatch's value change heard", std::to_wstring(row.announced),
                std::to_wstring(std::ranges::count(valueChanges, swatch) > 0));
        return found;
    };
    HMENU menuShown = nullptr;
    for (const Row& row : rows) {
        if (row.menu) {
            CallWhenMenuShows([&menuShown] { menuShown = TakeShownMenu(); });
        }
        focusHeard = {};
        valueChanges.clear();
        for (const int key : row.keys) {
            Press(key);
            PumpUntil([] { return HIWORD(GetQueueStatus(QS_INPUT)) == 0; });
        }
        PumpUntil([&] { return differences(row).empty(); }, 10000);
        EXPECT_EQ(differences(row), "") << row.what;
    }
    EXPECT_EQ(menuShown, mainForm->PopupMenu1()) << "Shift+F10 opened the window's menu";
    EXPECT_EQ(GetFocus(), mainForm->Control(ControlId::ComboF));
    EXPECT_EQ(Name(16).first, S_OK);
    EXPECT_EQ(Name(17).first, E_INVALIDARG) << "no 17th cell on a 4 by 4 page";
    EXPECT_EQ(Name(-1).first, E_INVALIDARG);

    // Taken out, the palette's window has two stops: the page tabs and the cells.
    SendMessageW(mainForm->Control(ControlId::PalletPanel), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    Pump();
    ASSERT_NE(GetAncestor(tabs, GA_ROOT), mainForm->Handle()) << "floating";
    SetForegroundWindow(GetAncestor(tabs, GA_ROOT));
    SetFocus(tabs);
    const std::pair<int, HWND> steps[] = {
        {VK_TAB, surface}, {VK_TAB | kShift, tabs}, {VK_TAB, surface}, {VK_TAB, tabs}};
    for (const auto& step : steps) {
        Press(step.first);
        PumpUntil([&] { return GetFocus() == step.second; }, 10000);
        EXPECT_EQ(GetFocus(), step.second) << "floating, step " << &step - steps;
    }

    ASSERT_TRUE(CloseProgram());
    const std::string file = test_support::ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(file.find("[Tab1]\r\nNAME=\x90\x46\x31\r\nC_0_0=3943194\r\n"), std::string::npos)
        << "the palette file keeps the colour put in: " << test_support::Escaped(file);
    RestartProgram();  // a screen reader may hold the object past its window: it fails instead of reaching it
    EXPECT_EQ(Name(16).first, E_FAIL);
    long parts = 0;
    EXPECT_EQ(surface_->get_accChildCount(&parts), E_FAIL);
}

}  // namespace
}  // namespace tintrel::testing_win
