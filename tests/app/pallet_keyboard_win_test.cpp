// The palette worked without the mouse, with real key presses, and read as a screen reader reads it:
// through the accessible object of its surface and the focus and value-change events it raises.
#include <windows.h>

#include <oleacc.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "palette/pallet_cell_text.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"

namespace tintrel::testing_win {
namespace {

struct Key {
    WORD Code;
    bool Control = false;
    bool Shift = false;
};

void Press(const Key& key) {
    std::vector<INPUT> events;
    const auto add = [&events](WORD code, DWORD flags) {
        INPUT event{};
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = code;
        const bool extended =
            (code >= VK_PRIOR && code <= VK_DOWN) || code == VK_INSERT || code == VK_DELETE || code == VK_APPS;
        event.ki.dwFlags = flags | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        events.push_back(event);
    };
    for (const auto& [held, code] : {std::pair{key.Control, VK_CONTROL}, std::pair{key.Shift, VK_SHIFT}}) {
        if (held) {
            add(static_cast<WORD>(code), 0);
        }
    }
    add(key.Code, 0);
    add(key.Code, KEYEVENTF_KEYUP);
    for (const auto& [held, code] : {std::pair{key.Shift, VK_SHIFT}, std::pair{key.Control, VK_CONTROL}}) {
        if (held) {
            add(static_cast<WORD>(code), KEYEVENTF_KEYUP);
        }
    }
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

// A focus or value-change event as a screen reader receives it.
struct Event {
    DWORD Kind;
    HWND Window;
    LONG Child;
};
std::vector<Event> events;

void CALLBACK Record(HWINEVENTHOOK, DWORD kind, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && (kind == EVENT_OBJECT_FOCUS || kind == EVENT_OBJECT_VALUECHANGE)) {
        events.push_back(Event{kind, window, child});
    }
}

class PalletKeyboard : public MainFormTest {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        MainFormTest::SetUp();
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Record, GetCurrentProcessId(),
                                0, WINEVENT_OUTOFCONTEXT);
        events.clear();
    }
    void TearDown() override {
        UnhookWinEvent(hook_);
        MainFormTest::TearDown();
        CoUninitialize();
    }

    // The palette's surface as a screen reader asks for it.
    IAccessible* Surface() {
        if (surface_ == nullptr) {
            AccessibleObjectFromWindow(mainForm->Control(ControlId::PaintPallet), static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&surface_));
        }
        return surface_;
    }
    long FocusedPart() {
        VARIANT focus;
        VariantInit(&focus);
        return Surface()->get_accFocus(&focus) == S_OK && focus.vt == VT_I4 ? focus.lVal : -1;
    }
    std::wstring NameOf(long part) {
        VARIANT child;
        child.vt = VT_I4;
        child.lVal = part;
        BSTR name = nullptr;
        Surface()->get_accName(child, &name);
        std::wstring text = name != nullptr ? name : L"";
        SysFreeString(name);
        return text;
    }

    IAccessible* surface_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
};

std::wstring CellName(int column, int row, std::int32_t current, std::int32_t spare) {
    return WidenCp932(CellAccessibleName(column, row, current, spare));
}

