#include "palette/pallet_accessible_win.h"

#include <string_view>

#include "palette/pallet_cell_text.h"
#include "palette/pallet_view_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// "パレット"
constexpr std::string_view kPalletName = "\x83\x70\x83\x8C\x83\x62\x83\x67";

}  // namespace

long CellPart(CellPosition cell, std::int32_t columns) {
    return cell.Row * columns + cell.Column + 1;
}

long PalletAccessible::PartCount() const {
    return view_.SelectedPage() ? view_.Store().XCount() * view_.Store().YCount() : 0;
}

CellPosition PalletAccessible::CellOf(long part) const {
    const std::int32_t columns = view_.Store().XCount();
    return CellPosition{static_cast<std::int32_t>((part - 1) % columns),
                        static_cast<std::int32_t>((part - 1) / columns)};
}

std::wstring PalletAccessible::Name(long part) const {
    const auto page = view_.SelectedPage();
    if (part == 0 || !page) {
        std::string name(kPalletName);
        if (page) {
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

}  // namespace tintrel
