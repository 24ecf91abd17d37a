// The palette settings dialog: its layout and painted texts, when OK may be pressed, and its modal run.
#include "palette/pallet_settings_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "palette/pallet_captions.h"
#include "ui/fonts_win.h"
#include "ui/window_text_win.h"

namespace tintrel {
namespace {

using Names = std::vector<std::string>;

using Step = std::function<void()>;

std::vector<Step>& PendingSteps() {
    static std::vector<Step> steps;
    return steps;
}

// Runs `steps` from the dialog's modal loop, one at each tick of a short timer; returns the timer.
UINT_PTR RunSoon(std::vector<Step> steps) {
    PendingSteps() = std::move(steps);
    return SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) {
        auto& pending = PendingSteps();
        if (!pending.empty()) {
            const Step step = std::move(pending.front());
            pending.erase(pending.begin());
            step();
        }
    });
}

// Replaces a field's text as typing does, so that the field reports the change.
void Type(HWND field, const std::wstring& text) {
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void PostKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1 | (MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16));
}

std::wstring Visible(const std::wstring& text) {
    std::wstring shown;
    for (const wchar_t c : text) {
        shown += c == L'\r' ? L"\\r" : c == L'\n' ? L"\\n" : std::wstring(1, c);
    }
    return L"\"" + shown + L"\"";
}

RECT BoundsInParent(HWND control) {
    RECT bounds;
    GetWindowRect(control, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

class PalletSettings : public testing::Test {
protected:
    void SetUp() override { dialog.Create(); }

    bool OkEnabled() const { return IsWindowEnabled(dialog.Button1()) != FALSE; }

    // Opens the dialog modally; `steps` run from within its loop, and the last should end it.
    int Open(std::vector<Step> steps) {
        const UINT_PTR stepper = RunSoon(std::move(steps));
        // A step that fails to end the run must not hang the test.
        static HWND running;
        static bool rescued;
        running = dialog.Handle();
        rescued = false;
        const UINT_PTR guard = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) {
            rescued = true;
            PostMessageW(running, WM_CLOSE, 0, 0);
        });
        const int result = dialog.ShowModal(nullptr);
        KillTimer(nullptr, guard);
        KillTimer(nullptr, stepper);
        PendingSteps().clear();
        EXPECT_FALSE(rescued) << "the dialog did not end by itself";
        return result;
    }

    TFPallet dialog;
};

TEST_F(PalletSettings, OkIsEnabledExactlyWhileTheFieldsHoldWhatThePaletteFileGivesBack) {
    const std::wstring four = L"a\r\nb\r\nc\r\nd\r\n";
    const std::wstring eight = L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n";
    const std::wstring tenColours(10, L'\u8272');  // 色, two bytes in code page 932
    const struct {
        std::wstring columns;
        std::wstring rows;
        std::wstring names;
        bool ok;
    } cases[] = {
        {L"4", L"4", four, true},
        {L"0", L"4", four, false},
        {L"17", L"4", four, false},
        {L"1", L"4", four, true},
        {L"16", L"4", four, true},
        {L"$10", L"4", four, true},
        {L"0x10", L"4", four, true},
        {L" 8", L"4", four, true},
        {L"8 ", L"4", four, false},
        {L"-$10", L"4", four, false},
        {L"\u00B9", L"4", four, false},  // superscript one, which only a look-alike digit could stand for
        {L"4", L"0", four, false},
        {L"4", L"17", four, false},
        {L"4", L"4", eight, true},
        {L"4", L"4", eight + L"9", false},
        {L"4", L"4", std::wstring(20, L'n'), true},
        {L"4", L"4", std::wstring(21, L'n'), false},
        {L"4", L"4", tenColours, true},
        {L"4", L"4", tenColours + L"n", false},
        {L"4", L"4", L"a\r\n\r\nb\r\n", false},
        {L"4", L"4", L"a", true},
        {L"4", L"4", L"a\r\n", true},
        {L"4", L"4", L"a\r\n\r\n", false},
        {L"4", L"4", L"", false},
        {L"4", L"4", L"caf\u00E9", false},
        {L"4", L"4", L"\U0001F3A8", false},
        {L"4", L"4", L"1\u301C2", false},  // a wave dash, which the file would give back as a full-width tilde
        {L"4", L"4", L"1\uFF5E2", true},
        {L"4", L"4", L" a", true},
        {L"4", L"4", L"\"a\"", true},
    };
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);  // the balloon shows beside a visible dialog only
    for (const auto& [columns, rows, names, ok] : cases) {
        Type(dialog.Xcol(), columns);
        Type(dialog.Ycol(), rows);
        Type(dialog.Mtab(), names);
        EXPECT_EQ(OkEnabled(), ok) << "Xcol " << Visible(columns) << ", Ycol " << Visible(rows) << ", Mtab "
                                   << Visible(names);
        EXPECT_EQ(IsWindowVisible(dialog.Balloon()) != FALSE, !ok)
            << "the reason shows while OK is disabled; Xcol " << Visible(columns) << ", Ycol " << Visible(rows)
            << ", Mtab " << Visible(names);
    }
    ShowWindow(dialog.Handle(), SW_HIDE);
}

