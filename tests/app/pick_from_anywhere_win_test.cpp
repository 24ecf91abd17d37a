// Picking started by the hot key with another window in front, the keyboard pick with an average,
// and the mouse wheel's zoom, all with real input.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"
#include "ui/clipboard_win.h"

namespace tintrel::testing_win {
namespace {

constexpr COLORREF kUpper = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kLower = RGB(0xAB, 0xCD, 0xEF);
// The lower colour once the other window has changed it.
constexpr COLORREF kLowerChanged = RGB(0x22, 0x44, 0x66);
// Points of the other window at (440, 400): its two plain colours, and a white pixel of its checkerboard
// far enough inside it for a 9 by 9 square.
constexpr POINT kUpperAt{620, 440};
constexpr POINT kLowerAt{620, 520};
constexpr POINT kWhiteAt{500, 480};

LONG PointerX() {
    POINT pointer;
    GetCursorPos(&pointer);
    return pointer.x;
}

// With another program's window in front with the focus: a black and white checkerboard on its left, two
// plain colours on its right. It counts the button, wheel and picking key messages that reach it.
class PickFromAnywhere : public MainFormTest {
protected:
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 160;

    void SetUp() override {
        MainFormTest::SetUp();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &PickFromAnywhere::OtherWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TintrelTestOther";
        RegisterClassW(&windowClass);
        other = CreateWindowExW(WS_EX_TOPMOST, L"TintrelTestOther", L"", WS_POPUP | WS_VISIBLE, 440, 400, kWidth,
                                kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(other);
        SetFocus(other);
        inputSeen = 0;
        changed = false;
        ASSERT_TRUE(PumpUntil([] {
            const HDC screen = GetDC(nullptr);
            const bool shown = GetPixel(screen, kLowerAt.x, kLowerAt.y) == kLower;
            ReleaseDC(nullptr, screen);
            return shown;
        })) << "the other window never reached the screen";
    }

    void TearDown() override {
        if (mainForm->IsPicking()) {
            SendKey(VK_ESCAPE);
            PickEnded();
        }
        DestroyWindow(other);
        MainFormTest::TearDown();
    }

    static LRESULT CALLBACK OtherWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const bool pickKey = wParam == VK_RETURN || wParam == VK_SPACE || wParam == VK_ESCAPE ||
                             (wParam >= VK_LEFT && wParam <= VK_DOWN);
        markerSeen = markerSeen || (message == WM_KEYUP && wParam == kMarkerKey);
        if ((message >= WM_LBUTTONDOWN && message <= WM_MOUSEHWHEEL) ||
            ((message == WM_KEYDOWN || message == WM_KEYUP) && pickKey)) {
            ++inputSeen;
        }
        if (message != WM_PAINT) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const std::uint32_t lower = changed ? 0x224466 : 0xABCDEF;
                pixels.push_back(x >= 120 ? (y < 80 ? 0x123456 : lower) : ((x + y) % 2 == 0 ? 0xFFFFFF : 0));
            }
        }
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(info.bmiHeader), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        SetDIBitsToDevice(dc, 0, 0, kWidth, kHeight, 0, 0, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS);
        EndPaint(hwnd, &paint);
        ++paints;
        return 0;
    }

    // Has the other window change its lower colour and waits until it has painted it.
    void ChangeColour() {
        changed = true;
        const int before = paints;
        InvalidateRect(other, nullptr, FALSE);
        ASSERT_TRUE(PumpUntil([before] { return paints > before; }));
    }

    void StartPickAt(POINT at) {
        SendMouseAt(at);
        SendKey('C', false, true, true);
        ASSERT_TRUE(PumpUntil([this] { return mainForm->IsPicking(); })) << "the hot key did not start a pick";
    }

    bool PickEnded() {
        return PumpUntil([this] { return !mainForm->IsPicking(); });
    }

    bool Picked(COLORREF color) {
        return PumpUntil([&] { return mainForm->Color().HasColor && mainForm->Color().CurColor == ColorRef(color); });
    }

    // The other window's count of input, once all that was sent has arrived: input reaches the windows
    // in the order it was sent, so a key sent last comes after all of it.
    int InputSeenByOther() {
        markerSeen = false;
        SendKey(kMarkerKey);
        EXPECT_TRUE(PumpUntil([] { return markerSeen; })) << "the other window never got the focus's keys";
        return inputSeen;
    }

