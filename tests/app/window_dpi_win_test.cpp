// The windows at the DPI the test prefix runs at (TINTREL_TEST_DPI, 96 when unset), beside the main
// window's layout: the dialogs' sizes, text that fits its control, the palette's tabs and cells, the
// magnifier's squares and the exact pick, and the window height kept in design units.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "palette/pallet_geometry.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/app/pattern_window_win.h"
#include "tests/persist/test_support.h"
#include "ui/dpi_win.h"

namespace tintrel::testing_win {

namespace {

using WindowDpi = MainFormTest;

// The width and height of `text` in the font `control` uses.
SIZE TextExtent(HWND control, const std::wstring& text) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent;
}

// Fails, naming the control, when `text` in the control's font does not fit inside `room`.
void ExpectFits(HWND control, const std::wstring& text, SIZE room, const char* name) {
    const SIZE extent = TextExtent(control, text);
    EXPECT_TRUE(extent.cx <= room.cx && extent.cy <= room.cy)
        << name << ": \"" << std::string(text.begin(), text.end()) << "\" needs " << extent.cx << "x" << extent.cy
        << ", has " << room.cx << "x" << room.cy;
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// The room for text in a one-line edit box: its client area less the margins it keeps.
SIZE EditRoom(HWND edit) {
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    const SIZE client = ClientSize(edit);
    return SIZE{client.cx - LOWORD(margins) - HIWORD(margins), client.cy};
}

TEST_F(WindowDpi, EveryTextFitsItsControl) {
    // The widest texts the fields show: a web colour, three digits, a percentage to one decimal.
    ExpectFits(mainForm->Control(ControlId::EditF), L"#FFFFFF", EditRoom(mainForm->Control(ControlId::EditF)), "EditF");
    for (const ControlId id : {ControlId::EditR, ControlId::EditK}) {
        ExpectFits(mainForm->Control(id), L"100.0", EditRoom(mainForm->Control(id)), "component field");
    }
    const HWND combo = mainForm->Control(ControlId::ComboF);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    GetComboBoxInfo(combo, &parts);
    ExpectFits(combo, L"#\\RR\\GG\\BB",
               SIZE{parts.rcItem.right - parts.rcItem.left, parts.rcItem.bottom - parts.rcItem.top}, "ComboF");

    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    EXPECT_EQ(TabCtrl_GetRowCount(tabs), 1) << "the four default pages on one row";
    for (int page = 0; page < TabCtrl_GetItemCount(tabs); ++page) {
        wchar_t caption[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, page, reinterpret_cast<LPARAM>(&item));
        RECT bounds;
        TabCtrl_GetItemRect(tabs, page, &bounds);
        ExpectFits(tabs, caption, SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top}, "tab");
    }
}

// Runs `check` while the dialog that `open` shows modally is on the screen, then cancels it.
void WhileShown(HWND dialog, HWND cancel, const std::function<void()>& check, const std::function<void()>& open) {
    bool checked = false;
    std::function<void()> waitForDialog = [&] {
        if (!IsWindowVisible(dialog)) {
            CallSoon(waitForDialog);
            return;
        }
        check();
        checked = true;
        SendMessageW(cancel, BM_CLICK, 0, 0);
    };
    CallSoon(waitForDialog);
    open();
    EXPECT_TRUE(checked);
}

TEST_F(WindowDpi, DialogsAreSizedAndFilledForTheDpi) {
    const DpiScale dpi = RequestedDpi();
    const std::wstring cancel = L"\x30AD\x30E3\x30F3\x30BB\x30EB";  // キャンセル
    WhileShown(
        formatEditor->Handle(), formatEditor->Button2(),
        [&] {
            const SIZE client = ClientSize(formatEditor->Handle());
            EXPECT_EQ(client.cx, dpi(317));
            EXPECT_EQ(client.cy, dpi(268));
            ExpectFits(formatEditor->Button2(), cancel, ClientSize(formatEditor->Button2()), "Cancel");
            ExpectFits(formatEditor->MFormat(), L"#\\RR\\GG\\BB", ClientSize(formatEditor->MFormat()), "MFormat");
        },
        [&] { mainForm->ExecuteCommand(CommandId::NFormat); });
    WhileShown(
        palletDialog->Handle(), palletDialog->Button2(),
        [&] {
            const SIZE client = ClientSize(palletDialog->Handle());
            EXPECT_EQ(client.cx, dpi(203));
            EXPECT_EQ(client.cy, dpi(223));
            ExpectFits(palletDialog->Button2(), cancel, ClientSize(palletDialog->Button2()), "Cancel");
            ExpectFits(palletDialog->Xcol(), L"16", EditRoom(palletDialog->Xcol()), "Xcol");
            // The longest label, drawn 10 design units from the left in the form's font, which the
            // column field shares: タブの設定(改行で1タブ分、8行まで)
            ExpectFits(palletDialog->Xcol(),
                       L"\x30BF\x30D6\x306E\x8A2D\x5B9A(\x6539\x884C\x3067"
                       L"1\x30BF\x30D6\x5206\x3001"
                       L"8\x884C\x307E\x3067)",
                       SIZE{client.cx - dpi(10), client.cy}, "label");
        },
        [&] { mainForm->ExecuteCommand(CommandId::NPalDlg); });
}

TEST_F(WindowDpi, PaletteCellsAndTheirSpareSquaresScale) {
    test_support::WriteBytes(directory / "Tintrel.plt", "[Pallet]\r\nxCount=4\r\nyCount=4\r\n[Tab1]\r\nC_0_0=255\r\n");
    RestartProgram();
    const DpiScale dpi = RequestedDpi();
    const HWND cells = mainForm->Control(ControlId::PaintPallet);
    const SIZE area = ClientSize(cells);
    const PalletRect cell = CellRect(0, 0, 4, 4, area.cx, area.cy);
    const int middle = (cell.Top + cell.Bottom) / 2;
    EXPECT_EQ(Hex(PixelOf(cells, (cell.Left + cell.Right) / 2, middle)), Hex(0x0000FF)) << "the current colour";
    EXPECT_EQ(Hex(PixelOf(cells, cell.Left + dpi(1) - 1, middle)), Hex(GetSysColor(COLOR_BTNHIGHLIGHT)))
        << "the frame, one design unit wide";
    EXPECT_EQ(Hex(PixelOf(cells, cell.Left + dpi(1), middle)), Hex(0x0000FF));
    const int spareRight = cell.Right + dpi(2);
    EXPECT_EQ(Hex(PixelOf(cells, spareRight - 1, middle)), Hex(GetSysColor(COLOR_BTNSHADOW)))
        << "the spare square, two design units lower right";
    EXPECT_EQ(Hex(PixelOf(cells, spareRight, middle)), Hex(GetSysColor(COLOR_BTNFACE)));
}

TEST_F(WindowDpi, TheMagnifierShowsEachScreenPixelAsASharpSquareAndPicksItExactly) {
    // Every pixel of the pattern differs from its neighbours, so that a square of the wrong size shows.
    const PatternWindow pattern;
    const POINT pointer{PatternWindow::kBounds.left + 100, PatternWindow::kBounds.top + 50};
    // The screen shows a new window a moment after it has painted.
    ASSERT_TRUE(PumpUntil([&] {
        return ScreenPixel({pointer.x + 1, pointer.y + 2}) == PatternWindow::ColorAt(101, 52);
    }));
    SetCursorPos(pointer.x, pointer.y);
    ASSERT_TRUE(PumpUntil([&] {
        POINT at{};
        return GetCursorPos(&at) != FALSE && at.x == pointer.x && at.y == pointer.y;
    })) << "the pointer reaches the stripes";
    mainForm->SampleScreen();
    EXPECT_EQ(Hex(static_cast<COLORREF>(mainForm->Color().CurColor)), Hex(PatternWindow::ColorAt(100, 50)));

    // Four design units a screen pixel at the default factor, the picked pixel's square centred where it
    // is at 96 DPI, two units right of and below the bitmap's centre pixel.
    const DpiScale dpi = RequestedDpi();
    const int block = dpi(4);
    const RECT box = mainForm->PaintBox1();
    const int blockLeft = box.left + dpi(68) - block / 2;
    const int blockTop = box.top + dpi(36) - block / 2;
    const HWND panel = mainForm->Control(ControlId::PanelDef);
    const HDC dc = GetDC(panel);
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            const COLORREF expected = PatternWindow::ColorAt(100 + dx, 50 + dy);
            int wrong = 0;
            // The picked pixel's square is framed: its frame lies on the neighbours' squares.
            const int inset = (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1 && (dx != 0 || dy != 0)) ? dpi(1) : 0;
            for (int y = inset; y < block - inset; ++y) {
                for (int x = inset; x < block - inset; ++x) {
                    wrong += GetPixel(dc, blockLeft + dx * block + x, blockTop + dy * block + y) != expected ? 1 : 0;
                }
            }
            EXPECT_EQ(wrong, 0) << "square of screen pixel (" << dx << ", " << dy << ") should be " << Hex(expected);
        }
    }
    ReleaseDC(panel, dc);
}

TEST_F(WindowDpi, TheStoredHeightIsInDesignUnits) {
    test_support::WriteBytes(SettingsFile(), "[Window]\r\nHeight=300\r\n");
    RestartProgram();
    const DpiScale dpi = RequestedDpi();
    RECT client;
    GetClientRect(mainForm->Handle(), &client);
    EXPECT_EQ(client.bottom, dpi(300));
    RECT outer;
    GetWindowRect(mainForm->Handle(), &outer);
    SetWindowPos(mainForm->Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + dpi(20),
                 SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(CloseProgram());
    const std::string text = test_support::ReadBytes(SettingsFile());
    EXPECT_NE(text.find("Height=320\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace tintrel::testing_win
