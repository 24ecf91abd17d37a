#include "ui/monitors_win.h"

#include <vector>

#include "base/screen_placement.h"

namespace tintrel {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<PlacementRect>*>(areas)->push_back({work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
}

}  // namespace

RECT PlaceOnMonitor(const RECT& window) {
    std::vector<PlacementRect> workAreas;
    EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&workAreas));
    const PlacementRect placed = PlaceOnScreen({window.left, window.top, window.right, window.bottom}, workAreas);
    return RECT{placed.Left, placed.Top, placed.Right, placed.Bottom};
}

void MoveOntoMonitor(HWND window, POINT topLeft) {
    RECT outer;
    GetWindowRect(window, &outer);
    const RECT placed = PlaceOnMonitor(
        RECT{topLeft.x, topLeft.y, topLeft.x + (outer.right - outer.left), topLeft.y + (outer.bottom - outer.top)});
    SetWindowPos(window, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT PlaceBesideWindow(HWND anchor, int width, int height) {
    RECT outer;
    GetWindowRect(anchor, &outer);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(anchor, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& work = info.rcWork;
    const PlacementRect placed = PlaceBeside({outer.left, outer.top, outer.right, outer.bottom}, width, height,
                                             {work.left, work.top, work.right, work.bottom});
    return RECT{placed.Left, placed.Top, placed.Right, placed.Bottom};
}

}  // namespace tintrel
