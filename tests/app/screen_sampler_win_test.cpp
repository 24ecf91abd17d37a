// Picking colours off the screen with real mouse and key input: the picked pixel, the readout, the
// magnifier, the cursor while picking, the capture of the left button and the arrow keys.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/app/main_form_fixture_win.h"
#include "tests/app/pattern_window_win.h"
#include "ui/clipboard_win.h"
#include "ui/physical_pixels_win.h"
#include "ui/screen_cursor_win.h"

namespace tintrel::testing_win {
namespace {

bool PointerIsAt(POINT expected) {
    POINT pointer;
    GetCursorPos(&pointer);
    return pointer.x == expected.x && pointer.y == expected.y;
}

bool IsPicking() {
    return ScreenCursor() == LoadCursorW(nullptr, IDC_CROSS);
}

// The magnifier's paint box as the window has painted it: 132 by 68 pixels at (4, 4) of PanelDef.
class MagnifierPixels {
public:
    static constexpr int kWidth = 132;
    static constexpr int kHeight = 68;

    explicit MagnifierPixels(HWND panelDef) : pixels_(kWidth * kHeight) {
        UpdateWindow(panelDef);
        const HDC window = GetDC(panelDef);
        const HDC memory = CreateCompatibleDC(window);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        const HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, kWidth, kHeight, window, 4, 4, SRCCOPY);
        GdiFlush();
        const auto* source = static_cast<const std::uint32_t*>(bits);
        for (int index = 0; index < kWidth * kHeight; ++index) {
            pixels_[index] = RGB((source[index] >> 16) & 0xFF, (source[index] >> 8) & 0xFF, source[index] & 0xFF);
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(panelDef, window);
    }

