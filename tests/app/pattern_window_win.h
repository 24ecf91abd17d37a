#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tintrel::testing_win {

// A window of the test's own that shows a known picture: every pixel has a colour of its own.
class PatternWindow {
public:
    // Away from the main window at (200, 200), and large enough to fill the magnifier's whole capture.
    static constexpr RECT kBounds{500, 450, 660, 530};

    // The colour of the pattern's pixel (x, y), counted from its top-left corner.
    static COLORREF ColorAt(int x, int y) { return RGB(x, 3 * y, 0x40); }

    explicit PatternWindow(const RECT& bounds = kBounds) : bounds_(bounds) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &PatternWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TintrelTestPattern";
        RegisterClassW(&windowClass);
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"TintrelTestPattern", L"",
                                WS_POPUP | WS_VISIBLE, bounds.left, bounds.top, bounds.right - bounds.left,
                                bounds.bottom - bounds.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        UpdateWindow(hwnd_);
    }
    ~PatternWindow() { DestroyWindow(hwnd_); }
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;

    // The pattern's colour at a screen position, CLR_INVALID outside the pattern.
    COLORREF ScreenColorAt(int x, int y) const {
        const POINT at{x, y};
        return PtInRect(&bounds_, at) ? ColorAt(x - bounds_.left, y - bounds_.top) : CLR_INVALID;
    }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_PAINT) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        RECT client;
        GetClientRect(hwnd, &client);
        const int width = client.right;
        const int height = client.bottom;
        std::vector<std::uint32_t> pixels(width * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const COLORREF color = ColorAt(x, y);
                pixels[y * width + x] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
            }
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
        EndPaint(hwnd, &paint);
        return 0;
    }

    RECT bounds_;
    HWND hwnd_ = nullptr;
};

// A colour as a failure message shows it, 0x00BBGGRR without the prefix.
inline std::string Hex(COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof(text), "%06lX", static_cast<unsigned long>(color));
    return text;
}

inline COLORREF ScreenPixel(POINT at) {
    const HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return color;
}

}  // namespace tintrel::testing_win
