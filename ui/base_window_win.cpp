#include "ui/base_window_win.h"

#include <stdexcept>

namespace tintrel {

LPCWSTR RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, HCURSOR cursor, HBRUSH background, UINT style) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) {
        return name;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    windowClass.hIcon = LoadIconW(instance, kProgramIconName);
    if (RegisterClassExW(&windowClass) == 0) {
        throw std::runtime_error("RegisterClassEx failed");
    }
    return name;
}

HWND CreateWindowChecked(DWORD exStyle,
                         LPCWSTR className,
                         LPCWSTR title,
                         DWORD style,
                         int x,
                         int y,
                         int width,
                         int height,
                         HWND parent,
                         HMENU menuOrId,
                         void* creationParameter) {
    const HWND hwnd = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                      GetModuleHandleW(nullptr), creationParameter);
    if (hwnd == nullptr) {
        throw std::runtime_error("CreateWindowEx failed");
    }
    return hwnd;
}

}  // namespace tintrel
