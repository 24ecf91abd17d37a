#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "palette/pallet_accessible_win.h"
#include "palette/pallet_geometry.h"
#include "palette/pallet_keyboard_win.h"
#include "palette/pallet_store.h"
#include "ui/accessible_win.h"
#include "ui/base_window_win.h"
#include "ui/drag_source_win.h"
#include "ui/window_subclass_win.h"

namespace tintrel {

// The palette's paint surface: the cells of the page selected in its tab strip, drawn over the tab
// strip's display area. A left press on a cell picks its colour, a right or middle press swaps the
// cell's two colours, a drag of the current colour drops it into a cell, and a tool-tip names both
// colours of the cell under the pointer. It works the same in whatever window its tab strip is hosted.
// The keyboard reaches the same actions through a focused cell, and assistive technology sees a list
// of the cells.
class PalletView : public BaseWindow<PalletView>, private DropTarget {
public:
    explicit PalletView(PalletStore& store) : store_(store) {}
    ~PalletView();

    // Creates the surface as a child of `tabStrip` (a tab control whose selected tab is the page),
    // filling its display area from then on, and makes it a tool of `hintWindow` (a tool-tip window of
    // the same thread). Throws std::runtime_error when a window cannot be created.
    void Create(HWND tabStrip, HWND hintWindow);

    // Paints the cells again at once, for changes made elsewhere (the store, the selected tab).
    void Repaint();

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
    void TurnPage(int step);
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
    HWND tabStrip_ = nullptr;
    HWND hintWindow_ = nullptr;
    std::wstring hintText_;
    WindowSubclass tabStripHook_;
    PalletKeyboard keyboard_{*this};
    PalletAccessible accessible_{*this};
    AccessibleAnswer answer_{accessible_};
    PalletTabsAccessible tabsAccessible_;
    AccessibleAnswer tabsAnswer_{tabsAccessible_};
};

}  // namespace tintrel
