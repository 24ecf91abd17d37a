#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/dpi_win.h"

namespace tintrel {

// `ComboF`, the drop-down list of the format templates' labels, 20 design units high when closed, with
// 16 rows of 12 design units in its open list.
class FormatChoice {
public:
    // Creates the box at `closedBounds`, in design units, laid out for 96 DPI.
    void Create(HWND parent, int id, const RECT& closedBounds);
    // Places the box and sizes its font and rows for `dpi`.
    void SetDpi(DpiScale dpi);

    HWND Handle() const { return combo_; }

    // Replaces the items with `labels` (code page 932) and selects the first, if any.
    void Rebuild(const std::vector<std::string>& labels);
    int Count() const;
    // The selected item's index, -1 when none is selected.
    int Selected() const;
    void Select(int index);

private:
    HWND combo_ = nullptr;
    RECT closedBounds_{};
};

}  // namespace tintrel
