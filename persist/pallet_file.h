#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "palette/pallet_store.h"
#include "persist/profile_file.h"

namespace tintrel {

// Where the floating palette window goes: its outer top-left corner at (Left, Top) on the screen, its
// client area Right - Left wide and Bottom - Top high.
struct FloatRectangle {
    std::int32_t Left = 200;
    std::int32_t Top = 370;
    std::int32_t Right = 400;
    std::int32_t Bottom = 470;

    bool operator==(const FloatRectangle&) const = default;
};

// What the palette file keeps besides the cells, with the defaults of a first start.
struct PalletFileState {
    FloatRectangle FloatRect;
    bool PalletDocked = true;  // the file stores the opposite, as Dock
    bool View = true;          // the palette is shown
    std::int32_t Select = 0;   // the selected page, from 0
    // One name per page, in code page 932 bytes exactly as the file gave them.
    std::vector<std::string> PageNames;
};

// Reads the palette file into `state` and `store`: the floating rectangle, Dock, View, the three
// sizes (each replaced by 4 when outside 1 to 16, 1 to 16, 1 to 8), then per page its name (the
// default "色" and the page number unless the stored one has 1 to 20 bytes) and its cells' current
// colours as stored; the spare colours are 0 and PalletModified stays as it is. Page sections above
// the page count, up to Tab16, that hold keys are erased from the file at once. The pick history as
// ReadHistorySection reads it. Last the selected page: the page count itself stands for the history's
// page, and any other value outside the pages selects page 0.
// Throws FileError when the erasure cannot be written; everything but Select is loaded by then, and
// `state.Select` keeps the value it had.
void LoadPalletFile(ProfileFile& file, PalletFileState& state, PalletStore& store);

// Writes the Pallet keys and every page's name into the file's pending block; the cells only while
// PalletModified is set, and then only cells whose current or spare colour is above 0 (a cell black
// in both keeps whatever the file holds for it). A name that the file would read back changed (blank
// or quoted at its ends, as a hand-edited file can give) is written in quotes. The pick history as
// WriteHistorySection writes it. The caller commits.
void SavePalletFile(ProfileFile& file, const PalletFileState& state, const PalletStore& store);

}  // namespace tintrel
