#include "palette/pallet_settings_win.h"

#include "palette/pallet_captions.h"

namespace tintrel {

namespace {

constexpr SIZE kClientSize{203, 223};

}  // namespace

void TFPallet::Create() {
    CreateForm(L"TFPallet", kPalletSettingsCaption, kClientSize);
}

LRESULT TFPallet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tintrel