    // How many paint box pixels wide the magnifier shows one screen pixel of the checkerboard.
    int BlockWidth() {
        const HWND panel = mainForm->Control(ControlId::PanelDef);
        const COLORREF middle = PixelOf(panel, 104, 59);
        int width = 1;
        for (const int step : {-1, 1}) {
            for (int x = 104 + step; x >= 84 && x <= 131 && PixelOf(panel, x, 59) == middle; x += step) {
                ++width;
            }
        }
        return width;
    }

    HWND other = nullptr;
    static inline int inputSeen = 0;
    static inline bool changed = false;
    static inline int paints = 0;
    static constexpr WORD kMarkerKey = VK_F9;  // a key that picking leaves alone
    static inline bool markerSeen = false;
};

TEST_F(PickFromAnywhere, TheHotKeyPicksWithAClickAndEscPutsTheColourBack) {
    mainForm->ExecuteCommand(CommandId::Popup1);
    PutTextOnClipboard(nullptr, L"before");
    StartPickAt(kUpperAt);
    EXPECT_TRUE(Picked(kUpper)) << "the magnifier and the readout follow the pointer at once";
    SendMouseAt(kLowerAt);
    EXPECT_TRUE(Picked(kLower)) << "and at every move";
    EXPECT_EQ(ClipboardText(), L"before");

    SendMouseAt(kLowerAt, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(kLowerAt, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PickEnded()) << "the click takes the colour";
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L"#ABCDEF"; })) << "auto-copy";
    EXPECT_EQ(InputSeenByOther(), 0) << "neither the press nor the release reached the window under it";
    EXPECT_EQ(GetFocus(), other) << "the focus stays where it was";
    EXPECT_EQ(GetForegroundWindow(), other);

    // A corner of the magnifier, away from its frames: all of it shows the plain colour picked.
    const auto magnified = [this] { return PixelOf(mainForm->Control(ControlId::PanelDef), 30, 50); };
    EXPECT_EQ(magnified(), kLower);
    StartPickAt(kUpperAt);
    EXPECT_TRUE(Picked(kUpper));
    EXPECT_TRUE(PumpUntil([&] { return magnified() == kUpper; }));
    SendKey(VK_ESCAPE);
    EXPECT_TRUE(PickEnded());
    EXPECT_TRUE(Picked(kLower)) << "Esc puts back the colour of before";
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#ABCDEF");
    EXPECT_TRUE(PumpUntil([&] { return magnified() == kLower; })) << "and the magnifier's view of it";
    EXPECT_EQ(ClipboardText(), L"#ABCDEF") << "a cancelled pick copies nothing";

    mainForm->ClearColor();
    StartPickAt(kUpperAt);
    SendMouseAt(kUpperAt, MOUSEEVENTF_RIGHTDOWN);
    SendMouseAt(kUpperAt, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(PickEnded()) << "a right click cancels";
    EXPECT_FALSE(mainForm->Color().HasColor) << "no colour before, none after";
    EXPECT_EQ(InputSeenByOther(), 0);
}

TEST_F(PickFromAnywhere, FIsTheScreenOfThatMomentUntilTheClickAndTheHotKeyAgainCancels) {
    const auto frozenView = [] { return FindWindowW(L"TintrelPickView", nullptr); };
    mainForm->ExecuteCommand(CommandId::Popup1);
    StartPickAt(kUpperAt);
    SendKey('F');
    ASSERT_TRUE(PumpUntil([&] { return mainForm->IsPickFrozen() && frozenView() != nullptr; }));
    EXPECT_TRUE(Picked(kUpper));
    ChangeColour();
    SendMouseAt(kLowerAt);
    EXPECT_TRUE(Picked(kLower)) << "the magnifier and the readout read the frozen screen";
    SendMouseAt(kLowerAt, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(kLowerAt, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PickEnded());
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L"#ABCDEF"; })) << "the colour of the moment of F";
    EXPECT_EQ(frozenView(), nullptr) << "the frozen view went with the pick";
    EXPECT_EQ(InputSeenByOther(), 0);

    StartPickAt(kLowerAt);
    EXPECT_TRUE(Picked(kLowerChanged)) << "a new pick is live";
    SendKey('F');
    ASSERT_TRUE(PumpUntil([&] { return frozenView() != nullptr; }));
    SendKey('F');
    EXPECT_TRUE(PumpUntil([&] { return !mainForm->IsPickFrozen() && frozenView() == nullptr; })) << "F again: live";
    SendKey('C', false, true, true);
    EXPECT_TRUE(PickEnded()) << "the hot key again cancels";
    EXPECT_TRUE(Picked(kLower)) << "and puts the colour of before back";
    EXPECT_EQ(ClipboardText(), L"#ABCDEF");

    mainForm->ExecuteCommand(CommandId::NPickFrozen);
    StartPickAt(kUpperAt);
    EXPECT_TRUE(mainForm->IsPickFrozen()) << "the option starts every pick from anywhere frozen";
    SendKey(VK_ESCAPE);
    EXPECT_TRUE(PickEnded());
    EXPECT_EQ(frozenView(), nullptr);
    EXPECT_EQ(GetFocus(), other) << "the focus stayed where it was all along";
}

