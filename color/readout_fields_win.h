#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "color/readout_text.h"
#include "ui/dpi_win.h"
#include "ui/gdi_handles_win.h"

namespace tintrel {

// The eight read-only fields of the readout: the colour text `EditF` and the components `EditR` to
// `EditK`, each component on its own light background. The readout is written here and nowhere else.
class ReadoutFields {
public:
    // The fields in creation (and tab) order.
    enum Field { EditF, EditR, EditG, EditB, EditC, EditM, EditY, EditK, kFieldCount };

    // Creates the fields in `parent`, with the identifiers firstId to firstId + 7 in the order above, laid
    // out for 96 DPI.
    void Create(HWND parent, int firstId);
    // Places the fields and gives them the fixed-pitch font for `dpi`.
    void SetDpi(DpiScale dpi);

    HWND Handle(Field field) const { return fields_[field]; }

    // Shows the texts; a field keeps a text it already shows.
    void Show(const ReadoutTexts& texts);

    // For WM_CTLCOLORSTATIC: the background of `control` if it is one of the fields (the text line in
    // the window colour, although it is read-only), nullptr otherwise.
    HBRUSH Background(HWND control, HDC dc) const;

    // Reads again whether a high-contrast theme is on; for WM_SETTINGCHANGE. Asked once, not at every
    // paint, since the question may cost a round trip to the system.
    void ReadTheme();

private:
    void SetText(Field field, std::string_view textCp932);

    std::array<HWND, kFieldCount> fields_{};
    std::array<std::string, kFieldCount> shown_;  // what each field shows, in code page 932
    std::array<Brush, kFieldCount - 1> componentBrushes_;
    bool highContrast_ = false;
};

}  // namespace tintrel
