#pragma once

#include <windows.h>

#include <string_view>
#include <utility>

namespace tintrel {

// A window class whose static window procedure forwards every message to the C++ object that created
// the window: the object passes `this` as the creation parameter, the procedure stores it at
// WM_NCCREATE and clears it at WM_NCDESTROY. Derived classes implement
//     LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
// which unpacks the parameters once and calls a named handler. The window lives no longer than its
// object.
template <class Derived>
class BaseWindow {
public:
    BaseWindow() = default;
    ~BaseWindow() { DestroyOwnWindow(); }
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    HWND Handle() const { return hwnd_; }

protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<Derived*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    // Destroys the window, detached first so that no message of its destruction reaches an object that is
    // itself being destroyed. A class whose members own child windows calls it in its own destructor.
    void DestroyOwnWindow() {
        if (hwnd_ != nullptr) {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(std::exchange(hwnd_, nullptr));
        }
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};

// ウィンドウを作成できません: a window, or what it needs, could not be made.
inline constexpr std::string_view kCannotCreateWindow =
    "\x83"
    "E\x83"
    "B\x83\x93\x83h\x83"
    "E\x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";

// The name of the program's icon among its resources; every window class shows it.
inline constexpr const wchar_t* kProgramIconName = L"TINTREL";

// Registers a window class once per process; returns its atom as a name for CreateWindowExW.
// Throws Error ("ウィンドウクラスを登録できません") when the class cannot be registered.
LPCWSTR RegisterWindowClassOnce(const wchar_t* name,
                                WNDPROC procedure,
                                HCURSOR cursor,
                                HBRUSH background,
                                UINT style = 0);

// Creates a window; throws Error ("ウィンドウを作成できません") when the platform refuses.
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
                         void* creationParameter);

}  // namespace tintrel