TEST_F(PalletKeyboard, KeysMoveTheFocusedCellAndActOnIt) {
    constexpr std::int32_t kColor = 0x003C2B1A;
    ASSERT_NE(Surface(), nullptr);
    const HWND surface = mainForm->Control(ControlId::PaintPallet);
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    const HWND swatch = mainForm->Control(ControlId::PanelD);
    SetForegroundWindow(mainForm->Handle());
    SetFocus(tabs);
    const auto menuShown = std::make_shared<HMENU>(nullptr);
    const struct {
        const char* what;
        std::vector<Key> keys;
        std::function<void()> before;
        long focus;  // the focused part (cell 1 to 16 in reading order), -1: the surface has no focus
        std::optional<std::wstring> cellOne = std::nullopt;  // the first cell's name
        std::optional<std::wstring> text = std::nullopt;     // the text line
        std::optional<std::wstring> copied = std::nullopt;
        int page = 0;
        bool announced = false;  // a value change on the swatch
    } rows[] = {
        {"Tab from the page tabs", {{VK_TAB}}, nullptr, 1},
        {"right", {{VK_RIGHT}}, nullptr, 2},
        {"down", {{VK_DOWN}}, nullptr, 6},
        {"End: the row's end", {{VK_END}}, nullptr, 8},
        {"Home: the row's start", {{VK_HOME}}, nullptr, 5},
        {"Ctrl+End: the last cell", {{VK_END, true}}, nullptr, 16},
        {"Ctrl+Home: the first cell", {{VK_HOME, true}}, nullptr, 1},
        {"left stops at the edge", {{VK_RIGHT}, {VK_LEFT}, {VK_LEFT}}, nullptr, 1},
        {"Insert puts the colour in",
         {{VK_INSERT}},
         [this] {
             mainForm->SetColor(kColor);
             mainForm->UpdateReadout();
         },
         1,
         CellName(0, 0, kColor, 0)},
        {"Space swaps", {{VK_SPACE}}, nullptr, 1, CellName(0, 0, 0, kColor)},
        {"Space swaps back", {{VK_SPACE}}, nullptr, 1, CellName(0, 0, kColor, 0)},
        {"Insert without a colour is refused",
         {{VK_DELETE}, {VK_DOWN}, {VK_INSERT}},
         nullptr,
         5,
         CellName(0, 0, kColor, 0),
         L""},
        {"Enter takes the colour, copied",
         {{VK_UP}, {VK_RETURN}},
         [this] { mainForm->ExecuteCommand(CommandId::Popup1); },
         1,
         std::nullopt,
         L"#1A2B3C",
         L"#1A2B3C",
         0,
         true},
        {"Ctrl+C copies the cell through the template",
         {{VK_RIGHT}, {'C', true}},
         nullptr,
         2,
         std::nullopt,
         L"#1A2B3C",
         L"#000000"},
        {"Ctrl+PageDown: the next page",
         {{VK_NEXT, true}},
         nullptr,
         2,
         CellName(0, 0, 0, 0),
         std::nullopt,
         std::nullopt,
         1},
        {"Ctrl+PageUp: back", {{VK_PRIOR, true}}, nullptr, 2, CellName(0, 0, kColor, 0)},
        {"Shift+F10 opens the menu",
         {{VK_F10, false, true}},
         [menuShown] { CallSoon([menuShown] { *menuShown = TakeShownMenu(); }, 200); },
         2},
        {"Tab goes on to the first control", {{VK_TAB}}, nullptr, -1},
    };
    for (const auto& row : rows) {
        if (row.before) {
            row.before();
        }
        events.clear();
        for (const Key& key : row.keys) {
            Press(key);
            PumpUntil([] { return HIWORD(GetQueueStatus(QS_INPUT)) == 0; });
        }
        const auto done = [&] {
            return FocusedPart() == row.focus && (!row.cellOne || NameOf(1) == *row.cellOne) &&
                   (!row.text || WindowText(mainForm->Control(ControlId::EditF)) == *row.text) &&
                   (!row.copied || ClipboardText() == *row.copied) && TabCtrl_GetCurSel(tabs) == row.page;
        };
        PumpUntil(done, 2000);
        EXPECT_EQ(FocusedPart(), row.focus) << row.what;
        if (row.cellOne) {
            EXPECT_EQ(NameOf(1), *row.cellOne) << row.what;
        }
        if (row.text) {
            EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), *row.text) << row.what;
        }
        if (row.copied) {
            EXPECT_EQ(ClipboardText(), *row.copied) << row.what;
        }
        EXPECT_EQ(TabCtrl_GetCurSel(tabs), row.page) << row.what;
        bool announced = false;
        std::optional<Event> focused;
        for (const Event& event : events) {
            announced = announced || (event.Kind == EVENT_OBJECT_VALUECHANGE && event.Window == swatch);
            focused = event.Kind == EVENT_OBJECT_FOCUS ? event : focused;
        }
        if (row.focus > 0 && row.keys.front().Code != VK_F10) {
            ASSERT_TRUE(focused.has_value()) << row.what << ": a focus event";
            EXPECT_EQ(focused->Window, surface) << row.what;
            EXPECT_EQ(focused->Child, row.focus) << row.what << ": the focused cell is announced";
        }
        EXPECT_EQ(announced, row.announced) << row.what;
    }
    EXPECT_EQ(*menuShown, mainForm->PopupMenu1()) << "Shift+F10 opened the window's menu";
    EXPECT_EQ(GetFocus(), mainForm->Control(ControlId::ComboF));
    surface_->Release();

    ASSERT_TRUE(CloseProgram());
    const std::string file = test_support::ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(file.find("[Tab1]\r\nNAME=\x90\x46\x31\r\nC_0_0=3943194\r\n"), std::string::npos)
        << "the palette file keeps the colour put in: " << test_support::Escaped(file);
}

TEST_F(PalletKeyboard, TabGoesBetweenThePageTabsAndTheCellsOfTheFloatingPalette) {
    SendMessageW(mainForm->Control(ControlId::PalletPanel), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    Pump();
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    const HWND surface = mainForm->Control(ControlId::PaintPallet);
    ASSERT_NE(GetAncestor(tabs, GA_ROOT), mainForm->Handle()) << "floating";
    SetForegroundWindow(GetAncestor(tabs, GA_ROOT));
    SetFocus(tabs);
    const struct {
        Key key;
        HWND focus;
    } steps[] = {
        {{VK_TAB}, surface},
        {{VK_TAB, false, true}, tabs},
        {{VK_TAB}, surface},
        {{VK_TAB}, tabs},  // the only other stop in the floating window
    };
    for (const auto& step : steps) {
        Press(step.key);
        PumpUntil([&] { return GetFocus() == step.focus; }, 2000);
        EXPECT_EQ(GetFocus(), step.focus) << &step - steps;
    }
}

TEST_F(PalletKeyboard, AnObjectHeldPastItsWindowFailsInsteadOfReachingIt) {
    ASSERT_NE(Surface(), nullptr);
    VARIANT child;
    child.vt = VT_I4;
    BSTR name = nullptr;
    long parts = 0;
    child.lVal = 17;
    EXPECT_EQ(surface_->get_accName(child, &name), E_INVALIDARG) << "no 17th cell on a 4 by 4 page";
    child.lVal = -1;
    EXPECT_EQ(surface_->get_accName(child, &name), E_INVALIDARG);
    child.lVal = 16;
    EXPECT_EQ(surface_->get_accName(child, &name), S_OK);
    SysFreeString(name);

    RestartProgram();  // the screen reader still holds the object of a window that has gone
    EXPECT_EQ(surface_->get_accName(child, &name), E_FAIL);
    EXPECT_EQ(surface_->get_accChildCount(&parts), E_FAIL);
    EXPECT_EQ(parts, 0);
    surface_->Release();
}

}  // namespace
}  // namespace tintrel::testing_win
