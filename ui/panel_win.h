#pragma once

#include <windows.h>

#include <functional>

#include "ui/base_window_win.h"
#include "ui/dpi_win.h"

namespace tintrel {

// A panel: a rectangle in a background colour, optionally with a lowered one-pixel inner bevel. It
// draws its windowless contents (a paint box, a picture) through OnPaint, reports mouse buttons and moves
// through OnMouse, and leaves its context menu to its parent (WM_CONTEXTMENU travels up with the
// panel's handle).
class Panel : public BaseWindow<Panel> {
public:
    struct Options {
        bool LoweredBevel = false;
        bool DoubleBuffered = false;
        HCURSOR Cursor = nullptr;  // the arrow when null
    };

    void Create(HWND parent, int id, const RECT& bounds, const Options& options, const wchar_t* caption = L"");

    // The background: a colour, or a system colour (COLOR_BTNFACE, ...) that follows the user's scheme.
    void SetColor(COLORREF color);
    void SetSystemColor(int index);
    void SetCursor(HCURSOR cursor);
    // Draws the bevel as wide as one design unit at `dpi`.
    void SetDpi(DpiScale dpi);
    // Paints off-screen and shows the result in one step, so that frequent repaints do not flicker.
    void SetDoubleBuffered(bool doubleBuffered);

    // Paints `area` of the client at once, not at the next paint cycle.
    void PaintNow(const RECT& area);

    // Paints over the background and bevel, in client coordinates.
    std::function<void(HDC dc, const RECT& client)> OnPaint;
    // A press, release or move of the mouse over the panel (WM_LBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE,
    // ...), before the default handling, which opens the context menu after a secondary release.
    std::function<void(UINT message)> OnMouse;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    void Paint();
    void PaintArea(HDC dc, const RECT& area);
    void PaintContents(HDC dc, const RECT& client);
    bool SetCursorFor(WPARAM wParam, LPARAM lParam);

    Options options_;
    COLORREF color_ = 0;
    int systemColor_ = COLOR_BTNFACE;
    bool usesSystemColor_ = true;
    int bevelWidth_ = 1;
};

}  // namespace tintrel