    COLORREF At(int x, int y) const { return pixels_[y * kWidth + x]; }

private:
    std::vector<COLORREF> pixels_;
};

bool OnAFrame(int x, int y) {
    const bool outer = x == 0 || y == 0 || x == MagnifierPixels::kWidth - 1 || y == MagnifierPixels::kHeight - 1;
    const bool inner = (x == 65 || x == 70) && y >= 33 && y <= 38;
    const bool innerRow = (y == 33 || y == 38) && x >= 65 && x <= 70;
    return outer || inner || innerRow;
}

// Checks every pixel of the magnifier between the frames against the screen around `pointer`: each
// screen pixel a 4 by 4 block, the pointer's block at (66, 34). `screen` gives the colour expected
// on the screen, or CLR_INVALID where the test does not know it.
template <class ScreenColor>
void ExpectMagnifies(const MagnifierPixels& shown, POINT pointer, ScreenColor screen) {
    int mismatches = 0;
    for (int y = 0; y < MagnifierPixels::kHeight; ++y) {
        for (int x = 0; x < MagnifierPixels::kWidth; ++x) {
            // The bitmap is drawn four times enlarged from (-198, -102).
            const int screenX = pointer.x - 66 + (x + 198) / 4;
            const int screenY = pointer.y - 34 + (y + 102) / 4;
            const COLORREF expected = screen(screenX, screenY);
            if (OnAFrame(x, y) || expected == CLR_INVALID || shown.At(x, y) == expected) {
                continue;
            }
            if (++mismatches <= 3) {
                ADD_FAILURE() << "paint box pixel (" << x << ", " << y << ") showing screen pixel (" << screenX << ", "
                              << screenY << "): expected " << Hex(expected) << ", shown " << Hex(shown.At(x, y));
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

void ExpectFramesDrawn(const MagnifierPixels& shown) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    struct Expected {
        int X;
        int Y;
        COLORREF Color;
        const char* Where;
    };
    const Expected pixels[] = {
        {0, 0, highlight, "outer top-left"},
        {60, 0, highlight, "outer top"},
        {0, 30, highlight, "outer left"},
        {131, 0, shadow, "outer top-right corner"},
        {0, 67, shadow, "outer bottom-left corner"},
        {131, 67, shadow, "outer bottom-right"},
        {131, 30, shadow, "outer right"},
        {60, 67, shadow, "outer bottom"},
        {65, 33, highlight, "inner top-left"},
        {67, 33, highlight, "inner top"},
        {65, 35, highlight, "inner left"},
        {70, 33, shadow, "inner top-right corner"},
        {65, 38, shadow, "inner bottom-left corner"},
        {70, 38, shadow, "inner bottom-right"},
        {70, 36, shadow, "inner right"},
        {68, 38, shadow, "inner bottom"},
    };
    for (const Expected& pixel : pixels) {
        EXPECT_EQ(Hex(shown.At(pixel.X, pixel.Y)), Hex(pixel.Color)) << pixel.Where;
    }
}

class ScreenSampler : public MainFormTest {
protected:
    // Inside the pattern, far enough from its edges for the whole capture.
    static constexpr POINT kInPattern{PatternWindow::kBounds.left + 80, PatternWindow::kBounds.top + 40};

    void SetUp() override {
        MainFormTest::SetUp();
        SetForegroundWindow(mainForm->Handle());
        // The screen shows a window's painting a moment after the window has painted.
        ASSERT_TRUE(PumpUntil([] { return ScreenPixel(kInPattern) == PatternWindow::ColorAt(80, 40); }))
            << "the pattern never reached the screen";
        ASSERT_TRUE(PumpUntil([this] { return ScreenPixel(Target()) == 0; })) << "the target never reached the screen";
    }

    void TearDown() override {
        // A failed test must not leave a button held or picking on for the next one.
        for (const auto& [key, release] :
             {std::pair{VK_LBUTTON, MOUSEEVENTF_LEFTUP}, std::pair{VK_RBUTTON, MOUSEEVENTF_RIGHTUP},
              std::pair{VK_MBUTTON, MOUSEEVENTF_MIDDLEUP}}) {
            if (GetAsyncKeyState(key) < 0) {
                SendMouseAt(PatternCorner(), release);
            }
        }
        Pump();
        SetScreenCursor(nullptr);
        MainFormTest::TearDown();
    }

    // The middle of the pick target, where the dropper picture has a black pixel.
    POINT Target() const { return CenterOf(mainForm->Control(ControlId::PanelP)); }
    static POINT PatternCorner() { return POINT{PatternWindow::kBounds.left + 2, PatternWindow::kBounds.top + 2}; }

    // Moves the pointer with real input and waits until the program has seen the move.
    void MoveTo(POINT screen) {
        SendMouseAt(screen);
        ASSERT_TRUE(PumpUntil([screen] { return PointerIsAt(screen); }));
        Pump();
    }

    void Press(POINT screen, DWORD button) {
        MoveTo(screen);
        SendMouseAt(screen, button);
        ASSERT_TRUE(PumpUntil([] { return IsPicking(); })) << "picking did not start";
    }

    void Release(POINT screen, DWORD button) {
        SendMouseAt(screen, button);
        PumpUntil([button] {
            return GetAsyncKeyState(button == MOUSEEVENTF_LEFTUP    ? VK_LBUTTON
                                    : button == MOUSEEVENTF_RIGHTUP ? VK_RBUTTON
                                                                    : VK_MBUTTON) >= 0;
        });
        Sleep(20);
        Pump();
    }

    // Picks with the left button dragged from the target to `screen` and released there.
    void DragTo(POINT screen) {
        Press(Target(), MOUSEEVENTF_LEFTDOWN);
        MoveTo(screen);
        ASSERT_TRUE(PumpUntil([this, screen] { return mainForm->Color().CurColor == ColorRef(ScreenPixel(screen)); }))
            << "the drag did not pick";
    }

    PatternWindow pattern;
};

constexpr POINT ScreenSampler::kInPattern;

TEST_F(ScreenSampler, ALeftDragPicksThePixelUnderThePointer) {
    Press(Target(), MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(mainForm->Color().CurColor, 0) << "the press alone picks the black of the dropper under the pointer";
    EXPECT_TRUE(mainForm->Color().HasColor);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));
    EXPECT_EQ(GetCapture(), mainForm->Control(ControlId::PanelP));

    MoveTo(kInPattern);
    const COLORREF expected = PatternWindow::ColorAt(80, 40);
    EXPECT_TRUE(PumpUntil([&] { return mainForm->Color().CurColor == ColorRef(expected); }))
        << "picked " << Hex(mainForm->Color().CurColor) << ", expected " << Hex(expected);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#507840");
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditR)), L"80");
    EXPECT_EQ(PixelOf(mainForm->Control(ControlId::PanelD), 16, 16), expected) << "the swatch";

    const POINT nextPixel{kInPattern.x + 3, kInPattern.y + 1};
    MoveTo(nextPixel);
    EXPECT_TRUE(PumpUntil([&] { return mainForm->Color().CurColor == ColorRef(PatternWindow::ColorAt(83, 41)); }))
        << "every move picks again";

    Release(nextPixel, MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(IsPicking()) << "the release away from the target reaches it through the capture";
    EXPECT_EQ(GetCapture(), nullptr);
    MoveTo(kInPattern);
    EXPECT_EQ(mainForm->Color().CurColor, ColorRef(PatternWindow::ColorAt(83, 41))) << "moves after it pick nothing";
}

TEST_F(ScreenSampler, TheCrossStaysOverTheProgramsOwnControlsWhilePicking) {
    Press(Target(), MOUSEEVENTF_LEFTDOWN);
    mainForm->ClearColor();
    MoveTo(CenterOf(mainForm->Control(ControlId::PanelD)));
    ASSERT_TRUE(PumpUntil([this] { return mainForm->Color().HasColor; }));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS)) << "over the swatch, which takes the hand cursor";
    Release(CenterOf(mainForm->Control(ControlId::PanelD)), MOUSEEVENTF_LEFTUP);
}

