// Picking started by the hot key with another window in front, the keyboard pick with an average,
// and the mouse wheel's zoom, all with real input.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"
#include "ui/clipboard_win.h"
#include "ui/screen_cursor_win.h"

namespace tintrel::testing_win {
namespace {

constexpr COLORREF kUpper = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kLower = RGB(0xAB, 0xCD, 0xEF);

// Another program's window, in front with the focus: a black and white checkerboard on its left, two
// plain colours on its right. It counts the mouse and key messages that reach it.
class OtherWindow {
public:
    static constexpr RECT kBounds{440, 400, 680, 560};

    OtherWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &OtherWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TintrelTestOther";
        RegisterClassW(&windowClass);
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST, L"TintrelTestOther", L"", WS_POPUP | WS_VISIBLE, kBounds.left,
                                kBounds.top, kBounds.right - kBounds.left, kBounds.bottom - kBounds.top, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(hwnd_);
        SetFocus(hwnd_);
        UpdateWindow(hwnd_);
        inputSeen = 0;
    }
    ~OtherWindow() { DestroyWindow(hwnd_); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    static POINT At(int x, int y) { return POINT{kBounds.left + x, kBounds.top + y}; }
    static POINT Upper() { return At(180, 40); }
    static POINT Lower() { return At(180, 120); }
    // A white pixel of the checkerboard, far enough inside it for a 9 by 9 square.
    static POINT White() { return At(60, 80); }

    // Button, wheel and key messages that reached the window.
    static inline int inputSeen = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const bool pickKey = wParam == VK_RETURN || wParam == VK_SPACE || wParam == VK_ESCAPE ||
                             (wParam >= VK_LEFT && wParam <= VK_DOWN);
        if ((message >= WM_LBUTTONDOWN && message <= WM_MOUSEHWHEEL) ||
            ((message == WM_KEYDOWN || message == WM_KEYUP) && pickKey)) {
            ++inputSeen;
        }
        if (message != WM_PAINT) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        constexpr int kWidth = 240;
        constexpr int kHeight = 160;
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const COLORREF color = x >= 120 ? (y < 80 ? kUpper : kLower) : ((x + y) % 2 == 0 ? 0xFFFFFF : 0);
                pixels.push_back(GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color));
            }
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        SetDIBitsToDevice(dc, 0, 0, kWidth, kHeight, 0, 0, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS);
        EndPaint(hwnd, &paint);
        return 0;
    }

    HWND hwnd_ = nullptr;
};

bool IsPicking() {
    return ScreenCursor() == LoadCursorW(nullptr, IDC_CROSS);
}

void PressPickHotKey() {
    INPUT events[6] = {};
    const WORD keys[] = {VK_CONTROL, VK_MENU, 'C'};
    for (int index = 0; index < 3; ++index) {
        events[index].type = INPUT_KEYBOARD;
        events[index].ki.wVk = keys[index];
        events[5 - index].type = INPUT_KEYBOARD;
        events[5 - index].ki.wVk = keys[index];
        events[5 - index].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, events, sizeof(INPUT));
}

void TurnWheel(POINT at, int notches) {
    INPUT event{};
    event.type = INPUT_MOUSE;
    event.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    event.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    event.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    event.mi.dwFlags = MOUSEEVENTF_WHEEL | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &event, sizeof(INPUT));
}

