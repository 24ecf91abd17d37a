#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "sampler/capture_geometry.h"
#include "ui/base_window_win.h"
#include "ui/gdi_handles_win.h"

namespace tintrel {

// Every monitor as it was at one moment, each at its physical pixels and placed where it is on the
// virtual screen; what lies between monitors is black.
class FrozenScreen {
public:
    // Throws Error when the screen cannot be read or the picture not kept.
    FrozenScreen();
    FrozenScreen(const FrozenScreen&) = delete;
    FrozenScreen& operator=(const FrozenScreen&) = delete;

    // A drawing context holding the picture: its (0, 0) is the virtual screen's top-left corner.
    HDC Dc() const { return dc_->Get(); }
    const ScreenRect& Bounds() const { return bounds_; }

private:
    ScreenRect bounds_;
    Bitmap picture_;
    std::unique_ptr<MemoryDC> dc_;
    std::unique_ptr<ScopedSelect> selection_;
};

// The frozen screen shown across the whole virtual screen, borderless and above every other window: it
// gives the pointer the cross wherever it goes, changing no cursor of the system.
class PickView : public BaseWindow<PickView> {
public:
    // A press of the left (WM_LBUTTONDOWN) or right button that reached the window: one that the pick's
    // hooks would have kept from it, had they still been there.
    std::function<void(UINT button)> OnPress;

    ~PickView();

    // Freezes the screen as it is and shows it, with `keepInSight` (a top-level window, or nullptr)
    // above it until Hide; throws Error when the screen cannot be read.
    void ShowFrozen(HWND keepInSight);
    // Lets the frozen picture go and destroys the window.
    void Hide();
    // The picture shown, nullptr while live.
    const FrozenScreen* Frozen() const { return frozen_.get(); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    void CreateOver(const ScreenRect& bounds);

    std::unique_ptr<FrozenScreen> frozen_;
    HWND keptInSight_ = nullptr;
    bool keptWasTopmost_ = false;
};

}  // namespace tintrel
