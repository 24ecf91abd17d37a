// Shows the main window with the colour #1A2B3C current for the README's picture: prints the window's
// outer rectangle on the screen as "left top width height" and keeps it up for a few seconds.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>

#include "app/main_form_win.h"
#include "color/format_editor_win.h"
#include "palette/pallet_settings_win.h"

int main() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES;
    InitCommonControlsEx(&controls);

    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "tintrel-screenshot";
    std::filesystem::create_directories(directory);
    tintrel::TFFormat formatEditor;
    tintrel::TFPallet palletDialog;
    tintrel::TFMain mainForm(directory / "Tintrel.exe", formatEditor, palletDialog);
    mainForm.Create();
    formatEditor.Create();
    palletDialog.Create();
    mainForm.Show();
    mainForm.SetColor(0x003C2B1A);
    mainForm.UpdateReadout();

    RECT bounds;
    GetWindowRect(mainForm.Handle(), &bounds);
    std::printf("%ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    std::fflush(stdout);

    const ULONGLONG end = GetTickCount64() + 4000;
    MSG message;
    while (GetTickCount64() < end && mainForm.Handle() != nullptr) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!mainForm.PreTranslateMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        Sleep(20);
    }
    std::filesystem::remove_all(directory);
    return 0;
}