// Hooks installed after the pick's that pass every event on without calling the hooks before them: to the
// pick it is as if the system had removed its hooks.
LRESULT CALLBACK Deaf(int, WPARAM, LPARAM) {
    return 0;
}

TEST_F(PickFromAnywhere, APickThatNoLongerHearsItsInputEndsAndEscNeverClosesTheProgram) {
    SetForegroundWindow(mainForm->Handle());
    SetFocus(mainForm->Control(ControlId::ComboF));
    mainForm->SetColor(ColorRef(kLower));
    StartPickAt(kUpperAt);
    EXPECT_TRUE(Picked(kUpper));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, &Deaf, instance, 0);
    const HHOOK mouse = SetWindowsHookExW(WH_MOUSE_LL, &Deaf, instance, 0);
    SendMouseAt(kLowerAt);
    ASSERT_TRUE(PumpUntil([] { return PointerX() == kLowerAt.x; })) << "the pointer moved all the same";
    EXPECT_FALSE(Picked(kLower)) << "the pick no longer hears the moves";
    SendKey(VK_ESCAPE);
    EXPECT_TRUE(PickEnded()) << "Esc reaching the program's window cancels the pick";
    EXPECT_NE(mainForm->Handle(), nullptr) << "and does not close the program";
    EXPECT_TRUE(Picked(kLower));

    StartPickAt(kUpperAt);
    const ULONGLONG started = GetTickCount64();
    SendMouseAt(kWhiteAt);
    EXPECT_TRUE(PickEnded()) << "a move the pick did not hear ends it by itself";
    EXPECT_LE(GetTickCount64() - started, 1500u);
    EXPECT_TRUE(Picked(kLower)) << "as cancelled";
    UnhookWindowsHookEx(keyboard);
    UnhookWindowsHookEx(mouse);
}

TEST_F(PickFromAnywhere, ArrowsSteerAndEnterTakesTheLinearLightAverage) {
    mainForm->ExecuteCommand(CommandId::Sample3);
    StartPickAt(kWhiteAt);
    EXPECT_TRUE(Picked(RGB(197, 197, 197))) << "five white pixels of nine, averaged in linear light";
    SendKey(VK_RIGHT);
    EXPECT_TRUE(Picked(RGB(178, 178, 178))) << "one pixel on: four white of nine";
    SendKey(VK_LEFT, true);
    EXPECT_TRUE(PumpUntil([] { return PointerX() == kWhiteAt.x - 9; })) << "Shift moves by ten";
    SendKey(VK_RETURN);
    EXPECT_TRUE(PickEnded()) << "Enter takes the colour";
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#B2B2B2");
    EXPECT_EQ(InputSeenByOther(), 0) << "the keys reached no other window";
    EXPECT_EQ(GetFocus(), other);
}

