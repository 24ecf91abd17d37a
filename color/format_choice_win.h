#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tintrel {

// `ComboF`, the drop-down list of the format templates' labels, 20 pixels high when closed, with
// 16 rows of 12 pixels in its open list.
class FormatChoice {
public:
    void Create(HWND parent, int id, const RECT& closedBounds);

    HWND Handle() const { return combo_; }

    // Replaces the items with `labels` (code page 932) and selects the first, if any.
    void Rebuild(const std::vector<std::string>& labels);
    int Count() const;
    // The selected item's index, -1 when none is selected.
    int Selected() const;
    void Select(int index);

private:
    HWND combo_ = nullptr;
};

}  // namespace tintrel