TEST_F(ScreenSampler, MagnifierShowsTheScreenFourTimesEnlargedAndFramed) {
    DragTo(kInPattern);
    const MagnifierPixels shown(mainForm->Control(ControlId::PanelDef));
    ExpectMagnifies(shown, kInPattern, [this](int x, int y) { return pattern.ScreenColorAt(x, y); });
    EXPECT_EQ(Hex(shown.At(66, 34)), Hex(PatternWindow::ColorAt(80, 40))) << "the picked pixel's block";
    EXPECT_EQ(Hex(shown.At(69, 37)), Hex(PatternWindow::ColorAt(80, 40)));
    ExpectFramesDrawn(shown);
    Release(kInPattern, MOUSEEVENTF_LEFTUP);
}

TEST_F(ScreenSampler, MagnifierShowsBlackBeyondTheScreenEdges) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int right = left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int bottom = top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // Patterns in the corners: under Wine, moves injected over the bare desktop reach no captured window.
    const PatternWindow topLeft(RECT{left, top, left + 160, top + 80});
    const PatternWindow bottomRight(RECT{right - 160, bottom - 80, right, bottom});
    for (const auto& [corner, pattern] :
         {std::pair{POINT{left, top}, &topLeft}, std::pair{POINT{right - 1, bottom - 1}, &bottomRight}}) {
        ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(corner) == pattern->ScreenColorAt(corner.x, corner.y); }));
        DragTo(corner);
        const MagnifierPixels shown(mainForm->Control(ControlId::PanelDef));
        ExpectMagnifies(shown, corner, [&](int x, int y) {
            const bool onScreen = x >= left && y >= top && x < right && y < bottom;
            return onScreen ? pattern->ScreenColorAt(x, y) : RGB(0, 0, 0);
        });
        EXPECT_EQ(Hex(mainForm->Color().CurColor), Hex(pattern->ScreenColorAt(corner.x, corner.y)))
            << "the picked pixel lies on the screen";
        ExpectFramesDrawn(shown);
        Release(corner, MOUSEEVENTF_LEFTUP);
    }
}

