#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_form_win.h"
#include "color/format_editor_win.h"
#include "palette/pallet_settings_win.h"
#include "tests/real_input_win.h"
#include "ui/dpi_win.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel::testing_win {

// A message box the program showed, recorded instead of waiting for a user.
struct ShownBox {
    std::wstring Text;
    std::wstring Caption;
    UINT Type;
};

// A fresh main window with its two dialogs, created and shown as the program does, whose files live in
// a directory of its own. Message boxes are recorded in `boxes`.
class MainFormTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the forms as the program does at start.
    void StartProgram();
    // Ends the program without saving and starts it again, for tests that prepare files first.
    void RestartProgram();
    // Dispatches every pending message through the program's own keyboard routing.
    void Pump();
    // Closes the main window as the close box does (which saves); true when it has gone.
    bool CloseProgram();
    // Pumps until `done` holds or `timeout` milliseconds have passed; returns whether it holds.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeout = 10000);
    std::filesystem::path SettingsFile() const;
    std::filesystem::path FormatListFile() const;
    // Chooses a template as the user does: the selection changes and the list notifies its window.
    void ChooseTemplate(int index);

    std::filesystem::path directory;
    std::unique_ptr<TFFormat> formatEditor;
    std::unique_ptr<TFPallet> palletDialog;
    std::unique_ptr<TFMain> mainForm;
    std::vector<ShownBox> boxes;
    int boxAnswer = IDOK;  // the button each recorded box answers with

private:
    MessageBoxHandler previousHandler_;
};

// The DPI of the screen the test runs at, as the test prefix was set up (TINTREL_TEST_DPI, 96 when unset).
DpiScale RequestedDpi();
// The position and size of a control within its parent's client area.
RECT BoundsInParent(HWND control);
// A pixel of a window's client area as the window has painted it. (The screen itself may show it a
// moment later.)
COLORREF PixelOf(HWND window, int x, int y);
// The Unicode text on the clipboard, empty when there is none.
std::wstring ClipboardText();
// The middle of a window in screen coordinates.
POINT CenterOf(HWND window);
// The menu on the screen, if any, closed after it has been seen.
HMENU TakeShownMenu();
// Clicks the secondary button over the middle of `control` with real input and returns the menu that
// appeared, after closing it; nullptr when none appeared.
HMENU MenuOnRightClick(HWND control);
// Calls `action` from the message loop of a modal dialog or menu, `delay` milliseconds from now.
void CallSoon(std::function<void()> action, UINT delay = 30);
// Calls `action` from the message loop of a modal dialog or menu once a menu shows, however long
// the input that opens it takes to arrive; gives up after 10 seconds.
void CallWhenMenuShows(std::function<void()> action);

}  // namespace tintrel::testing_win