TEST_F(PickFromAnywhere, TheWheelZoomsOverTheMagnifierAndWhilePickingAndIsKept) {
    // A pick taken first leaves the checkerboard in the magnifier, where a cancelled pick puts it back.
    StartPickAt(kWhiteAt);
    SendMouseAt(kWhiteAt, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(kWhiteAt, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PickEnded());
    StartPickAt(kWhiteAt);
    EXPECT_EQ(BlockWidth(), 4);
    SendMouseAt(kWhiteAt, MOUSEEVENTF_WHEEL, 2 * WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([this] { return BlockWidth() == 8; })) << "two notches forward: 4, 6, 8";
    SendMouseAt(kWhiteAt, MOUSEEVENTF_WHEEL, -WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([this] { return BlockWidth() == 6; }));
    SendKey(VK_ESCAPE);
    ASSERT_TRUE(PickEnded());
    EXPECT_EQ(BlockWidth(), 6) << "the view from before the pick, at the zoom chosen during it";
    EXPECT_EQ(InputSeenByOther(), 0) << "the wheel turned the magnifier only";

    SetForegroundWindow(mainForm->Handle());
    SetFocus(mainForm->Control(ControlId::ComboF));
    POINT magnifier{70, 38};
    ClientToScreen(mainForm->Control(ControlId::PanelDef), &magnifier);
    SendMouseAt(magnifier, MOUSEEVENTF_WHEEL, -3 * WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([this] { return BlockWidth() == 2; })) << "over the magnifier: 6, 4, 3, 2";
    EXPECT_EQ(SendMessageW(mainForm->Control(ControlId::ComboF), CB_GETCURSEL, 0, 0), 0)
        << "the template list saw no wheel";

    ASSERT_TRUE(CloseProgram());
    const std::string settings = test_support::ReadBytes(SettingsFile());
    EXPECT_NE(settings.find("[Options]\r\nZoom=2\r\n"), std::string::npos) << settings;
}

TEST_F(PickFromAnywhere, EveryPickIsKeptInTheHistoryNewestFirstAndSaved) {
    StartPickAt(kUpperAt);
    SendMouseAt(kUpperAt, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(kUpperAt, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PickEnded());
    // A drag from the pick target: the main window comes in front for it.
    const POINT target = CenterOf(mainForm->Control(ControlId::PanelP));
    SendMouseAt(target, MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([this] { return mainForm->IsPicking(); }));
    SendMouseAt(kWhiteAt);
    ASSERT_TRUE(Picked(RGB(255, 255, 255)));
    SendMouseAt(kWhiteAt, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PickEnded());
    StartPickAt(kLowerAt);
    SendKey(VK_RETURN);
    ASSERT_TRUE(PickEnded());

    ASSERT_TRUE(CloseProgram());
    EXPECT_NE(test_support::ReadBytes(directory / "Tintrel.plt")
                  .find("[History]\r\nCount=3\r\nC_0=15715755\r\nC_1=16777215\r\nC_2=5649426\r\n"),
              std::string::npos);
}

TEST_F(PickFromAnywhere, AKeyHeldElsewhereIsToldOnceAndTheProgramRunsOn) {
    const auto caption = [this] {
        wchar_t text[128] = {};
        GetMenuStringW(mainForm->PopupMenu1(), static_cast<UINT>(CommandId::NHotKey), text, 128, MF_BYCOMMAND);
        return std::wstring(text);
    };
    ASSERT_TRUE(RegisterHotKey(other, 7, MOD_SHIFT | MOD_CONTROL, VK_F8));
    test_support::WriteBytes(SettingsFile(), "[Options]\r\nPickHotKey=Shift+Ctrl+F8\r\n");
    RestartProgram();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].Text.find(L"Shift+Ctrl+F8"), std::wstring::npos);
    EXPECT_EQ(boxes[0].Type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_NE(caption().find(L"Shift+Ctrl+F8"), std::wstring::npos);
    UnregisterHotKey(other, 7);

    test_support::WriteBytes(SettingsFile(), "[Options]\r\nPickHotKey=Ctrl+Foo\r\n");
    RestartProgram();
    EXPECT_EQ(boxes.size(), 1u) << "a key that is no key keeps the default, quietly";
    EXPECT_NE(caption().find(L"Ctrl+Alt+C"), std::wstring::npos);
    StartPickAt(kUpperAt);

    mainForm->ExecuteCommand(CommandId::NHotKey);
    EXPECT_FALSE(mainForm->IsChecked(CommandId::NHotKey));
    ASSERT_TRUE(CloseProgram());
    EXPECT_NE(test_support::ReadBytes(SettingsFile()).find("[Options]\r\nPickHotKey=Ctrl+Foo\r\nPickHotKeyOn=0\r\n"),
              std::string::npos)
        << "the text written back as it was read";
}

}  // namespace
}  // namespace tintrel::testing_win
