#pragma once

#include <windows.h>

#include "ui/modal_form_win.h"

namespace tintrel {

// The palette settings dialog: created hidden at start and kept for the whole run.
class TFPallet : public ModalForm<TFPallet> {
public:
    void Create();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
};

}  // namespace tintrel
