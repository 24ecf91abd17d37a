#include "palette/pallet_settings_win.h"

#include "ui/modal_form_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

constexpr SIZE kClientSize{203, 223};
// パレットの設定
constexpr std::string_view kCaption =
    "\x83p\x83\x8C\x83"
    "b\x83g\x82\xCC\x90\xDD\x92\xE8";

}  // namespace

TFPallet::~TFPallet() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void TFPallet::Create() {
    CreateDialogForm(L"TFPallet", &TFPallet::WindowProc, WidenCp932(kCaption).c_str(), kClientSize, this);
}

LRESULT TFPallet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tintrel