class PickFromAnywhere : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        other = std::make_unique<OtherWindow>();
        ASSERT_TRUE(PumpUntil([] {
            const HDC screen = GetDC(nullptr);
            const POINT lower = OtherWindow::Lower();
            const bool shown = GetPixel(screen, lower.x, lower.y) == kLower;
            ReleaseDC(nullptr, screen);
            return shown;
        })) << "the other window never reached the screen";
    }

    void TearDown() override {
        if (IsPicking()) {
            SendKey(VK_ESCAPE);
            PumpUntil([] { return !IsPicking(); });
        }
        other.reset();
        MainFormTest::TearDown();
    }

    void StartPickAt(POINT at) {
        SendMouseAt(at);
        PressPickHotKey();
        ASSERT_TRUE(PumpUntil([] { return IsPicking(); })) << "the hot key did not start a pick";
    }

    bool Picked(COLORREF color) {
        return PumpUntil([&] { return mainForm->Color().HasColor && mainForm->Color().CurColor == ColorRef(color); });
    }

    // How many paint box pixels wide the magnifier shows one screen pixel of the checkerboard.
    int BlockWidth() {
        const HWND panel = mainForm->Control(ControlId::PanelDef);
        const int y = 4 + 55;
        const COLORREF middle = PixelOf(panel, 4 + 100, y);
        int left = 100;
        while (left > 80 && PixelOf(panel, 4 + left - 1, y) == middle) {
            --left;
        }
        int right = 100;
        while (right < 127 && PixelOf(panel, 4 + right + 1, y) == middle) {
            ++right;
        }
        return right - left + 1;
    }

    std::unique_ptr<OtherWindow> other;
};

TEST_F(PickFromAnywhere, TheHotKeyPicksWithAClickAndEscPutsTheColourBack) {
    mainForm->ExecuteCommand(CommandId::Popup1);
    PutTextOnClipboard(nullptr, L"before");
    StartPickAt(OtherWindow::Upper());
    EXPECT_TRUE(Picked(kUpper)) << "the magnifier and the readout follow the pointer at once";
    SendMouseAt(OtherWindow::Lower());
    EXPECT_TRUE(Picked(kLower)) << "and at every move";
    EXPECT_EQ(ClipboardText(), L"before");

    SendMouseAt(OtherWindow::Lower(), MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(OtherWindow::Lower(), MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([] { return !IsPicking(); })) << "the click takes the colour";
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L"#ABCDEF"; })) << "auto-copy";
    Sleep(50);
    Pump();
    EXPECT_EQ(OtherWindow::inputSeen, 0) << "neither the press nor the release reached the window under it";
    EXPECT_EQ(GetFocus(), other->Handle()) << "the focus stays where it was";
    EXPECT_EQ(GetForegroundWindow(), other->Handle());

    StartPickAt(OtherWindow::Upper());
    EXPECT_TRUE(Picked(kUpper));
    SendKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return !IsPicking(); }));
    EXPECT_TRUE(Picked(kLower)) << "Esc puts back the colour of before";
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#ABCDEF");
    EXPECT_EQ(ClipboardText(), L"#ABCDEF") << "a cancelled pick copies nothing";

    mainForm->ClearColor();
    StartPickAt(OtherWindow::Upper());
    SendMouseAt(OtherWindow::Upper(), MOUSEEVENTF_RIGHTDOWN);
    SendMouseAt(OtherWindow::Upper(), MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(PumpUntil([] { return !IsPicking(); })) << "a right click cancels";
    EXPECT_FALSE(mainForm->Color().HasColor) << "no colour before, none after";
    Sleep(50);
    Pump();
    EXPECT_EQ(OtherWindow::inputSeen, 0);
}

TEST_F(PickFromAnywhere, ArrowsSteerAndEnterTakesTheLinearLightAverage) {
    mainForm->ExecuteCommand(CommandId::Sample3);
    StartPickAt(OtherWindow::White());
    EXPECT_TRUE(Picked(RGB(197, 197, 197))) << "five white pixels of nine, averaged in linear light";
    SendKey(VK_RIGHT);
    EXPECT_TRUE(Picked(RGB(178, 178, 178))) << "one pixel on: four white of nine";
    const POINT steered{OtherWindow::White().x + 1, OtherWindow::White().y};
    POINT pointer;
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, steered.x);
    SendKey(VK_LEFT, true);
    EXPECT_TRUE(PumpUntil([&] {
        GetCursorPos(&pointer);
        return pointer.x == steered.x - 10;
    })) << "Shift moves by ten";
    SendKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([] { return !IsPicking(); })) << "Enter takes the colour";
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#B2B2B2");
    Sleep(50);
    Pump();
    EXPECT_EQ(OtherWindow::inputSeen, 0) << "the keys reached no other window";
    EXPECT_EQ(GetFocus(), other->Handle());
}

