// The palette in the main window as a user works it: a colour dragged from the swatch onto a cell, a
// swap, a pick, and what the palette file keeps of it.
#include <windows.h>

#include <string>

#include "palette/pallet_geometry.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"
#include "ui/window_text_win.h"

namespace tintrel::testing_win {
namespace {

using PalletUse = MainFormTest;

// The middle of cell (column, row) of a 4 by 4 page, on the screen.
POINT CellOnScreen(HWND view, int column, int row) {
    RECT client;
    GetClientRect(view, &client);
    const PalletRect cell = CellRect(column, row, 4, 4, client.right, client.bottom);
    POINT middle{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    ClientToScreen(view, &middle);
    return middle;
}

TEST_F(PalletUse, ADroppedColourIsSwappedPickedAndKeptInThePaletteFile) {
    const HWND view = mainForm->Control(ControlId::PaintPallet);
    const POINT cell = CellOnScreen(view, 1, 0);
    POINT inView = cell;
    ScreenToClient(view, &inView);
    mainForm->SetColor(0x003C2B1A);

    // The drag runs its own loop from the press on: the rest of the gesture comes from there.
    CallSoon(
        [cell] {
            SendMouseAt(cell);
            CallSoon([cell] { SendMouseAt(cell, MOUSEEVENTF_LEFTUP); }, 60);
        },
        60);
    SendMouseAt(CenterOf(mainForm->Control(ControlId::PanelD)), MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(PumpUntil([&] { return PixelOf(view, inView.x, inView.y) == 0x003C2B1Au; }))
        << "the dropped colour shows in the cell";

    SendMouseAt(cell, MOUSEEVENTF_RIGHTDOWN);
    SendMouseAt(cell, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(PumpUntil([&] { return PixelOf(view, inView.x, inView.y) == 0u; })) << "swapped with its black spare";
    EXPECT_TRUE(boxes.empty()) << "no menu or box over the cells";

    mainForm->ExecuteCommand(CommandId::Popup1);
    SendMouseAt(cell, MOUSEEVENTF_LEFTDOWN);
    SendMouseAt(cell, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([this] { return mainForm->Color().CurColor == 0; })) << "the pick makes black current";
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#000000");
    EXPECT_EQ(ClipboardText(), L"#000000") << "copied with auto-copy on";

    ASSERT_TRUE(CloseProgram());
    const std::string file = test_support::ReadBytes(directory / "Tintrel.plt");
    EXPECT_NE(file.find("[Tab1]\r\nNAME=\x90\x46\x31\r\nC_1_0=0\r\n"), std::string::npos)
        << "black over a coloured spare is written; cells black in both are not: " << test_support::Escaped(file);
}

}  // namespace
}  // namespace tintrel::testing_win
