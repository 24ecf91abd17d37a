// The palette's paint surface hosted as the main window hosts it (a tab strip, a swatch that starts
// drags, the program's hint window), driven with real mouse input: painting, drops, presses, hints.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "palette/pallet_view_win.h"
#include "tests/real_input_win.h"
#include "ui/panel_win.h"
#include "ui/window_handles_win.h"
#include "ui/window_text_win.h"

namespace tintrel {
namespace {

constexpr std::int32_t kCellColor = 0x006030C0;   // cell (1, 2) of page 1, the cell under test
constexpr std::int32_t kCurrent = 0x003C2B1A;     // the current colour, which the swatch shows
constexpr std::int32_t kHandEdited = 0x7F102030;  // cell (2, 1): a value only a hand-edited file gives
constexpr std::int32_t kOtherPage = 0x00030201;   // cell (1, 2) of page 0
constexpr CellPosition kCell{1, 2};
// The pick history, shown on the tab after the three pages: kLastPick at (0, 0), kEarlierPick at (1, 0).
constexpr std::int32_t kLastPick = 0x00A0B0C0;
constexpr std::int32_t kEarlierPick = 0x00405000;

// HistoryEmpty is the place of kCell on the history's page, where nothing has been picked yet.
enum class Where { Cell, HandEditedCell, NegativeCell, Gap, Swatch, TabHeader, HistoryCell, HistoryEmpty };

int contextMenusSeen = 0;
// The parts whose names a screen reader was told changed, with their window.
std::vector<std::pair<HWND, LONG>> renamesHeard;

void CALLBACK HearRename(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) {
        renamesHeard.emplace_back(window, child);
    }
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    contextMenusSeen += message == WM_CONTEXTMENU ? 1 : 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateHost(int left) {
    RegisterWindowClassOnce(L"TintrelTestHost", &HostProc, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    return CreateWindowChecked(WS_EX_TOPMOST, L"TintrelTestHost", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, left,
                               100, 200, 130, nullptr, nullptr, nullptr);
}

using testing_win::SendMouseAt;

// Handles messages until `done` holds, for at most `timeout` milliseconds (the machine may be busy).
void PumpUntil(const std::function<bool()>& done, DWORD timeout = 10000) {
    for (const ULONGLONG end = GetTickCount64() + timeout; !done() && GetTickCount64() < end; Sleep(5)) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

// True when the pointer is at `screen`; otherwise moves it there again. Under load, a move that the
// display made up for an earlier position can carry the pointer back after a later one.
bool PointerKeptAt(POINT screen) {
    POINT now;
    GetCursorPos(&now);
    const bool there = now.x == screen.x && now.y == screen.y;
    if (!there) {
        SendMouseAt(screen);
    }
    return there;
}

// One input of a played sequence: `before` runs, then the pointer goes to `at` with `buttons`.
struct Step {
    std::function<void()> before;
    POINT at;
    DWORD buttons = 0;
};

// Plays the steps from a timer, each once the input before it has been handled with the pointer where
// it was put, so that they also reach the message loop of a drag that a step started.
void Play(std::vector<Step> steps) {
    static std::vector<Step> playing;
    static std::size_t next;
    playing = std::move(steps);
    next = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) {
        if (next == playing.size() || HIWORD(GetQueueStatus(QS_INPUT)) != 0 ||
            (next > 0 && !PointerKeptAt(playing[next - 1].at))) {
            return;
        }
        const Step& step = playing[next++];
        if (step.before) {
            step.before();
        }
        SendMouseAt(step.at, step.buttons);
    });
    PumpUntil([] { return next == playing.size() && HIWORD(GetQueueStatus(QS_INPUT)) == 0; });
    KillTimer(nullptr, timer);
    PumpUntil([] { return false; }, 100);  // for input still on its way
}

class PalletViewTest : public testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES;
        InitCommonControlsEx(&controls);
        host.Reset(CreateHost(100));
        swatch.Create(host.Get(), 1, RECT{150, 6, 182, 38}, Panel::Options{.LoweredBevel = true});
        swatch.SetColor(kCurrent);
        swatch.OnMouse = [this](UINT message) {
            if (message == WM_LBUTTONDOWN) {
                DragFrom(swatch.Handle());
            }
        };
        // As the main window makes its tab strip.
        tabStrip = CreateWindowChecked(
            WS_EX_COMPOSITED, WC_TABCONTROLW, L"",
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_RAGGEDRIGHT | TCS_HOTTRACK, 4, 44, 192, 78,
            host.Get(), nullptr, nullptr);
        hint.Reset(CreateWindowChecked(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                       0, 0, 0, 0, nullptr, nullptr, nullptr));
        SendMessageW(hint.Get(), TTM_SETDELAYTIME, TTDT_INITIAL, 50);
        SendMessageW(hint.Get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, 5000);
        TabCtrl_SetMinTabWidth(tabStrip, 0);
        for (const wchar_t* caption : {L"A", L"B", L"C", L"H"}) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(caption);
            TabCtrl_InsertItem(tabStrip, TabCtrl_GetItemCount(tabStrip), &item);
        }
        TabCtrl_SetCurSel(tabStrip, 1);
        ResetCells();
        view = std::make_unique<PalletView>(store);
        view->Create(tabStrip, hint.Get());
        view->CurrentColor = [this] { return current; };
        view->OnPick = [this](std::int32_t color) { picks.push_back(color); };
        SetForegroundWindow(host.Get());
        UpdateWindow(host.Get());
        renameHook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &HearRename,
                                     GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    void TearDown() override { UnhookWinEvent(renameHook); }

