#include "palette/pallet_accessible_win.h"

#include <commctrl.h>

#include <iterator>
#include <string_view>

#include "palette/pallet_cell_text.h"
#include "palette/pallet_view_win.h"
#include "palette/pick_history.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// "パレット", "ページ"
constexpr std::string_view kPalletName = "\x83\x70\x83\x8C\x83\x62\x83\x67";
constexpr std::string_view kPagesName = "\x83\x79\x81\x5B\x83\x57";
// 切り替え: what a tab's default action is called
constexpr std::string_view kSwitch = "\x90\xD8\x82\xE8\x91\xD6\x82\xA6";

}  // namespace

long CellPart(CellPosition cell, std::int32_t columns) {
    return cell.Row * columns + cell.Column + 1;
}

long PalletAccessible::PartCount() const {
    return view_.HasCells() ? view_.Store().XCount() * view_.Store().YCount() : 0;
}

CellPosition PalletAccessible::CellOf(long part) const {
    const std::int32_t columns = view_.Store().XCount();
    return CellPosition{static_cast<std::int32_t>((part - 1) % columns),
                        static_cast<std::int32_t>((part - 1) / columns)};
}

std::wstring PalletAccessible::Name(long part) const {
    if (part != 0 && view_.OnHistory()) {
        const auto index = static_cast<std::size_t>(part - 1);
        return WidenCp932(HistoryPlaceName(index, view_.Store().History().At(index)));
    }
    const auto page = view_.SelectedPage();
    if (part == 0 || !page) {
        std::string name(kPalletName);
        if (view_.HasCells()) {
            name += ' ';
            name += view_.PageName();
        }
        return WidenCp932(name);
    }
    const CellPosition cell = CellOf(part);
    const CellColors colors = view_.Store().Cell(cell.Column, cell.Row, *page).value_or(CellColors{});
    return WidenCp932(CellAccessibleName(cell.Column, cell.Row, colors.Current, colors.Spare));
}

long PalletAccessible::Role(long part) const {
    return part == 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
}

long PalletAccessible::State(long) const {
    return STATE_SYSTEM_FOCUSABLE;
}

RECT PalletAccessible::Location(long part) const {
    if (part == 0) {
        return AccessibleSource::Location(part);
    }
    const PalletRect bounds = view_.CellBounds(CellOf(part));
    RECT area{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
    MapWindowPoints(Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

long PalletAccessible::PartAt(POINT screen) const {
    ScreenToClient(Window(), &screen);
    const auto cell = view_.CellAt(screen);
    return cell ? CellPart(*cell, view_.Store().XCount()) : 0;
}

long PalletAccessible::FocusedPart() const {
    const auto cell = view_.FocusedCell();
    return cell ? CellPart(*cell, view_.Store().XCount()) : 0;
}

void PalletAccessible::CellChanged(CellPosition cell) const {
    NotifyAccessibleName(Window(), CellPart(cell, view_.Store().XCount()));
}

long PalletTabsAccessible::PartCount() const {
    return static_cast<long>(SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0));
}

std::wstring PalletTabsAccessible::Name(long part) const {
    if (part == 0) {
        return WidenCp932(kPagesName);
    }
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(Window(), TCM_GETITEMW, part - 1, reinterpret_cast<LPARAM>(&item));
    return text;
}

long PalletTabsAccessible::Role(long part) const {
    return part == 0 ? ROLE_SYSTEM_PAGETABLIST : ROLE_SYSTEM_PAGETAB;
}

long PalletTabsAccessible::State(long part) const {
    const long selected = part == SelectedPart() ? STATE_SYSTEM_SELECTED : 0;
    return STATE_SYSTEM_FOCUSABLE | (part == 0 ? 0 : STATE_SYSTEM_SELECTABLE | selected);
}

RECT PalletTabsAccessible::Location(long part) const {
    if (part == 0) {
        return AccessibleSource::Location(part);
    }
    RECT area{};
    SendMessageW(Window(), TCM_GETITEMRECT, part - 1, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

long PalletTabsAccessible::PartAt(POINT screen) const {
    TCHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(Window(), &hit.pt);
    return static_cast<long>(SendMessageW(Window(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))) + 1;
}

long PalletTabsAccessible::FocusedPart() const {
    return static_cast<long>(SendMessageW(Window(), TCM_GETCURFOCUS, 0, 0)) + 1;
}

long PalletTabsAccessible::SelectedPart() const {
    return static_cast<long>(SendMessageW(Window(), TCM_GETCURSEL, 0, 0)) + 1;
}

std::wstring PalletTabsAccessible::DefaultAction(long part) const {
    return part == 0 ? std::wstring() : WidenCp932(kSwitch);
}

HRESULT PalletTabsAccessible::DoDefaultAction(long part) {
    if (part == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    view_.SelectPage(part - 1);
    return S_OK;
}

HRESULT PalletTabsAccessible::Select(long part, long flags) {
    // One page is selected at a time, and the focused tab of a tab strip is its selected one.
    constexpr long kTaken = SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION;
    if (part == 0 || (flags & kTaken) == 0 || (flags & ~kTaken) != 0) {
        return E_INVALIDARG;
    }
    if ((flags & SELFLAG_TAKEFOCUS) != 0) {
        SetFocus(Window());
    }
    view_.SelectPage(part - 1);
    return S_OK;
}

}  // namespace tintrel
