// Tintrel: picks colours off the screen.
#include <windows.h>

#include <shellapi.h>  // CommandLineToArgvW

#include <string>
#include <vector>

#include "app/application_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* given = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int index = 1; given != nullptr && index < count; ++index) {
        arguments.emplace_back(given[index]);
    }
    LocalFree(static_cast<HLOCAL>(given));
    return tintrel::RunApplication(tintrel::ExecutablePath(), arguments);
}
