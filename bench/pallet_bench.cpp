// Times one repaint of a full 16 by 16 palette page, drawn off-screen and shown, against one bare copy of
// a surface of the same size onto the window; and a drop on a cell until the cell shows the new colour.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <optional>

#include "bench/bench_clock_win.h"
#include "palette/pallet_view_win.h"

namespace {

using tintrel::bench::Seconds;

constexpr int kRepeats = 500;
constexpr int kSize = 16;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

double BareCopySeconds(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const HDC dc = GetDC(window);
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const double start = Seconds();
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        GdiFlush();
    }
    const double elapsed = Seconds() - start;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return elapsed;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    const LPCWSTR hostClass =
        tintrel::RegisterWindowClassOnce(L"TintrelBenchHost", &HostProc, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    // The palette docked in a window of the design size: a 192 by 78 tab strip with one tab.
    const HWND host = tintrel::CreateWindowChecked(0, hostClass, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                                                   192, 78, nullptr, nullptr, nullptr);
    const HWND tabStrip = tintrel::CreateWindowChecked(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | TCS_MULTILINE, 0,
                                                       0, 192, 78, host, nullptr, nullptr);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"1");
    TabCtrl_InsertItem(tabStrip, 0, &item);
    const HWND hint =
        tintrel::CreateWindowChecked(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr);

    tintrel::PalletStore store;
    store.SetPalletSize(kSize, kSize, 1);
    for (int column = 0; column < kSize; ++column) {
        for (int row = 0; row < kSize; ++row) {
            store.SetCurrent(column, row, 0, RGB(column * 16, row * 16, 0x80));
            store.DropColor(column, row, 0, RGB(row * 16, 0x40, column * 16));
        }
    }
    tintrel::PalletView view(store);
    view.Create(tabStrip, hint);
    std::optional<std::int32_t> current;
    view.CurrentColor = [&current] { return current; };
    UpdateWindow(host);

    RECT client;
    GetClientRect(view.Handle(), &client);
    double start = Seconds();
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        view.Repaint();
        GdiFlush();
    }
    const double repaint = Seconds() - start;
    const double bare = BareCopySeconds(view.Handle());
    std::printf("palette page of %dx%d cells on a %ldx%ld surface, %d times each\n", kSize, kSize, client.right,
                client.bottom, kRepeats);
    std::printf("  repaint, off-screen and shown  %8.1f us\n", repaint / kRepeats * 1e6);
    std::printf("  bare copy of the surface       %8.1f us   repaint/copy ratio %.1f\n", bare / kRepeats * 1e6,
                repaint / bare);

    // A drop through the drag's own way in, alternating two colours so that every drop changes the cell.
    const tintrel::PalletRect cell = tintrel::CellRect(5, 5, kSize, kSize, client.right, client.bottom);
    const POINT at{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    tintrel::DropTarget& target = *tintrel::DropTargetOf(view.Handle());
    const HDC dc = GetDC(view.Handle());
    int wrong = 0;
    start = Seconds();
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        current = repeat % 2 == 0 ? RGB(0x1A, 0x2B, 0x3C) : RGB(0xC0, 0x30, 0x60);
        target.DragDrop(at);
        wrong += GetPixel(dc, cell.Left + 1, cell.Top + 1) != static_cast<COLORREF>(*current) ? 1 : 0;
    }
    const double drop = Seconds() - start;
    ReleaseDC(view.Handle(), dc);
    std::printf("  drop to repainted cell         %8.1f us   (%d of %d pixels read back wrong)\n",
                drop / kRepeats * 1e6, wrong, kRepeats);
    return wrong == 0 ? 0 : 1;
}
