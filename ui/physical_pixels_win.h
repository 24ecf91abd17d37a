#pragma once

#include <windows.h>

namespace tintrel {

// While it lives, the calling thread sees the screen in physical pixels, whatever the DPI awareness of
// the program's windows: the pointer position, the screen metrics and the screen's drawing context are
// then those of the monitors themselves, also at display scaling and across monitors of different DPI.
// The thread's previous awareness is restored on leaving the scope. Where Windows has no per-thread
// awareness (before Windows 10 version 1607), it does nothing.
class PhysicalPixelScope {
public:
    PhysicalPixelScope();
    ~PhysicalPixelScope();
    PhysicalPixelScope(const PhysicalPixelScope&) = delete;
    PhysicalPixelScope& operator=(const PhysicalPixelScope&) = delete;

private:
    HANDLE previous_ = nullptr;
};

}  // namespace tintrel
