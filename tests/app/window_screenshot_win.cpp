// Shows the main window with the colour #1A2B3C current for the README's picture: prints the window's
// outer rectangle on the screen as "left top width height" and keeps it up for a few seconds.
#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "app/application_win.h"

int main() {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "tintrel-screenshot";
    std::filesystem::create_directories(directory);
    tintrel::ApplicationForms forms(directory / "Tintrel.exe");
    forms.Create();
    forms.MainForm.Show();
    forms.MainForm.SetColor(0x003C2B1A);
    forms.MainForm.UpdateReadout();

    RECT bounds;
    GetWindowRect(forms.MainForm.Handle(), &bounds);
    std::printf("%ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    std::fflush(stdout);

    const ULONGLONG end = GetTickCount64() + 4000;
    while (GetTickCount64() < end && forms.DispatchPending()) {
        Sleep(20);
    }
    std::filesystem::remove_all(directory);
    return 0;
}
