#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "palette/pallet_geometry.h"
#include "ui/accessible_win.h"

namespace tintrel {

class PalletView;

// The number by which assistive technology knows a cell: 1 for the first cell, then in reading order,
// along each row and down the rows.
long CellPart(CellPosition cell, std::int32_t columns);

// The palette's surface as assistive technology sees it: a list named after the page, with one item
// per cell of the selected page, named with its row, column and both colours, at the cell's place.
class PalletAccessible final : public AccessibleSource {
public:
    explicit PalletAccessible(const PalletView& view) : view_(view) {}

    long PartCount() const override;
    std::wstring Name(long part) const override;
    long Role(long part) const override;
    long State(long part) const override;
    RECT Location(long part) const override;
    long PartAt(POINT screen) const override;
    long FocusedPart() const override;

    // Tells assistive technology that a cell of the selected page shows other colours now.
    void CellChanged(CellPosition cell) const;

private:
    CellPosition CellOf(long part) const;

    const PalletView& view_;
};

// The page tabs as assistive technology sees them: a page tab list with one page tab per page, named
// with its caption, which selecting or switching to selects its page. (Not every platform's tab strip
// describes its tabs.)
class PalletTabsAccessible final : public AccessibleSource {
public:
    explicit PalletTabsAccessible(PalletView& view) : view_(view) {}

    long PartCount() const override;
    std::wstring Name(long part) const override;
    long Role(long part) const override;
    long State(long part) const override;
    RECT Location(long part) const override;
    long PartAt(POINT screen) const override;
    long FocusedPart() const override;
    long SelectedPart() const override;
    std::wstring DefaultAction(long part) const override;
    HRESULT DoDefaultAction(long part) override;
    HRESULT Select(long part, long flags) override;

private:
    PalletView& view_;
};

}  // namespace tintrel