TEST_F(ScreenSampler, EveryReleaseOverTheTargetCopiesTheTextWhenAutoCopyIsOn) {
    PutTextOnClipboard(nullptr, L"before");
    DragTo(kInPattern);
    Release(kInPattern, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(ClipboardText(), L"before") << "auto-copy is off";

    mainForm->ExecuteCommand(CommandId::Popup1);
    DragTo(kInPattern);
    Release(kInPattern, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(ClipboardText(), L"#507840");

    // Also a release that ends no pick copies, and an empty text line is copied as it is.
    mainForm->ClearColor();
    mainForm->UpdateReadout();
    SendMessageW(mainForm->Control(ControlId::PanelP), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(ClipboardText(), L"");
}

TEST_F(ScreenSampler, AMiddlePressPicksWithoutCapturingTheMouse) {
    Press(Target(), MOUSEEVENTF_MIDDLEDOWN);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(mainForm->Color().CurColor, 0);

    // A move the target took before the pointer left may be handled after it, and samples where the
    // pointer is by then; only the moves that follow are checked, once 100 ms have passed without one.
    MoveTo(kInPattern);
    mainForm->ClearColor();
    for (int quiet = 0, tries = 0; quiet < 5 && tries < 100; ++tries) {
        Sleep(20);
        Pump();
        quiet = mainForm->Color().HasColor ? 0 : quiet + 1;
        mainForm->ClearColor();
    }
    const POINT nextPixel{kInPattern.x + 3, kInPattern.y + 1};
    MoveTo(nextPixel);
    Release(nextPixel, MOUSEEVENTF_MIDDLEUP);
    EXPECT_FALSE(mainForm->Color().HasColor) << "moves over another window do not reach the target";
    EXPECT_TRUE(IsPicking()) << "a release elsewhere does not end picking";

    mainForm->ClearColor();
    MoveTo(Target());
    EXPECT_TRUE(PumpUntil([this] { return mainForm->Color().HasColor; })) << "a move over the target samples";
    SendMouseAt(Target(), MOUSEEVENTF_MIDDLEDOWN);
    Release(Target(), MOUSEEVENTF_MIDDLEUP);
    EXPECT_FALSE(IsPicking()) << "a release over the target ends picking";
}

TEST_F(ScreenSampler, ARightClickOnTheTargetPicksOnceAndOpensTheMenu) {
    mainForm->ExecuteCommand(CommandId::Popup1);
    PutTextOnClipboard(nullptr, L"before");
    EXPECT_EQ(MenuOnRightClick(mainForm->Control(ControlId::PanelP)), mainForm->PopupMenu1());
    EXPECT_TRUE(mainForm->Color().HasColor);
    EXPECT_EQ(mainForm->Color().CurColor, 0);
    EXPECT_FALSE(IsPicking());
    EXPECT_EQ(ClipboardText(), L"#000000");
}

TEST_F(ScreenSampler, ADoubleClickOnTheTargetCountsAsAPress) {
    MoveTo(Target());
    for (const DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN}) {
        SendMouseAt(Target(), button);
    }
    ASSERT_TRUE(PumpUntil([] { return GetAsyncKeyState(VK_LBUTTON) < 0 && IsPicking(); }));
    Pump();
    EXPECT_EQ(GetCapture(), mainForm->Control(ControlId::PanelP));
    MoveTo(kInPattern);
    EXPECT_TRUE(PumpUntil([this] { return mainForm->Color().CurColor == ColorRef(PatternWindow::ColorAt(80, 40)); }));
    Release(kInPattern, MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(IsPicking());
}

TEST_F(ScreenSampler, ArrowKeysMoveThePointerByPixelsWhilePicking) {
    SetFocus(mainForm->Control(ControlId::ComboF));
    DragTo(kInPattern);
    const struct {
        WORD Key;
        bool Shift;
        POINT To;
    } steps[] = {
        {VK_RIGHT, false, {kInPattern.x + 1, kInPattern.y}},
        {VK_DOWN, true, {kInPattern.x + 1, kInPattern.y + 10}},
        {VK_LEFT, true, {kInPattern.x - 9, kInPattern.y + 10}},
        {VK_UP, false, {kInPattern.x - 9, kInPattern.y + 9}},
    };
    for (const auto& step : steps) {
        SendKey(step.Key, step.Shift);
        const COLORREF expected = pattern.ScreenColorAt(step.To.x, step.To.y);
        EXPECT_TRUE(PumpUntil([&] { return PointerIsAt(step.To) && mainForm->Color().CurColor == ColorRef(expected); }))
            << "key " << step.Key << (step.Shift ? " with Shift" : "") << ": expected the pointer at " << step.To.x
            << ", " << step.To.y << " picking " << Hex(expected) << ", picked " << Hex(mainForm->Color().CurColor);
    }
    EXPECT_EQ(SendMessageW(mainForm->Control(ControlId::ComboF), CB_GETCURSEL, 0, 0), 0)
        << "the template list saw no arrow key";
    EXPECT_EQ(GetFocus(), mainForm->Control(ControlId::ComboF));

    Release(steps[3].To, MOUSEEVENTF_LEFTUP);
    SendKey(VK_DOWN);
    EXPECT_TRUE(PumpUntil([this] {
        return SendMessageW(mainForm->Control(ControlId::ComboF), CB_GETCURSEL, 0, 0) == 1;
    })) << "after picking the keys reach the template list again";
    EXPECT_TRUE(PointerIsAt(steps[3].To));
}

TEST(PhysicalPixelScope, MakesAnUnawareThreadPerMonitorAwareAndRestoresItOnLeaving) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using GetContext = HANDLE(WINAPI*)();
    using SetContext = HANDLE(WINAPI*)(HANDLE);
    using GetAwareness = int(WINAPI*)(HANDLE);
    const auto getContext =
        reinterpret_cast<GetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    const auto setContext =
        reinterpret_cast<SetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    const auto getAwareness = reinterpret_cast<GetAwareness>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    if (getContext == nullptr || setContext == nullptr || getAwareness == nullptr) {
        GTEST_SKIP() << "no per-thread DPI awareness on this system";
    }
    constexpr int kUnaware = 0;
    constexpr int kPerMonitorAware = 2;
    const auto unawareContext = reinterpret_cast<HANDLE>(-1);

    // Under Wine a thread starts per-monitor aware already: start unaware, so that the scope has
    // something to change. The thread's own context comes back at the end for the tests after this one.
    const struct ContextRestorer {
        SetContext set;
        HANDLE original;
        ~ContextRestorer() { set(original); }
    } restorer{setContext, setContext(unawareContext)};
    ASSERT_NE(restorer.original, nullptr);
    ASSERT_EQ(getAwareness(getContext()), kUnaware);
    {
        const PhysicalPixelScope outer;
        EXPECT_EQ(getAwareness(getContext()), kPerMonitorAware);
        {
            const PhysicalPixelScope inner;
            EXPECT_EQ(getAwareness(getContext()), kPerMonitorAware);
        }
        EXPECT_EQ(getAwareness(getContext()), kPerMonitorAware) << "an inner scope restores the outer one's";
    }
    EXPECT_EQ(getAwareness(getContext()), kUnaware);
}

}  // namespace
}  // namespace tintrel::testing_win
