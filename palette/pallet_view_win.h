#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "palette/pallet_accessible_win.h"
#include "palette/pallet_geometry.h"
#include "palette/pallet_history_page_win.h"
#include "palette/pallet_keyboard_win.h"
#include "palette/pallet_store.h"
#include "ui/accessible_win.h"
#include "ui/base_window_win.h"
#include "ui/dpi_win.h"
#include "ui/drag_source_win.h"
#include "ui/window_subclass_win.h"

namespace tintrel {

// The palette's paint surface: the cells of the page selected in its tab strip, drawn over the tab
// strip's display area. A left press on a cell picks its colour, a right or middle press swaps the
// cell's two colours, a drag of the current colour drops it into a cell, and a tool-tip names both
// colours of the cell under the pointer. It works the same in whatever window its tab strip is hosted.
// The keyboard reaches the same actions through a focused cell, and assistive technology sees a list
// of the cells. A tab after the store's pages shows the pick history, newest first, as a page whose
// cells are taken, copied and dragged onto the other pages but never dropped on or swapped.
class PalletView : public BaseWindow<PalletView>, private DropTarget {
public:
    explicit PalletView(PalletStore& store) : store_(store) {}
    ~PalletView();

    // Creates the surface as a child of `tabStrip` (a tab control whose selected tab is the page),
    // filling its display area from then on, and makes it a tool of `hintWindow` (a tool-tip window of
    // the same thread). Throws Error when a window cannot be created.
    void Create(HWND tabStrip, HWND hintWindow);

    // Paints the cells again at once, for changes made elsewhere (the store, the selected tab).
    void Repaint();
    // Draws the spare colour's offset and the cells' frames in design units of `dpi`.
    void SetDpi(DpiScale dpi);
    DpiScale Dpi() const { return dpi_; }

    // The current colour (0x00BBGGRR), nullopt while none is current; drops are refused without one.
    std::function<std::optional<std::int32_t>()> CurrentColor;
    // A left press on a cell, with the colour the cell shows (its three low bytes) to make current.
    std::function<void(std::int32_t color)> OnPick;
    // The user's decimal separator, for the contrast ratio in the tool-tip; a full stop while unset.
    std::function<std::string()> DecimalSeparator;

    // Ctrl+C on a focused cell, with the colour the cell shows, to copy through the current template.
    std::function<void(std::int32_t color)> OnCopy;

    const PalletStore& Store() const { return store_; }
    // The selected page, nullopt when the tab strip selects none that the store has.
    std::optional<std::int32_t> SelectedPage() const;
    // True while the tab after the store's pages, the pick history's, is selected.
    bool OnHistory() const;
    // True while the selected tab shows cells: a page of the store's or the history.
    bool HasCells() const { return SelectedPage() || OnHistory(); }
    // True for a key that a focused cell takes before the window's menu does (Delete on the history).
    bool OwnsKey(unsigned key) const;
    // The selected page's name as its tab shows it, in code page 932.
    std::string PageName() const;
    // The square of a cell's current colour, in client coordinates.
    PalletRect CellBounds(CellPosition cell) const;
    // The cell under a client point on the selected page, nullopt in margins and gaps.
    std::optional<CellPosition> CellAt(POINT client) const;
    // The cell that the keyboard works on, nullopt while the page has none.
    std::optional<CellPosition> FocusedCell() const { return keyboard_.FocusedCell(); }

    // What a click, a right click and a drop do, and a change of page, for a cell of the selected page.
    void TakeCell(CellPosition cell);
    void SwapCell(CellPosition cell);
    // Refused, with the system's beep, while no colour is current.
    void InsertInto(CellPosition cell);
    void CopyCell(CellPosition cell);
    // Removes a colour from the history; nothing on the other pages.
    void RemoveCell(CellPosition cell);
    void TurnPage(int step);
    // Selects page `page` (from 0) as a click on its tab does.
    void SelectPage(int page);
    // Opens the main window's menu at `cell` (at the surface's corner without one).
    void OpenMenu(std::optional<CellPosition> cell) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    struct CellOnPage {
        CellPosition Cell;
        std::int32_t Page = 0;
    };

    std::optional<CellOnPage> CellOnPageAt(POINT client) const;
    CellColors ColorsOf(CellPosition cell) const;
    // The colour a cell shows as its current one; on the history only a place it has filled has one.
    std::optional<std::int32_t> CurrentOf(CellPosition cell) const;
    std::optional<std::int32_t> HistoryColor(CellPosition cell) const;
    // What a drag over the cells carries: a history cell's colour, or else the current colour.
    std::optional<std::int32_t> CarriedColor() const;
    // A press on a history cell drags its colour, as a press on the swatch drags the current colour.
    void DragHistoryCell(CellPosition cell);

    void FitToTabStrip() noexcept;
    void Paint();
    void PaintPalletPaint(HDC dc, const RECT& client) const;
    void PaintPalletMouseDown(UINT button, POINT client);
    // A press on a cell that moves on by the system's drag distance drags the colour it took, so that
    // it can be dropped on another cell or on any other target of the program's drags.
    void DragCellOnMove(WPARAM keys, POINT client);
    void PaintPalletMouseMove(POINT client);
    bool PaintPalletDragOver(POINT client) const;
    void PaintPalletDragDrop(POINT client);
    static LRESULT PaintPalletContextPopup();
    // The pointer's position in client coordinates.
    POINT PointerPosition() const;
    // The hand over a cell, the arrow elsewhere, unless a screen-wide cursor is set.
    void ShowPointerCursor() const;

    // The surface as a tool of the hint window, with the text it shows.
    TOOLINFOW HintTool();
    // The text shown over the cell under the pointer; empty switches the hint off.
    void RefreshHint();
    void SetHintText(const std::wstring& text);
    // Lets the hint window see the pointer over the surface, so that it shows and hides the hint.
    void RelayToHint(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Undoes what Create registered elsewhere; safe to call more than once.
    void Unregister() noexcept;

    bool DragOver(POINT client) override { return PaintPalletDragOver(client); }
    void DragDrop(POINT client) override { PaintPalletDragDrop(client); }

    static LRESULT CALLBACK
    TabStripProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object);

    PalletStore& store_;
    std::optional<POINT> pressedAt_;
    std::optional<std::int32_t> dragged_;
    PageTurner pageTurner_{*this};
    HWND tabStrip_ = nullptr;
    HWND hintWindow_ = nullptr;
    DpiScale dpi_;
    std::wstring hintText_;
    WindowSubclass tabStripHook_;
    PalletKeyboard keyboard_{*this};
    PalletAccessible accessible_{*this};
    AccessibleAnswer answer_{accessible_};
    PalletTabsAccessible tabsAccessible_{*this};
    AccessibleAnswer tabsAnswer_{tabsAccessible_};
};

}  // namespace tintrel