TEST_F(PalletSettings, IsLaidOutAsDesignedInTabOrder) {
    RECT client;
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, 203);
    EXPECT_EQ(client.bottom, 223);
    EXPECT_EQ(GetWindowLongPtrW(dialog.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
    EXPECT_EQ(WindowText(dialog.Handle()), WidenCp932(kPalletSettingsCaption));

    const struct {
        HWND control;
        RECT bounds;
        HFONT font;
    } controls[] = {
        {dialog.Mtab(), {8, 24, 193, 137}, FixedFont(DpiScale())},
        {dialog.Xcol(), {28, 164, 61, 184}, FormFont(DpiScale())},
        {dialog.Ycol(), {104, 164, 137, 184}, FormFont(DpiScale())},
        {dialog.Button1(), {23, 192, 98, 217}, FormFont(DpiScale())},
        {dialog.Button2(), {105, 192, 180, 217}, FormFont(DpiScale())},
    };
    for (std::size_t index = 0; index < std::size(controls); ++index) {
        const auto& [control, bounds, font] = controls[index];
        const RECT actual = BoundsInParent(control);
        EXPECT_TRUE(EqualRect(&actual, &bounds)) << "control " << index << " at " << actual.left << "," << actual.top
                                                 << " to " << actual.right << "," << actual.bottom;
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), font) << "control " << index;
        const HWND next = controls[(index + 1) % std::size(controls)].control;
        EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), control, FALSE), next) << "after control " << index;
    }

    const auto memoStyle = GetWindowLongPtrW(dialog.Mtab(), GWL_STYLE);
    EXPECT_EQ(memoStyle & (ES_MULTILINE | ES_AUTOHSCROLL | ES_WANTRETURN),
              ES_MULTILINE | ES_AUTOHSCROLL | ES_WANTRETURN)
        << "no word wrap, and Enter starts a line";
    EXPECT_EQ(GetWindowLongPtrW(dialog.Button1(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
    EXPECT_EQ(WindowText(dialog.Button1()), L"OK");
    EXPECT_EQ(WindowText(dialog.Button2()), L"\u30AD\u30E3\u30F3\u30BB\u30EB");  // キャンセル
}

TEST_F(PalletSettings, PaintsItsFiveTextsDarkOnTheBareFace) {
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(dialog.Handle());
    const HDC window = GetDC(dialog.Handle());
    const struct {
        int left;
        int top;
        std::wstring text;
    } texts[] = {
        {10, 6, L"\u30BF\u30D6\u306E\u8A2D\u5B9A(\u6539\u884C\u30671\u30BF\u30D6\u5206\u30018\u884C\u307E\u3067)"},
        {10, 148, L"1\u30DA\u30FC\u30B8\u306E\u30D1\u30EC\u30C3\u30C8\u6570(1\uFF5E16)"},
        {10, 168, L"\u6A2A"},
        {68, 168, L"\u00D7"},
        {86, 168, L"\u7E26"},
    };
    const HGDIOBJ previousFont = SelectObject(window, FormFont(DpiScale()));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto brightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    for (const auto& [left, top, text] : texts) {
        SIZE extent;
        GetTextExtentPoint32W(window, text.c_str(), static_cast<int>(text.size()), &extent);
        int dark = 0;
        int brighterThanFace = 0;
        for (int y = top; y < top + extent.cy; ++y) {
            for (int x = left; x < left + extent.cx; ++x) {
                const COLORREF pixel = GetPixel(window, x, y);
                dark += brightness(pixel) < 3 * 96 ? 1 : 0;
                brighterThanFace += brightness(pixel) > brightness(face) ? 1 : 0;
            }
        }
        EXPECT_GT(dark, 0) << "text at " << left << "," << top;
        EXPECT_EQ(brighterThanFace, 0) << "text at " << left << "," << top << " on an opaque background";
    }
    SelectObject(window, previousFont);
    ReleaseDC(dialog.Handle(), window);
    ShowWindow(dialog.Handle(), SW_HIDE);
}

TEST_F(PalletSettings, OpensFilledAndCheckedAndOkGivesTheValuesOnScreen) {
    // ⅰ: the file may give it as EE EF, which Unicode would bring back as FA 40.
    dialog.SetValues({"\xEE\xEF", "p2"}, 5, 6);
    bool focusOnMtab = false;
    bool okAtOpen = false;
    std::wstring shown;
    EXPECT_EQ(Open({[&] {
                  focusOnMtab = GetFocus() == dialog.Mtab();
                  okAtOpen = OkEnabled();
                  shown =
                      WindowText(dialog.Mtab()) + L"|" + WindowText(dialog.Xcol()) + L"|" + WindowText(dialog.Ycol());
                  SendMessageW(dialog.Button1(), BM_CLICK, 0, 0);
              }}),
              kModalResultOk);
    EXPECT_TRUE(focusOnMtab);
    EXPECT_TRUE(okAtOpen);
    EXPECT_EQ(shown, L"\u2170\r\np2\r\n|5|6");
    EXPECT_EQ(dialog.PageNames(), (Names{"\xEE\xEF", "p2"})) << "untouched names keep their bytes";
    EXPECT_EQ(dialog.Columns(), 5);
    EXPECT_EQ(dialog.Rows(), 6);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));

    EXPECT_EQ(Open({[&] {
                  Type(dialog.Mtab(), L"one\r\n\u8272\r\nthree");
                  Type(dialog.Xcol(), L"0x10");
                  Type(dialog.Ycol(), L" 2");
                  SendMessageW(dialog.Button1(), BM_CLICK, 0, 0);
              }}),
              kModalResultOk);
    EXPECT_EQ(dialog.PageNames(), (Names{"one", "\x90\x46", "three"}));
    EXPECT_EQ(dialog.Columns(), 16);
    EXPECT_EQ(dialog.Rows(), 2);
}

