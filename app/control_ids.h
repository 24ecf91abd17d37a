#pragma once

namespace tintrel {

// The controls of the main window, also their window identifiers.
enum class ControlId : int {
    ComboF = 1001,
    EditF,
    EditR,
    EditG,
    EditB,
    EditC,
    EditM,
    EditY,
    EditK,
    PanelDef,
    PanelP,
    PanelD,
    PalletPanel,
    PalletTab,
    PaintPallet,
};

}  // namespace tintrel