TEST_F(PickFromAnywhere, TheWheelZoomsOverTheMagnifierAndWhilePickingAndIsKept) {
    StartPickAt(OtherWindow::White());
    EXPECT_EQ(BlockWidth(), 4);
    TurnWheel(OtherWindow::White(), 2);
    EXPECT_TRUE(PumpUntil([this] { return BlockWidth() == 8; })) << "two notches forward: 4, 6, 8";
    TurnWheel(OtherWindow::White(), -1);
    EXPECT_TRUE(PumpUntil([this] { return BlockWidth() == 6; }));
    SendKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([] { return !IsPicking(); }));
    Sleep(50);
    Pump();
    EXPECT_EQ(OtherWindow::inputSeen, 0) << "the wheel turned the magnifier only";

    SetForegroundWindow(mainForm->Handle());
    SetFocus(mainForm->Control(ControlId::ComboF));
    POINT magnifier{70, 38};
    ClientToScreen(mainForm->Control(ControlId::PanelDef), &magnifier);
    TurnWheel(magnifier, -3);
    EXPECT_TRUE(PumpUntil([this] { return BlockWidth() == 2; })) << "over the magnifier: 6, 4, 3, 2";
    EXPECT_EQ(SendMessageW(mainForm->Control(ControlId::ComboF), CB_GETCURSEL, 0, 0), 0)
        << "the template list saw no wheel";

    ASSERT_TRUE(CloseProgram());
    const std::string settings = test_support::ReadBytes(SettingsFile());
    EXPECT_NE(settings.find("[Options]\r\nZoom=2\r\n"), std::string::npos) << settings;
}

TEST_F(PickFromAnywhere, AKeyHeldElsewhereIsToldOnceAndTheProgramRunsOn) {
    const auto caption = [this] {
        wchar_t text[128] = {};
        GetMenuStringW(mainForm->PopupMenu1(), static_cast<UINT>(CommandId::NHotKey), text, 128, MF_BYCOMMAND);
        return std::wstring(text);
    };
    ASSERT_TRUE(RegisterHotKey(other->Handle(), 7, MOD_SHIFT | MOD_CONTROL, VK_F8));
    test_support::WriteBytes(SettingsFile(), "[Options]\r\nPickHotKey=Shift+Ctrl+F8\r\n");
    RestartProgram();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].Text.find(L"Shift+Ctrl+F8"), std::wstring::npos);
    EXPECT_EQ(boxes[0].Type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_NE(caption().find(L"Shift+Ctrl+F8"), std::wstring::npos);
    UnregisterHotKey(other->Handle(), 7);

    test_support::WriteBytes(SettingsFile(), "[Options]\r\nPickHotKey=Ctrl+Foo\r\n");
    RestartProgram();
    EXPECT_EQ(boxes.size(), 1u) << "a key that is no key keeps the default, quietly";
    EXPECT_NE(caption().find(L"Ctrl+Alt+C"), std::wstring::npos);
    StartPickAt(OtherWindow::Upper());

    mainForm->ExecuteCommand(CommandId::NHotKey);
    EXPECT_FALSE(mainForm->IsChecked(CommandId::NHotKey));
    ASSERT_TRUE(CloseProgram());
    EXPECT_NE(test_support::ReadBytes(SettingsFile()).find("[Options]\r\nPickHotKey=Ctrl+Foo\r\nPickHotKeyOn=0\r\n"),
              std::string::npos)
        << "the text written back as it was read";
}

}  // namespace
}  // namespace tintrel::testing_win
