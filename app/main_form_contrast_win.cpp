// The contrast window wired into the main window: its picks run on the main window's picking, it takes
// the current colour and the drags of the swatch and the palette, and its pair reaches the templates.
#include "app/main_form_win.h"

namespace tintrel {

namespace {

COLORREF ToColorRef(Rgb8 color) {
    return RGB(color.R, color.G, color.B);
}

Rgb8 ToRgb(COLORREF color) {
    return RgbOf(static_cast<std::int32_t>(color));
}

}  // namespace

void TFMain::CreateContrastForm() {
    contrast_.Create();
    contrast_.CurrentColor = [this]() -> std::optional<Rgb8> {
        return colorState_.HasColor ? std::optional<Rgb8>(RgbOf(colorState_.CurColor)) : std::nullopt;
    };
    contrast_.DecimalSeparator = [this] { return decimalSeparator_; };
    contrast_.OnPairChange = [this] { UpdateReadout(); };
    // A pick for either colour runs on the main window's pick and ends in the pair, not the current colour.
    contrast_.OnPickMouse = [this](TFContrast::Side side, UINT message, HWND target) {
        const PickReceiver receiver = PickReceiver::ForColor(
            [this, side] {
                return ToColorRef(side == TFContrast::Side::Text ? contrast_.Pair().Text : contrast_.Pair().Back);
            },
            [this, side](COLORREF color) { contrast_.SetSideColor(side, ToRgb(color)); },
            [this](COLORREF color) { RecordPick(static_cast<ColorRef>(color)); });
        pickHost_.TargetMouse(target, message, &receiver);
    };
}

void TFMain::NContrastClick() {
    const bool stayOnTop = (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    contrast_.ShowForm(stayOnTop, hwnd_);
}

}  // namespace tintrel
