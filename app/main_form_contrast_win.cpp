// The contrast window wired into the main window: its picks run on the main window's picking, it takes
// the current colour and the drags of the swatch and the palette, and its pair reaches the templates.
#include "app/main_form_win.h"

namespace tintrel {

void TFMain::CreateContrastForm() {
    contrast_.Create();
    contrast_.CurrentColor = [this]() -> std::optional<Rgb8> {
        return colorState_.HasColor ? std::optional<Rgb8>(RgbOf(colorState_.CurColor)) : std::nullopt;
    };
    contrast_.DecimalSeparator = [this] { return decimalSeparator_; };
    contrast_.OnPairChange = [this] { UpdateReadout(); };
    // A pick for either colour runs on the main window's pick and ends in the pair, not the current colour.
    for (const auto side : {TFContrast::Side::Text, TFContrast::Side::Back}) {
        contrastPicks_[static_cast<std::size_t>(side)] = PickReceiver::ForColor(
            [this, side] {
                return ColorRefOf(side == TFContrast::Side::Text ? contrast_.Pair().Text : contrast_.Pair().Back);
            },
            [this, side](COLORREF color) { contrast_.SetSideColor(side, RgbOf(static_cast<std::int32_t>(color))); },
            [this](COLORREF color) { RecordPick(static_cast<ColorRef>(color)); });
    }
    contrast_.OnPickMouse = [this](TFContrast::Side side, UINT message, HWND target) {
        pickHost_.TargetMouse(target, message, &contrastPicks_[static_cast<std::size_t>(side)]);
    };
}

void TFMain::NContrastClick() {
    const bool stayOnTop = (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    contrast_.ShowForm(stayOnTop, hwnd_);
}

}  // namespace tintrel