TEST_F(PalletSettings, CancelEscAndTheCloseBoxEndWithCancelAndEveryOpeningShowsAndChecksTheValuesAgain) {
    const struct {
        const char* way;
        std::function<void(TFPallet&)> cancel;
    } ways[] = {
        {"Cancel", [](TFPallet& d) { SendMessageW(d.Button2(), BM_CLICK, 0, 0); }},
        {"Esc", [](TFPallet& d) { PostKey(d.Mtab(), VK_ESCAPE); }},
        {"close box", [](TFPallet& d) { PostMessageW(d.Handle(), WM_CLOSE, 0, 0); }},
    };
    dialog.SetValues({"a", "b"}, 17, 4);
    for (const auto& [way, cancel] : ways) {
        std::wstring shown;
        bool okAtOpen = true;
        EXPECT_EQ(Open({[&] {
                      shown = WindowText(dialog.Mtab()) + L"|" + WindowText(dialog.Xcol());
                      okAtOpen = OkEnabled();
                      Type(dialog.Mtab(), L"typed");
                      Type(dialog.Xcol(), L"9");
                      EXPECT_TRUE(OkEnabled()) << way;
                      cancel(dialog);
                  }}),
                  kModalResultCancel)
            << way;
        EXPECT_EQ(shown, L"a\r\nb\r\n|17") << way;
        EXPECT_FALSE(okAtOpen) << way;
    }
}

TEST_F(PalletSettings, EnterStartsALineInTheTextBoxAndConfirmsNothingAnywhere) {
    dialog.SetValues({"a"}, 4, 4);
    bool openAfterEnterInXcol = false;
    std::wstring afterEnterInMtab;
    bool okAfterEnterInMtab = true;
    EXPECT_EQ(Open({
                  [&] {
                      SetFocus(dialog.Xcol());
                      PostKey(dialog.Xcol(), VK_RETURN);
                  },
                  [&] {
                      openAfterEnterInXcol = IsWindowVisible(dialog.Handle()) != FALSE;
                      SetFocus(dialog.Mtab());
                      SendMessageW(dialog.Mtab(), EM_SETSEL, 1, 1);
                      PostKey(dialog.Mtab(), VK_RETURN);
                  },
                  [&] {
                      afterEnterInMtab = WindowText(dialog.Mtab());
                      okAfterEnterInMtab = OkEnabled();
                      // A click that reaches the disabled button confirms nothing either.
                      SendMessageW(dialog.Button1(), BM_CLICK, 0, 0);
                  },
                  [&] { SendMessageW(dialog.Button2(), BM_CLICK, 0, 0); },
              }),
              kModalResultCancel);
    EXPECT_TRUE(openAfterEnterInXcol);
    EXPECT_EQ(afterEnterInMtab, L"a\r\n\r\n");
    EXPECT_FALSE(okAfterEnterInMtab) << "an empty second line";
}

}  // namespace
}  // namespace tintrel
