// The main window as the user first sees it: frame, size, controls, fonts, colours and tab order, at the
// DPI the test runs at.
#include <windows.h>

#include <array>
#include <fstream>

#include "tests/app/main_form_fixture_win.h"
#include "ui/window_text_win.h"

namespace tintrel::testing_win {
namespace {

using MainWindowLayout = MainFormTest;

struct Placement {
    const char* Name;
    ControlId Control;
    RECT Bounds;  // left, top, right, bottom in the parent's client area
};

TEST_F(MainWindowLayout, PlacesEveryControlAsDesigned) {
    const std::array<Placement, 14> placements{{
        {"PanelDef", ControlId::PanelDef, {0, 0, 192, 170}},
        {"PanelP", ControlId::PanelP, {144, 14, 189, 59}},
        {"ComboF", ControlId::ComboF, {4, 76, 189, 96}},
        {"EditF", ControlId::EditF, {4, 100, 141, 120}},
        {"PanelD", ControlId::PanelD, {152, 106, 184, 138}},
        {"EditR", ControlId::EditR, {4, 124, 45, 144}},
        {"EditG", ControlId::EditG, {52, 124, 93, 144}},
        {"EditB", ControlId::EditB, {100, 124, 141, 144}},
        {"EditC", ControlId::EditC, {4, 148, 45, 168}},
        {"EditM", ControlId::EditM, {52, 148, 93, 168}},
        {"EditY", ControlId::EditY, {100, 148, 141, 168}},
        {"EditK", ControlId::EditK, {148, 148, 189, 168}},
        {"PalletPanel", ControlId::PalletPanel, {0, 170, 192, 270}},
        {"PalletTab", ControlId::PalletTab, {0, 0, 192, 100}},
    }};
    const DpiScale dpi = RequestedDpi();
    for (const Placement& placement : placements) {
        const RECT actual = BoundsInParent(mainForm->Control(placement.Control));
        const RECT expected = dpi(placement.Bounds);
        EXPECT_EQ(actual.left, expected.left) << placement.Name;
        EXPECT_EQ(actual.top, expected.top) << placement.Name;
        EXPECT_EQ(actual.right, expected.right) << placement.Name;
        EXPECT_EQ(actual.bottom, expected.bottom) << placement.Name;
    }
}

TEST_F(MainWindowLayout, IsA200PixelToolWindowWithThePaletteDockedAtFirstStart) {
    RECT outer;
    RECT client;
    GetWindowRect(mainForm->Handle(), &outer);
    GetClientRect(mainForm->Handle(), &client);
    const DpiScale dpi = RequestedDpi();
    if (dpi.Dpi() == kDesignDpi) {
        EXPECT_EQ(outer.right - outer.left, 200);
    }
    EXPECT_EQ(client.right, dpi(192));
    EXPECT_EQ(client.bottom, dpi(270));
    EXPECT_EQ(outer.left, 200);
    EXPECT_EQ(outer.top, 200);
    EXPECT_EQ(WindowText(mainForm->Handle()), L"Tintrel");

    const auto style = static_cast<DWORD>(GetWindowLongPtrW(mainForm->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(MainWindowLayout, SizingKeepsTheWidthAndNeverGoesBelowCollapsed) {
    MINMAXINFO limits{};
    SendMessageW(mainForm->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    RECT outer;
    GetWindowRect(mainForm->Handle(), &outer);
    const int width = outer.right - outer.left;
    EXPECT_EQ(limits.ptMinTrackSize.x, width);
    EXPECT_EQ(limits.ptMaxTrackSize.x, width);
    RECT client;
    GetClientRect(mainForm->Handle(), &client);
    const DpiScale dpi = RequestedDpi();
    EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top - (client.bottom - dpi(170))) << "the collapsed height";

    SetWindowPos(mainForm->Handle(), nullptr, 0, 0, 320, 100, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(mainForm->Handle(), &outer);
    GetClientRect(mainForm->Handle(), &client);
    EXPECT_EQ(client.right, dpi(192));
    EXPECT_EQ(outer.bottom - outer.top, dpi(270)) << "no lower than 270 design units while the palette is docked";
}

TEST_F(MainWindowLayout, StaysOnTopWithoutSettings) {
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(mainForm->Handle(), GWL_EXSTYLE));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
}

TEST_F(MainWindowLayout, StoredStayOnTopOfZeroGivesANormalWindow) {
    std::ofstream(SettingsFile(), std::ios::binary) << "[System]\r\nStayOnTop=0\r\n";
    RestartProgram();
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(mainForm->Handle(), GWL_EXSTYLE));
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
}

TEST_F(MainWindowLayout, StoredStayOnTopThatIsNoNumberKeepsTheDefault) {
    std::ofstream(SettingsFile(), std::ios::binary) << "[System]\r\nStayOnTop=false\r\n";
    RestartProgram();
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(mainForm->Handle(), GWL_EXSTYLE));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

TEST_F(MainWindowLayout, TextFieldsUseTheFixedPitchGothicAndTheRestThePropotionalOne) {
    const std::wstring fixed = WidenCp932(
        "\x82l\x82r \x83S\x83V\x83"
        "b\x83N");  // ＭＳ ゴシック
    const std::wstring proportional = WidenCp932(
        "\x82l\x82r \x82o\x83S\x83V\x83"
        "b\x83N");  // ＭＳ Ｐゴシック
    for (HWND edit :
         {mainForm->Control(ControlId::EditF), mainForm->Control(ControlId::EditR), mainForm->Control(ControlId::EditG),
          mainForm->Control(ControlId::EditB), mainForm->Control(ControlId::EditC), mainForm->Control(ControlId::EditM),
          mainForm->Control(ControlId::EditY), mainForm->Control(ControlId::EditK)}) {
        const LOGFONTW font = FontOf(edit);
        EXPECT_EQ(std::wstring(font.lfFaceName), fixed);
        EXPECT_EQ(font.lfHeight, -RequestedDpi()(12));
        EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    }
    for (HWND control : {mainForm->Control(ControlId::ComboF), mainForm->Control(ControlId::PalletTab)}) {
        const LOGFONTW font = FontOf(control);
        EXPECT_EQ(std::wstring(font.lfFaceName), proportional);
        EXPECT_EQ(font.lfHeight, -RequestedDpi()(12));
        EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    }
}

TEST_F(MainWindowLayout, ComponentFieldsShowTheirColours) {
    const std::array<std::pair<HWND, COLORREF>, 8> fields{{
        {mainForm->Control(ControlId::EditF), GetSysColor(COLOR_WINDOW)},
        {mainForm->Control(ControlId::EditR), 0x00AAAAFF},
        {mainForm->Control(ControlId::EditG), 0x00AAFFAA},
        {mainForm->Control(ControlId::EditB), 0x00FFAAAA},
        {mainForm->Control(ControlId::EditC), 0x00FFFF88},
        {mainForm->Control(ControlId::EditM), 0x00FF88FF},
        {mainForm->Control(ControlId::EditY), 0x0088FFFF},
        {mainForm->Control(ControlId::EditK), 0x00AAAAAA},
    }};
    for (const auto& [edit, color] : fields) {
        RECT client;
        GetClientRect(edit, &client);
        EXPECT_EQ(PixelOf(edit, client.right - 2, client.bottom / 2), color)
            << "field at x " << BoundsInParent(edit).left;
    }
}

TEST_F(MainWindowLayout, TabOrderStartsAtTheTemplateListWhichHasTheFocus) {
    EXPECT_EQ(GetFocus(), mainForm->Control(ControlId::ComboF));
    // The panels take no focus; Tab goes on into the palette and back to the start.
    const std::array<HWND, 11> order{mainForm->Control(ControlId::ComboF), mainForm->Control(ControlId::EditF),
                                     mainForm->Control(ControlId::EditR),  mainForm->Control(ControlId::EditG),
                                     mainForm->Control(ControlId::EditB),  mainForm->Control(ControlId::EditC),
                                     mainForm->Control(ControlId::EditM),  mainForm->Control(ControlId::EditY),
                                     mainForm->Control(ControlId::EditK),  mainForm->Control(ControlId::PalletTab),
                                     mainForm->Control(ControlId::ComboF)};
    for (std::size_t index = 0; index + 1 < order.size(); ++index) {
        EXPECT_EQ(GetNextDlgTabItem(mainForm->Handle(), order[index], FALSE), order[index + 1])
            << "after stop " << index;
    }
}

TEST_F(MainWindowLayout, MagnifierShowsSilverFramedBeforeTheFirstPick) {
    // Inside the paint box at (4, 4): the outer frame's highlight, then silver, the centre frame at (65, 33)
    // around the centre pixel's square of 4 design units.
    const DpiScale dpi = RequestedDpi();
    const HWND panel = mainForm->Control(ControlId::PanelDef);
    const RECT box = dpi(RECT{4, 4, 136, 72});
    const int line = dpi(1);
    const POINT block{box.left + dpi(68) - dpi(4) / 2, box.top + dpi(36) - dpi(4) / 2};
    EXPECT_EQ(PixelOf(panel, box.left + line - 1, dpi(10)), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelOf(panel, box.right - line, dpi(10)), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelOf(panel, box.left + line, dpi(10)), 0x00C0C0C0u);
    EXPECT_EQ(PixelOf(panel, dpi(20), dpi(20)), 0x00C0C0C0u);
    EXPECT_EQ(PixelOf(panel, block.x - line, block.y), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelOf(panel, block.x - line - 1, block.y), 0x00C0C0C0u) << "a frame one design unit wide";
    EXPECT_EQ(PixelOf(panel, block.x + dpi(4) + line - 1, block.y), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelOf(panel, block.x, block.y), 0x00C0C0C0u);
}

TEST_F(MainWindowLayout, DropperPictureIsDrawnTransparentlyOnThePickTarget) {
    // The picture of the nearest scale (16, 24 or 32 pixels) centred where the 16-pixel one is at 96 DPI;
    // each pixel of the art covers whole pixels of it.
    const DpiScale dpi = RequestedDpi();
    const int size = 16 * PictureScalePercent(dpi.Dpi()) / 100;
    const int origin = dpi(23) - size / 2;
    const auto at = [&](int x, int y) {
        return PixelOf(mainForm->Control(ControlId::PanelP), origin + (x * size + 15) / 16,
                       origin + (y * size + 15) / 16);
    };
    EXPECT_EQ(at(0, 0), GetSysColor(COLOR_BTNFACE));  // silver: the panel shows through
    EXPECT_EQ(at(12, 1), 0x00000000u);                // the black bulb
    EXPECT_EQ(at(0, 14), 0x00808000u);                // the dark cyan drop
    EXPECT_EQ(at(9, 6), 0x00FFFFFFu);                 // a white highlight
}

}  // namespace
}  // namespace tintrel::testing_win
