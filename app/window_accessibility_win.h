#pragma once

#include <windows.h>

#include <array>

#include "ui/accessible_win.h"

namespace tintrel {

class TFMain;

// Names, roles and values for assistive technology of the main window's controls that the platform
// does not describe (the drawn magnifier, pick target and swatch) or describes without a name (the
// template list and the read-only fields). The palette's surface describes itself.
class MainFormAccessibility {
public:
    // Throws std::runtime_error when a control cannot be hooked.
    void Attach(const TFMain& form);

    // Tells assistive technology that the swatch's colour changed, so that a screen reader reads the
    // new colour text: after every pick, whatever made it.
    void AnnouncePick() const;

private:
    enum { Magnifier, PickTarget, Swatch, Format, Text, kFirstComponent, kControlCount = kFirstComponent + 7 };

    std::array<AccessibleControl, kControlCount> controls_;
    HWND swatch_ = nullptr;
};

}  // namespace tintrel
