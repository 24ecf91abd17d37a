#include "ui/base_window_win.h"

#include "base/error.h"

namespace tintrel {

namespace {

// ウィンドウクラスを登録できません
constexpr const char* kCannotRegisterClass =
    "\x83"
    "E\x83"
    "B\x83\x93\x83h\x83"
    "E\x83N\x83\x89\x83X\x82\xF0\x93o\x98^\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";

}  // namespace

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
        throw Error(kCannotRegisterClass);
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
        throw Error(std::string(kCannotCreateWindow));
    }
    return hwnd;
}

}  // namespace tintrel
