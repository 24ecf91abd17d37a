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
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (picker_.IsPicking()) {
                return;
            }
            contrastPickSide_ = side;
            picker_.Start(message, target);
            SampleWhilePicking();
            break;
        case WM_MOUSEMOVE:
            if (picker_.IsPicking() && contrastPickSide_ == side) {
                SampleWhilePicking();
            }
            break;
        default:
            if (contrastPickSide_ == side) {
                picker_.Finish(message);
                if (!picker_.IsPicking()) {
                    contrastPickSide_.reset();
                    // A colour taken off the screen for the pair is a pick like any other.
                    const ContrastPair& pair = contrast_.Pair();
                    const Rgb8 taken = side == TFContrast::Side::Text ? pair.Text : pair.Back;
                    RecordPick(static_cast<ColorRef>(RGB(taken.R, taken.G, taken.B)));
                }
            }
            break;
    }
}

void TFMain::SampleForContrast() {
    const std::optional<COLORREF> picked = magnifier_.Capture();
    if (!picked) {
        return;
    }
    RepaintMagnifier();
    contrast_.SetSideColor(*contrastPickSide_, RgbOf(static_cast<std::int32_t>(*picked)));
}

}  // namespace tintrel
