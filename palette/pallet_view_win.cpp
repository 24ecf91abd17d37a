#include "palette/pallet_view_win.h"

#include <commctrl.h>
#include <windowsx.h>  // GET_X_LPARAM

#include <algorithm>
#include <cstdlib>  // std::abs
#include <iterator>

#include "color/color_models.h"
#include "color/number_text.h"
#include "palette/pallet_cell_text.h"
#include "ui/drag_source_win.h"
#include "ui/frames_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/message_box_win.h"
#include "ui/screen_cursor_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// Wide enough that the tool-tip breaks its text only at the line break between the two colours.
constexpr int kHintMaxWidth = 32767;

// A hand-edited palette file can hold any 32-bit value; the cell shows its red, green and blue bytes.
COLORREF ShownColor(std::int32_t value) {
    return static_cast<COLORREF>(value) & 0x00FFFFFFu;
}

RECT ToRect(const PalletRect& rect) {
    return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom};
}

void FillSquare(HDC dc, const PalletRect& square, std::int32_t color, int frameWidth) {
    SetDCBrushColor(dc, ShownColor(color));
    const RECT area = ToRect(square);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    DrawRaisedFrame(dc, area, frameWidth);
}

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

bool ChangesDisplayArea(UINT message) {
    switch (message) {
        case WM_SIZE:
        case WM_SETFONT:
        case WM_STYLECHANGED:
        case TCM_INSERTITEMA:
        case TCM_INSERTITEMW:
        case TCM_SETITEMA:
        case TCM_SETITEMW:
        case TCM_DELETEITEM:
        case TCM_DELETEALLITEMS:
        case TCM_SETITEMSIZE:
        case TCM_SETPADDING:
            return true;
        default:
            return false;
    }
}

}  // namespace

PalletView::~PalletView() {
    Unregister();
    tabStripHook_.Remove();
    DestroyOwnWindow();
}

void PalletView::Create(HWND tabStrip, HWND hintWindow) {
    tabStrip_ = tabStrip;
    hintWindow_ = hintWindow;
    // Redrawn whole at every size change, since the cells are laid out on the whole surface. No
    // CS_DBLCLKS: each press of a double click arrives as a press of its own.
    const LPCWSTR className = RegisterWindowClassOnce(L"TintrelPalletView", &PalletView::WindowProc, nullptr, nullptr,
                                                      CS_HREDRAW | CS_VREDRAW);
    CreateWindowChecked(0, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, tabStrip, nullptr,
                        this);
    accessible_.SetWindow(hwnd_);
    tabsAccessible_.SetWindow(tabStrip);
    tabStripHook_.Install(tabStrip, &PalletView::TabStripProc, reinterpret_cast<DWORD_PTR>(this));
    FitToTabStrip();
    SendMessageW(hintWindow_, TTM_SETMAXTIPWIDTH, 0, kHintMaxWidth);
    RegisterDropTarget(hwnd_, *this);
    RegisterDropTarget(tabStrip_, pageTurner_);
}