    void ResetCells() {
        store.SetPalletSize(0, 0, 0);
        store.SetPalletSize(4, 4, 3);
        store.SetCurrent(kCell.Column, kCell.Row, 1, kCellColor);
        store.SetCurrent(kCell.Column, kCell.Row, 0, kOtherPage);
        store.SetCurrent(2, 1, 1, kHandEdited);
        store.SetCurrent(3, 0, 1, static_cast<std::int32_t>(0x80405060u));
        store.History().Record(kEarlierPick);
        store.History().Record(kLastPick);
        store.SetPalletModified(false);
        picks.clear();
        contextMenusSeen = 0;
        renamesHeard.clear();
    }

    PalletRect Bounds(CellPosition cell) const {
        RECT client;
        GetClientRect(view->Handle(), &client);
        return CellRect(cell.Column, cell.Row, store.XCount(), store.YCount(), client.right, client.bottom);
    }

    POINT ScreenPoint(Where where) const {
        const PalletRect cell = Bounds(where == Where::HandEditedCell ? CellPosition{2, 1}
                                       : where == Where::NegativeCell ? CellPosition{3, 0}
                                       : where == Where::HistoryCell  ? CellPosition{1, 0}
                                                                      : kCell);
        POINT point{where == Where::Gap ? cell.Right + 4 : (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
        const bool offSurface = where == Where::Swatch || where == Where::TabHeader;
        if (offSurface) {
            point = POINT{8, 8};
        }
        ClientToScreen(offSurface ? (where == Where::Swatch ? swatch.Handle() : tabStrip) : view->Handle(), &point);
        return point;
    }

    // The middle of a page's tab, on the screen.
    POINT TabPoint(int tab) const {
        RECT header;
        TabCtrl_GetItemRect(tabStrip, tab, &header);
        POINT point{(header.left + header.right) / 2, (header.top + header.bottom) / 2};
        ClientToScreen(tabStrip, &point);
        return point;
    }

    OwnedWindow host;
    OwnedWindow floating;
    OwnedWindow hint;
    Panel swatch;
    HWND tabStrip = nullptr;
    PalletStore store;
    std::unique_ptr<PalletView> view;
    std::optional<std::int32_t> current = kCurrent;
    std::vector<std::int32_t> picks;
    HWINEVENTHOOK renameHook = nullptr;
};

TEST_F(PalletViewTest, PaintsEachCellRaisedOverItsSpareSquare) {
    store.DropColor(kCell.Column, kCell.Row, 1, kCurrent);  // kCellColor becomes the spare colour
    store.SetCurrent(3, 0, 1, static_cast<std::int32_t>(0x80405060u));
    view->Repaint();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const auto now = static_cast<COLORREF>(kCurrent);
    const auto spare = static_cast<COLORREF>(kCellColor);
    // x counts from the cell's Left (false) or Right (true), y from its Top or Bottom.
    const struct {
        const char* what;
        CellPosition cell;
        bool fromRight;
        int dx;
        bool fromBottom;
        int dy;
        COLORREF expected;
    } rows[] = {
        {"highlight at the top-left corner", kCell, false, 0, false, 0, light},
        {"shadow owns the top-right corner", kCell, true, -1, false, 0, dark},
        {"shadow owns the bottom-left corner", kCell, false, 0, true, -1, dark},
        {"current colour inside the frame", kCell, false, 1, false, 1, now},
        {"current colour up to Right-2, Bottom-2", kCell, true, -2, true, -2, now},
        {"spare square's highlight atop the band", kCell, true, 0, false, 2, light},
        {"right band: inner line of spare colour", kCell, true, 0, false, 3, spare},
        {"right band: outer line of spare shadow", kCell, true, 1, false, 3, dark},
        {"lower band: inner line of spare colour", kCell, false, 3, true, 0, spare},
        {"lower band: outer line of spare shadow", kCell, false, 3, true, 1, dark},
        {"background left of the lower band", kCell, false, 1, true, 0, face},
        {"background beyond the band", kCell, true, 2, false, 3, face},
        {"high byte ignored", {2, 1}, false, 1, false, 1, 0x00102030},
        {"sign bit ignored", {3, 0}, false, 1, false, 1, 0x00405060},
    };
    const HDC dc = GetDC(view->Handle());
    for (const auto& row : rows) {
        const PalletRect cell = Bounds(row.cell);
        const int x = (row.fromRight ? cell.Right : cell.Left) + row.dx;
        const int y = (row.fromBottom ? cell.Bottom : cell.Top) + row.dy;
        EXPECT_EQ(GetPixel(dc, x, y), row.expected) << row.what << " at " << x << "," << y;
    }
    ReleaseDC(view->Handle(), dc);
}

TEST_F(PalletViewTest, DropsPicksAndSwapsWhereTheInputMeetsACell) {
    constexpr DWORD kLeft = MOUSEEVENTF_LEFTDOWN;
    constexpr DWORD kRight = MOUSEEVENTF_RIGHTDOWN;
    constexpr DWORD kMiddle = MOUSEEVENTF_MIDDLEDOWN;
    constexpr CellColors kept{kCellColor, 0};
    constexpr CellColors swapped{0, kCellColor};
    constexpr CellColors dropped{kCurrent, kCellColor};
    constexpr CellColors pinned{kEarlierPick, kCellColor};
    const HCURSOR accept = LoadCursorW(nullptr, IDC_ARROW);
    const HCURSOR refuse = LoadCursorW(nullptr, IDC_NO);
    // DragFromHistory starts on the history's page at its second cell and passes over the tab of page B.
    enum Input { Presses, DoubleClick, Drag, DragThenEscape, DragFromHistory };
    const struct {
        const char* what;
        Input input;
        DWORD button;
        Where where;
        CellColors cell;
        std::vector<std::int32_t> picks;
        int renames = 0;               // how often a screen reader hears that the cell's name changed
        HCURSOR dragCursor = nullptr;  // over `where`, before the release
        bool hasColor = true;
        int menus = 0;
        bool floating = false;
    } rows[] = {
        {"left press picks", Presses, kLeft, Where::Cell, kept, {kCellColor}},
        {"each press of a double click picks", DoubleClick, kLeft, Where::Cell, kept, {kCellColor, kCellColor}},
        {"a hand-edited value is picked unchanged", Presses, kLeft, Where::HandEditedCell, kept, {kHandEdited}},
        {"a negative value is picked as shown", Presses, kLeft, Where::NegativeCell, kept, {0x00405060}},
        {"right press swaps", Presses, kRight, Where::Cell, swapped, {}, 1},
        {"middle press swaps", Presses, kMiddle, Where::Cell, swapped, {}, 1},
        {"both presses of a double click swap", DoubleClick, kRight, Where::Cell, kept, {}, 2},
        {"left press in a gap", Presses, kLeft, Where::Gap, kept, {}},
        {"right press in a gap: no menu", Presses, kRight, Where::Gap, kept, {}},
        {"right press on the tab headers: menu", Presses, kRight, Where::TabHeader, kept, {}, 0, nullptr, true, 1},
        {"drag onto a cell", Drag, kLeft, Where::Cell, dropped, {}, 1, accept},
        {"drag with no colour current", Drag, kLeft, Where::Cell, kept, {}, 0, refuse, false},
        {"drag onto a gap", Drag, kLeft, Where::Gap, kept, {}, 0, refuse},
        {"drag released on the swatch", Drag, kLeft, Where::Swatch, kept, {}, 0, refuse},
        {"drag cancelled with Esc", DragThenEscape, kLeft, Where::Cell, kept, {}, 0, accept},
        {"drag onto the floating palette", Drag, kLeft, Where::Cell, dropped, {}, 1, accept, true, 0, true},
        {"left press on a history cell picks", Presses, kLeft, Where::HistoryCell, kept, {kEarlierPick}},
        {"left press on an empty history place", Presses, kLeft, Where::HistoryEmpty, kept, {}},
        {"right press on a history cell", Presses, kRight, Where::HistoryCell, kept, {}},
        {"drag onto the history's page", Drag, kLeft, Where::HistoryEmpty, kept, {}, 0, refuse},
        {"history cell dropped: pinned", DragFromHistory, kLeft, Where::Cell, pinned, {kEarlierPick}, 1, accept, false},
    };
    // What a screen reader hears when the cell's name changes `times` times.
    const auto heard = [this](int times) {
        return std::vector<std::pair<HWND, LONG>>(static_cast<std::size_t>(times),
                                                  {view->Handle(), CellPart(kCell, 4)});
    };
    for (const auto& row : rows) {
        if (row.floating) {
            floating.Reset(CreateHost(500));
            SetParent(tabStrip, floating.Get());
        }
        ResetCells();
        const bool history =
            row.where == Where::HistoryCell || row.where == Where::HistoryEmpty || row.input == DragFromHistory;
        TabCtrl_SetCurSel(tabStrip, history ? 3 : 1);
        view->Repaint();
        current = row.hasColor ? std::optional(kCurrent) : std::nullopt;
        const POINT at = ScreenPoint(row.where);
        HCURSOR shown = nullptr;
        std::vector<Step> steps;
        if (row.input == Presses || row.input == DoubleClick) {
            steps = {{nullptr, at}, {nullptr, at, row.button}, {nullptr, at, row.button << 1}};  // << 1: release
            if (row.input == DoubleClick) {
                steps.insert(steps.end(), {{nullptr, at, row.button}, {nullptr, at, row.button << 1}});
            }
        } else {
            const POINT from = ScreenPoint(row.input == DragFromHistory ? Where::HistoryCell : Where::Swatch);
            const POINT via =
                row.input == DragFromHistory ? TabPoint(1) : POINT{(from.x + at.x) / 2, (from.y + at.y) / 2};
            const auto atTarget = [&] {
                shown = GetCursor();
                if (row.input == DragThenEscape) {
                    keybd_event(VK_ESCAPE, 0, 0, 0);
                    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
                }
            };
            steps = {
                {nullptr, from}, {nullptr, from, kLeft}, {nullptr, via}, {nullptr, at}, {atTarget, at, kLeft << 1}};
        }
        Play(steps);
        EXPECT_EQ(store.Cell(kCell.Column, kCell.Row, 1), row.cell) << row.what;
        EXPECT_EQ(store.PalletModified(), row.cell != kept || (row.input == DoubleClick && row.button == kRight))
            << row.what;
        EXPECT_EQ(store.Cell(kCell.Column, kCell.Row, 0), (CellColors{kOtherPage, 0})) << row.what;
        EXPECT_EQ(picks, row.picks) << row.what;
        EXPECT_EQ(store.History().Colors(), (std::vector<std::int32_t>{kLastPick, kEarlierPick})) << row.what;
        EXPECT_EQ(contextMenusSeen, row.menus) << row.what;
        EXPECT_EQ(shown, row.dragCursor) << row.what;
        EXPECT_EQ(GetCapture(), nullptr) << row.what;
        EXPECT_EQ(renamesHeard, heard(row.renames)) << row.what;
    }
}

TEST_F(PalletViewTest, HintNamesBothColoursOverACellAndIsOffOverGaps) {
    // "現在の色：" and "予備の色："
    const std::wstring now = WidenCp932("\x8C\xBB\x8D\xDD\x82\xCC\x90\x46\x81\x46");
    const std::wstring sparePrefix = L"\r\n" + WidenCp932("\x97\x5C\x94\xF5\x82\xCC\x90\x46\x81\x46");
    const std::wstring spare = sparePrefix + L"000000";
    // "コントラスト比：" and the ratio of the cell's colour to its spare
    const auto contrast = [](const wchar_t* ratio) {
        return L"\r\n" + WidenCp932("\x83\x52\x83\x93\x83\x67\x83\x89\x83\x58\x83\x67\x94\xE4\x81\x46") + ratio + L":1";
    };
    POINT corner{Bounds(kCell).Right, Bounds(kCell).Bottom};  // the hit test is closed: still the cell
    ClientToScreen(view->Handle(), &corner);
    const struct {
        const char* what;
        POINT at;
        std::wstring text;
        LPCWSTR cursor;
        DWORD press = 0;  // a button pressed and released there first
        int tab = 1;      // the selected tab
    } rows[] = {
        {"a cell", ScreenPoint(Where::Cell), now + L"C03060" + spare + contrast(L"3.83"), IDC_HAND},
        {"a gap", ScreenPoint(Where::Gap), L"", IDC_ARROW},
        {"a cell's right-bottom corner", corner, now + L"C03060" + spare + contrast(L"3.83"), IDC_HAND},
        {"a hand-edited cell", ScreenPoint(Where::HandEditedCell), now + L"302010" + spare + contrast(L"1.34"),
         IDC_HAND},
        {"the same cell swapped under the pointer", ScreenPoint(Where::HandEditedCell),
         now + L"000000" + sparePrefix + L"302010" + contrast(L"1.34"), IDC_HAND, MOUSEEVENTF_RIGHTDOWN},
        {"a gap again", ScreenPoint(Where::Gap), L"", IDC_ARROW},
        {"a history cell: its colour alone", ScreenPoint(Where::HistoryCell), now + L"005040", IDC_HAND, 0, 3},
        {"an empty history place", ScreenPoint(Where::HistoryEmpty), L"", IDC_ARROW, 0, 3},
    };
    const auto tipText = [&] {
        wchar_t buffer[128] = L"";
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = view->Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(view->Handle());
        tool.lpszText = buffer;
        SendMessageW(hint.Get(), TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
        return std::wstring(buffer);
    };
    for (const auto& row : rows) {
        if (TabCtrl_GetCurSel(tabStrip) != row.tab) {
            view->SelectPage(row.tab);
        }
        const HCURSOR cursor = LoadCursorW(nullptr, row.cursor);
        // A press hides the tip until the pointer moves again; it then shows the cell's new colours.
        const bool shown = !row.text.empty() && row.press == 0;
        if (row.press != 0) {
            SendMouseAt(row.at, row.press);
            SendMouseAt(row.at, row.press << 1);  // the matching release
        }
        PumpUntil([&] {
            return PointerKeptAt(row.at) && tipText() == row.text && GetCursor() == cursor &&
                   (IsWindowVisible(hint.Get()) != FALSE) == shown;
        });
        EXPECT_EQ(tipText(), row.text) << row.what;
        EXPECT_EQ(GetCursor(), cursor) << row.what;
        ASSERT_EQ(IsWindowVisible(hint.Get()) != FALSE, shown) << row.what;
        TEXTMETRICW font;
        const HDC dc = GetDC(hint.Get());
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hint.Get(), WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &font);
        ReleaseDC(hint.Get(), dc);
        RECT area;
        GetClientRect(hint.Get(), &area);
        const auto lines = static_cast<int>(std::ranges::count(row.text, L'\n')) + 1;
        EXPECT_TRUE(!shown || area.bottom >= lines * font.tmHeight) << row.what << ": " << lines << " lines";
    }
}

TEST_F(PalletViewTest, FillsTheTabStripsDisplayAreaThroughEveryChange) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"A long page name");
    const std::function<void()> changes[] = {
        [&] { SetWindowPos(tabStrip, nullptr, 0, 0, 150, 120, SWP_NOMOVE | SWP_NOZORDER); },
        [&] { TabCtrl_InsertItem(tabStrip, 3, &item); },  // the tabs wrap onto another row
        [&] { TabCtrl_DeleteAllItems(tabStrip); },
    };
    for (const auto& change : changes) {
        RECT before;
        GetWindowRect(view->Handle(), &before);
        change();
        RECT expected;
        GetClientRect(tabStrip, &expected);
        TabCtrl_AdjustRect(tabStrip, FALSE, &expected);
        MapWindowPoints(tabStrip, HWND_DESKTOP, reinterpret_cast<POINT*>(&expected), 2);
        RECT after;
        GetWindowRect(view->Handle(), &after);
        EXPECT_TRUE(EqualRect(&after, &expected) && !EqualRect(&after, &before)) << &change - changes;
    }
}

}  // namespace
}  // namespace tintrel
