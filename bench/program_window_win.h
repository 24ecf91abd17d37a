#pragma once

#include <windows.h>

#include <string>

namespace tintrel::bench {

// The shown main window of the process `processId`, nullptr until it shows.
inline HWND ShownMainWindow(DWORD processId) {
    struct Search {
        DWORD ProcessId;
        HWND Window;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            auto* search = reinterpret_cast<Search*>(found);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (owner == search->ProcessId && std::wstring(className) == L"TFMain" && IsWindowVisible(window)) {
                search->Window = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Window;
}

}  // namespace tintrel::bench