void PalletView::Repaint() {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void PalletView::SetDpi(DpiScale dpi) {
    dpi_ = dpi;
    if (hwnd_ != nullptr) {
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
}

LRESULT CALLBACK
PalletView::TabStripProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object) {
    auto* self = reinterpret_cast<PalletView*>(object);
    LRESULT result = 0;
    if (self->keyboard_.HandleTabStrip(message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_GETOBJECT) {
        if (const LRESULT answered = self->tabsAnswer_.Answer(wParam, lParam)) {
            return answered;
        }
    }
    result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (ChangesDisplayArea(message)) {
        self->FitToTabStrip();
    }
    return result;
}

void PalletView::FitToTabStrip() noexcept {
    RECT area;
    GetClientRect(tabStrip_, &area);
    TabCtrl_AdjustRect(tabStrip_, FALSE, &area);
    const int width = area.right > area.left ? area.right - area.left : 0;
    const int height = area.bottom > area.top ? area.bottom - area.top : 0;
    SetWindowPos(hwnd_, nullptr, area.left, area.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<std::int32_t> PalletView::SelectedPage() const {
    const auto page = static_cast<std::int32_t>(SendMessageW(tabStrip_, TCM_GETCURSEL, 0, 0));
    if (page < 0 || page >= store_.ZCount()) {
        return std::nullopt;
    }
    return page;
}

std::string PalletView::PageName() const {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(tabStrip_, TCM_GETITEMW, SendMessageW(tabStrip_, TCM_GETCURSEL, 0, 0),
                 reinterpret_cast<LPARAM>(&item));
    return NarrowCp932(text);
}

PalletRect PalletView::CellBounds(CellPosition cell) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return CellRect(cell.Column, cell.Row, store_.XCount(), store_.YCount(), client.right, client.bottom);
}

std::optional<CellPosition> PalletView::CellAt(POINT client) const {
    if (!HasCells()) {
        return std::nullopt;
    }
    RECT size;
    GetClientRect(hwnd_, &size);
    return HitTestCell(client.x, client.y, store_.XCount(), store_.YCount(), size.right, size.bottom);
}

std::optional<PalletView::CellOnPage> PalletView::CellOnPageAt(POINT client) const {
    const auto page = SelectedPage();
    const auto cell = CellAt(client);
    if (!page || !cell) {
        return std::nullopt;
    }
    return CellOnPage{*cell, *page};
}

CellColors PalletView::ColorsOf(CellPosition cell) const {
    const auto page = SelectedPage();
    return page ? store_.Cell(cell.Column, cell.Row, *page).value_or(CellColors{}) : CellColors{};
}

std::optional<std::int32_t> PalletView::CurrentOf(CellPosition cell) const {
    if (OnHistory()) {
        return HistoryColor(cell);
    }
    return SelectedPage() ? std::optional(ColorsOf(cell).Current) : std::nullopt;
}

void PalletView::Paint() {
    const PaintScope paint(hwnd_);
    RECT client;
    GetClientRect(hwnd_, &client);
    // Drawn off-screen and shown in one step, so that a repaint of the cells never flickers.
    const MemoryDC buffer(paint.Dc());
    const Bitmap bitmap(CreateCompatibleBitmap(paint.Dc(), client.right, client.bottom));
    if (buffer.Get() == nullptr || bitmap.Get() == nullptr) {
        PaintPalletPaint(paint.Dc(), client);
        return;
    }
    const ScopedSelect select(buffer.Get(), bitmap.Get());
    PaintPalletPaint(buffer.Get(), client);
    BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

void PalletView::PaintPalletPaint(HDC dc, const RECT& client) const {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const std::int32_t columns = store_.XCount();
    const std::int32_t rows = store_.YCount();
    if (OnHistory()) {
        PaintHistoryPage(dc, client, store_.History(), columns, rows);
        keyboard_.PaintFocus(dc);
        return;
    }
    const auto page = SelectedPage();
    if (!page) {
        return;
    }
    for (std::int32_t column = 0; column < columns; ++column) {
        for (std::int32_t row = 0; row < rows; ++row) {
            const CellColors colors = store_.Cell(column, row, *page).value_or(CellColors{});
            const PalletRect cell = CellRect(column, row, columns, rows, client.right, client.bottom);
            FillSquare(dc, SpareRect(cell, dpi_(2)), colors.Spare, dpi_(1));
            FillSquare(dc, cell, colors.Current, dpi_(1));
        }
    }
    keyboard_.PaintFocus(dc);
}

void PalletView::PaintPalletMouseDown(UINT button, POINT client) {
    const auto target = CellAt(client);
    if (!target) {
        return;
    }
    if (button == WM_LBUTTONDOWN) {
        TakeCell(*target);
        if (OnHistory()) {
            DragHistoryCell(*target);
        } else {
            pressedAt_ = client;
        }
    } else {
        SwapCell(*target);
    }
}

void PalletView::DragCellOnMove(WPARAM keys, POINT client) {
    if (!pressedAt_ || (keys & MK_LBUTTON) == 0) {
        pressedAt_.reset();
        return;
    }
    if (std::abs(client.x - pressedAt_->x) < GetSystemMetrics(SM_CXDRAG) &&
        std::abs(client.y - pressedAt_->y) < GetSystemMetrics(SM_CYDRAG)) {
        return;
    }
    pressedAt_.reset();
    // The cell's hint would stand under the pointer, over the places a drop is meant for.
    SetHintText(L"");
    DragFrom(hwnd_);
    RefreshHint();
}

void PalletView::TakeCell(CellPosition cell) {
    if (const auto current = CurrentOf(cell); OnPick && current) {
        // A value with bits above the colour's bytes is taken as it stands, so that the number code gives
        // it back; a negative one is taken by the colour the cell shows.
        OnPick(*current >= 0 ? *current : static_cast<std::int32_t>(ShownColor(*current)));
    }
    Repaint();
    RefreshHint();
}

void PalletView::SwapCell(CellPosition cell) {
    if (const auto page = SelectedPage()) {
        if (store_.SwapCell(cell.Column, cell.Row, *page)) {
            accessible_.CellChanged(cell);
        }
    }
    Repaint();
    RefreshHint();
}

void PalletView::InsertInto(CellPosition cell) {
    if (OnHistory()) {
        return;
    }
    const auto color = CurrentColor ? CurrentColor() : std::nullopt;
    const auto page = SelectedPage();
    if (!color || !page) {
        MessageBeep(MB_OK);
        return;
    }
    if (store_.DropColor(cell.Column, cell.Row, *page, *color)) {
        accessible_.CellChanged(cell);
    }
    Repaint();
    RefreshHint();
}

void PalletView::CopyCell(CellPosition cell) {
    if (const auto current = CurrentOf(cell); OnCopy && current) {
        OnCopy(static_cast<std::int32_t>(ShownColor(*current)));
    }
}

void PalletView::TurnPage(int step) {
    const auto pages = static_cast<int>(SendMessageW(tabStrip_, TCM_GETITEMCOUNT, 0, 0));
    const auto selected = static_cast<int>(SendMessageW(tabStrip_, TCM_GETCURSEL, 0, 0));
    const int page = std::clamp(selected + step, 0, std::max(pages - 1, 0));
    if (pages == 0 || page == selected) {
        return;
    }
    SelectPage(page);
}

void PalletView::SelectPage(int page) {
    const auto pages = static_cast<int>(SendMessageW(tabStrip_, TCM_GETITEMCOUNT, 0, 0));
    if (page < 0 || page >= pages || page == static_cast<int>(SendMessageW(tabStrip_, TCM_GETCURSEL, 0, 0))) {
        return;
    }
    SendMessageW(tabStrip_, TCM_SETCURSEL, page, 0);
    // As a change made with the mouse, for whoever follows the pages.
    NMHDR change{tabStrip_, static_cast<UINT_PTR>(GetDlgCtrlID(tabStrip_)), TCN_SELCHANGE};
    SendMessageW(GetParent(tabStrip_), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    Repaint();
}

void PalletView::OpenMenu(std::optional<CellPosition> cell) const {
    POINT at{0, 0};
    if (cell) {
        const PalletRect bounds = CellBounds(*cell);
        at = POINT{(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2};
    }
    ClientToScreen(hwnd_, &at);
    // The menu of the page tabs, which is the main window's.
    SendMessageW(tabStrip_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tabStrip_), MAKELPARAM(at.x, at.y));
}

void PalletView::PaintPalletMouseMove(POINT client) {
    if (OnHistory()) {
        const auto cell = CellAt(client);
        const auto color = cell ? HistoryColor(*cell) : std::nullopt;
        SetHintText(color ? WidenCp932(HistoryHintText(*color)) : std::wstring());
        return;
    }
    const auto target = CellOnPageAt(client);
    if (!target) {
        SetHintText(L"");
        return;
    }
    const CellColors colors = store_.Cell(target->Cell.Column, target->Cell.Row, target->Page).value_or(CellColors{});
    const double contrast = ContrastRatio(RgbOf(colors.Current), RgbOf(colors.Spare));
    const std::string separator = DecimalSeparator ? DecimalSeparator() : std::string(".");
    SetHintText(WidenCp932(CellHintText(colors.Current, colors.Spare, FormatFixed(contrast, 2, separator))));
}

POINT PalletView::PointerPosition() const {
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(hwnd_, &pointer);
    return pointer;
}

void PalletView::ShowPointerCursor() const {
    if (ApplyScreenCursor()) {
        return;
    }
    const auto cell = CellAt(PointerPosition());
    SetCursor(LoadCursorW(nullptr, cell && CurrentOf(*cell) ? IDC_HAND : IDC_ARROW));
}

std::optional<std::int32_t> PalletView::CarriedColor() const {
    if (dragged_) {
        return dragged_;
    }
    return CurrentColor ? CurrentColor() : std::nullopt;
}

bool PalletView::PaintPalletDragOver(POINT client) const {
    return CarriedColor().has_value() && !OnHistory() && CellAt(client).has_value();
}

void PalletView::PaintPalletDragDrop(POINT client) {
    const auto color = CarriedColor();
    const auto target = CellOnPageAt(client);
    if (!color || !target) {
        return;
    }
    if (store_.DropColor(target->Cell.Column, target->Cell.Row, target->Page, *color)) {
        accessible_.CellChanged(target->Cell);
    }
    Repaint();
    RefreshHint();
}

void PalletView::RefreshHint() {
    // A tool-tip on the screen shows the cell's new colours at once, not after the pointer moves.
    PaintPalletMouseMove(PointerPosition());
}

LRESULT PalletView::PaintPalletContextPopup() {
    // Handled here, so that no menu opens over the cells or between them.
    return 0;
}

void PalletView::Unregister() noexcept {
    if (hwnd_ == nullptr) {
        return;
    }
    RevokeDropTarget(hwnd_);
    RevokeDropTarget(tabStrip_);
    TOOLINFOW tool = HintTool();
    SendMessageW(hintWindow_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    hintText_.clear();
}

LRESULT PalletView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (LRESULT result = 0; keyboard_.Handle(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_GETOBJECT:
            if (const LRESULT answered = answer_.Answer(wParam, lParam)) {
                return answered;
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            RunGuarded([this] { Paint(); });
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            RunGuarded([&] { PaintPalletMouseDown(message, PointOf(lParam)); });
            RelayToHint(message, wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            pressedAt_.reset();
            RelayToHint(message, wParam, lParam);
            break;
        case WM_MOUSEMOVE:
            // Where the pointer is now: the moves made up when a window under the pointer shows or hides
            // (the hint itself) can carry an earlier position.
            RunGuarded([&] { PaintPalletMouseMove(PointerPosition()); });
            RunGuarded([&] { DragCellOnMove(wParam, PointOf(lParam)); });
            RelayToHint(message, wParam, lParam);
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                ShowPointerCursor();
                return TRUE;
            }
            break;
        case WM_CONTEXTMENU:
            return PaintPalletContextPopup();
        case WM_DESTROY:
            Unregister();
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tintrel
