// The contrast window wired into the main window: its picks run on the main window's picking, it takes
// the current colour and the drags of the swatch and the palette, and its pair reaches the templates.
#include "app/main_form_win.h"

#include <utility>

namespace tintrel {

void TFMain::CreateContrastForm() {
    contrast_.Create();
    contrast_.CurrentColor = [this]() -> std::optional<Rgb8> {
        return colorState_.HasColor ? std::optional<Rgb8>(RgbOf(colorState_.CurColor)) : std::nullopt;
    };
    contrast_.DecimalSeparator = [this] { return decimalSeparator_; };
    contrast_.OnPairChange = [this] { UpdateReadout(); };
    contrast_.OnPickMouse = [this](TFContrast::Side side, UINT message, HWND target) {
        ContrastPickMouse(side, message, target);
    };
}

void TFMain::NContrastClick() {
    const bool stayOnTop = (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    contrast_.ShowForm(stayOnTop, hwnd_);
}

void TFMain::ApplyContrastSettings(const Settings& settings) {
    contrast_.SetPair(ContrastPair{RgbOf(settings.ContrastText), RgbOf(settings.ContrastBack)});
    if (settings.ContrastLeft && settings.ContrastTop) {
        contrast_.SetPlace(POINT{*settings.ContrastLeft, *settings.ContrastTop});
    }
    if (settings.ContrastOpen) {
        NContrastClick();
    }
}

void TFMain::StoreContrastSettings(Settings& settings) const {
    const ContrastPair& pair = contrast_.Pair();
    settings.ContrastText = static_cast<std::int32_t>(RGB(pair.Text.R, pair.Text.G, pair.Text.B));
    settings.ContrastBack = static_cast<std::int32_t>(RGB(pair.Back.R, pair.Back.G, pair.Back.B));
    if (const auto place = contrast_.Place()) {
        settings.ContrastLeft = place->x;
        settings.ContrastTop = place->y;
    }
    settings.ContrastOpen = contrast_.IsOpen();
}

void TFMain::ContrastPickMouse(TFContrast::Side side, UINT message, HWND target) {
    const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    if (press && !pick_.IsPicking()) {
        contrastPickSide_ = side;
    }
    if (contrastPickSide_ != side) {
        return;  // the other target's pick, or the main window's
    }
    const ContrastPair& pair = contrast_.Pair();
    const Rgb8 before = side == TFContrast::Side::Text ? pair.Text : pair.Back;
    pick_.TargetMouse(target, message, RGB(before.R, before.G, before.B));
    if (!pick_.IsPicking()) {
        contrastPickSide_.reset();
    }
}

void TFMain::ShowContrastPick(COLORREF color) {
    RepaintMagnifier();
    contrast_.SetSideColor(*contrastPickSide_, RgbOf(static_cast<std::int32_t>(color)));
}

void TFMain::EndContrastPick(std::optional<COLORREF> color) {
    const TFContrast::Side side = *std::exchange(contrastPickSide_, std::nullopt);
    if (color) {
        contrast_.SetSideColor(side, RgbOf(static_cast<std::int32_t>(*color)));
    }
}

}  // namespace tintrel
