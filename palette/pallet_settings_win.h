#pragma once

#include <windows.h>

#include "ui/base_window_win.h"

namespace tintrel {

// The palette settings dialog: created hidden at start and kept for the whole run.
class TFPallet : public BaseWindow<TFPallet> {
public:
    TFPallet() = default;
    ~TFPallet();
    TFPallet(const TFPallet&) = delete;
    TFPallet& operator=(const TFPallet&) = delete;

    void Create();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
};

}  // namespace tintrel
