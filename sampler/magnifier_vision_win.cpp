// The magnifier showing the screen as people with a colour-vision deficiency see it. Only what the box
// shows is simulated: the captured bitmap, which picks read, keeps the screen's own colours.
#include <string>

#include "color/contrast_text.h"
#include "sampler/magnifier_win.h"
#include "ui/fonts_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

void Magnifier::SetVision(ColorVision vision) {
    stale_ = stale_ || vision != vision_;
    vision_ = vision;
    SimulateVision();
}

HDC Magnifier::SourceDc() const {
    return vision_ != ColorVision::Normal && simulated_.Dc ? simulated_.Dc->Get() : magBitmap_.Dc->Get();
}

void Magnifier::SimulateVision() {
    if (vision_ == ColorVision::Normal || pixels_ == nullptr) {
        return;
    }
    if (!simulated_.Dc) {
        const WindowDC screen(nullptr);
        simulated_.Create(screen.Get(), CreatePixelBitmap(screen.Get(), size_, simulatedPixels_));
    }
    if (simulatedPixels_ == nullptr) {
        return;
    }
    // The screen is mostly runs of one colour: each run is worked out once.
    std::uint32_t lastIn = 0;
    std::uint32_t lastOut = 0;
    bool known = false;
    const auto count = static_cast<std::size_t>(size_.cx) * static_cast<std::size_t>(size_.cy);
    for (std::size_t index = 0; index < count; ++index) {
        const std::uint32_t pixel = pixels_[index] & 0x00FFFFFF;
        if (!known || pixel != lastIn) {
            const Rgb8 seen =
                SimulateColorVision(Rgb8{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                                         static_cast<std::uint8_t>(pixel)},
                                    vision_);
            lastIn = pixel;
            lastOut = static_cast<std::uint32_t>(seen.R) << 16 | static_cast<std::uint32_t>(seen.G) << 8 | seen.B;
            known = true;
        }
        simulatedPixels_[index] = lastOut;
    }
    GdiFlush();
}

void Magnifier::DrawVisionLabel(HDC dc) const {
    if (vision_ == ColorVision::Normal) {
        return;
    }
    const std::wstring label = WidenCp932(ColorVisionName(vision_));
    const ScopedSelect font(dc, FixedFont(dpi_));
    SIZE extent{};
    GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &extent);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, OPAQUE);
    const SIZE box = BoxSize();
    TextOutW(dc, dpi_(2), box.cy - extent.cy - dpi_(2), label.c_str(), static_cast<int>(label.size()));
}

}  // namespace tintrel
