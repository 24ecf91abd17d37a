#include "ui/panel_win.h"

#include "ui/frames_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/message_box_win.h"
#include "ui/screen_cursor_win.h"

namespace tintrel {

void Panel::Create(HWND parent, int id, const RECT& bounds, const Options& options, const wchar_t* caption) {
    options_ = options;
    const LPCWSTR className = RegisterWindowClassOnce(L"TintrelPanel", &Panel::WindowProc, nullptr, nullptr);
    // A control parent, so that Tab also reaches the controls inside the panel. The class has no
    // CS_DBLCLKS: a double click arrives as two presses.
    CreateWindowChecked(WS_EX_CONTROLPARENT, className, caption,
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, bounds.left, bounds.top,
                        bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), this);
}

void Panel::SetColor(COLORREF color) {
    // Picking sets the swatch's colour at every pointer move, mostly to the colour it already has.
    if (!usesSystemColor_ && color_ == color) {
        return;
    }
    color_ = color;
    usesSystemColor_ = false;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Panel::SetSystemColor(int index) {
    systemColor_ = index;
    usesSystemColor_ = true;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Panel::SetDpi(DpiScale dpi) {
    bevelWidth_ = dpi(1);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Panel::SetDoubleBuffered(bool doubleBuffered) {
    options_.DoubleBuffered = doubleBuffered;
}

void Panel::SetCursor(HCURSOR cursor) {
    // The swatch is given its cursor at every sample while picking: showing it then would replace the
    // screen-wide cross, and showing it unchanged costs time on every pointer move.
    if (cursor == options_.Cursor) {
        return;
    }
    options_.Cursor = cursor;
    if (ScreenCursor() != nullptr) {
        return;
    }
    POINT position;
    RECT window;
    if (GetCursorPos(&position) && GetWindowRect(hwnd_, &window) && PtInRect(&window, position)) {
        ::SetCursor(cursor != nullptr ? cursor : LoadCursorW(nullptr, IDC_ARROW));
    }
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            RunGuarded([&] { Paint(); });
            return 0;
        case WM_SETCURSOR:
            if (SetCursorFor(wParam, lParam)) {
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE:
            if (OnMouse) {
                RunGuarded([&] { OnMouse(message); });
            }
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

bool Panel::SetCursorFor(WPARAM wParam, LPARAM lParam) {
    // The parent decides first, so that a screen-wide cursor overrides the panel's own.
    if (SendMessageW(GetParent(hwnd_), WM_SETCURSOR, wParam, lParam)) {
        return true;
    }
    if (LOWORD(lParam) != HTCLIENT) {
        return false;
    }
    ::SetCursor(options_.Cursor != nullptr ? options_.Cursor : LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

void Panel::Paint() {
    PaintScope paint(hwnd_);
    PaintArea(paint.Dc(), paint.Area());
}

void Panel::PaintNow(const RECT& area) {
    const WindowDC dc(hwnd_);
    PaintArea(dc.Get(), area);
}

void Panel::PaintArea(HDC dc, const RECT& area) {
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!options_.DoubleBuffered) {
        PaintContents(dc, client);
        return;
    }
    // Drawn off-screen and shown in one step, so that the repaints while picking do not flicker. Only
    // the area is buffered: the rest of the drawing falls outside the buffer.
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const MemoryDC buffer(dc);
    const Bitmap bitmap(CreateCompatibleBitmap(dc, width, height));
    const ScopedSelect select(buffer.Get(), bitmap.Get());
    SetViewportOrgEx(buffer.Get(), -area.left, -area.top, nullptr);
    PaintContents(buffer.Get(), client);
    BitBlt(dc, area.left, area.top, width, height, buffer.Get(), area.left, area.top, SRCCOPY);
}

void Panel::PaintContents(HDC dc, const RECT& client) {
    Brush background(CreateSolidBrush(usesSystemColor_ ? GetSysColor(systemColor_) : color_));
    FillRect(dc, &client, background.Get());
    if (options_.LoweredBevel) {
        DrawLoweredBevel(dc, client, bevelWidth_);
    }
    if (OnPaint) {
        OnPaint(dc, client);
    }
}

}  // namespace tintrel
