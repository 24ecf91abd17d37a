#include "palette/pallet_keyboard_win.h"

#include <commctrl.h>  // DefSubclassProc

#include "palette/pallet_accessible_win.h"
#include "palette/pallet_keys.h"
#include "palette/pallet_view_win.h"
#include "ui/accessible_win.h"
#include "ui/message_box_win.h"

namespace tintrel {

namespace {

bool IsDown(int key) {
    return GetKeyState(key) < 0;
}

}  // namespace

std::optional<CellPosition> PalletKeyboard::FocusedCell() const {
    if (!view_.HasCells()) {
        return std::nullopt;
    }
    return ClampFocus(focus_, view_.Store().XCount(), view_.Store().YCount());
}

bool PalletKeyboard::Handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE:
            // Every key, Tab and Enter included: the surface moves the focus on by itself.
            result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (wParam == VK_TAB && message == WM_KEYDOWN) {
                Tab(IsDown(VK_SHIFT));
                result = 0;
                return true;
            }
            if (message == WM_SYSKEYDOWN && wParam != VK_F10) {
                return false;
            }
            RunGuarded([&] { KeyDown(static_cast<unsigned>(wParam)); });
            result = 0;
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            view_.Repaint();
            if (message == WM_SETFOCUS) {
                AnnounceFocus();
            }
            result = 0;
            return true;
        default:
            return false;
    }
}

bool PalletKeyboard::HandleTabStrip(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool forwardTab = wParam == VK_TAB && !IsDown(VK_SHIFT) && IsWindowVisible(view_.Handle());
    if (message == WM_GETDLGCODE && lParam != 0 && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
        forwardTab) {
        result = DefSubclassProc(GetParent(view_.Handle()), message, wParam, lParam) | DLGC_WANTTAB;
        return true;
    }
    if (message == WM_KEYDOWN && forwardTab) {
        SetFocus(view_.Handle());
        result = 0;
        return true;
    }
    return false;
}

void PalletKeyboard::KeyDown(unsigned key) {
    const auto cell = FocusedCell();
    const PalletKeyResult pressed = PalletKey(key, IsDown(VK_SHIFT), IsDown(VK_CONTROL), cell.value_or(focus_),
                                              cell ? view_.Store().XCount() : 0, cell ? view_.Store().YCount() : 0);
    switch (pressed.Action) {
        case PalletKeyAction::MoveFocus:
            MoveFocus(pressed.Cell);
            break;
        case PalletKeyAction::PreviousPage:
        case PalletKeyAction::NextPage:
            view_.TurnPage(pressed.Action == PalletKeyAction::NextPage ? 1 : -1);
            AnnounceFocus();
            break;
        case PalletKeyAction::Take:
            view_.TakeCell(pressed.Cell);
            break;
        case PalletKeyAction::Swap:
            view_.SwapCell(pressed.Cell);
            AnnounceFocus();
            break;
        case PalletKeyAction::Insert:
            view_.InsertInto(pressed.Cell);
            AnnounceFocus();
            break;
        case PalletKeyAction::ContextMenu:
            view_.OpenMenu(cell);
            break;
        case PalletKeyAction::Copy:
            view_.CopyCell(pressed.Cell);
            break;
        case PalletKeyAction::Remove:
            view_.RemoveCell(pressed.Cell);
            AnnounceFocus();
            break;
        case PalletKeyAction::None:
            break;
    }
}

void PalletKeyboard::MoveFocus(CellPosition cell) {
    if (cell == focus_ && FocusedCell() == cell) {
        return;
    }
    focus_ = cell;
    view_.Repaint();
    AnnounceFocus();
}

void PalletKeyboard::Tab(bool backwards) const {
    const HWND tabStrip = GetParent(view_.Handle());
    if (backwards) {
        SetFocus(tabStrip);
        return;
    }
    const HWND next = GetNextDlgTabItem(GetAncestor(tabStrip, GA_ROOT), tabStrip, FALSE);
    SetFocus(next != nullptr ? next : tabStrip);
}

void PalletKeyboard::AnnounceFocus() const {
    if (GetFocus() != view_.Handle()) {
        return;
    }
    const auto cell = FocusedCell();
    NotifyAccessibleFocus(view_.Handle(), cell ? CellPart(*cell, view_.Store().XCount()) : CHILDID_SELF);
}

void PalletKeyboard::PaintFocus(HDC dc) const {
    const auto cell = FocusedCell();
    if (!cell || GetFocus() != view_.Handle()) {
        return;
    }
    const DpiScale dpi = view_.Dpi();
    const PalletRect bounds = SpareRect(view_.CellBounds(*cell), dpi(2));
    // Around both squares of the cell: the current colour's and the spare's, 2 design units lower right.
    const RECT around{bounds.Left - dpi(3), bounds.Top - dpi(3), bounds.Right + dpi(1), bounds.Bottom + dpi(1)};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &around);
}

}  // namespace tintrel
