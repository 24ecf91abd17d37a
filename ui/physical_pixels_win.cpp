#include "ui/physical_pixels_win.h"

namespace tintrel {

namespace {

// DPI_AWARENESS_CONTEXT and its values, which the headers declare only for Windows 10 and later.
using DpiAwarenessContext = HANDLE;
using SetThreadDpiAwarenessContextFunction = DpiAwarenessContext(WINAPI*)(DpiAwarenessContext);
const auto kPerMonitorAware = reinterpret_cast<DpiAwarenessContext>(-3);
const auto kPerMonitorAwareV2 = reinterpret_cast<DpiAwarenessContext>(-4);

// Looked up at run time, so that the program still starts on Windows versions without it.
SetThreadDpiAwarenessContextFunction SetThreadDpiAwarenessContextOrNull() {
    static const auto function = reinterpret_cast<SetThreadDpiAwarenessContextFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    return function;
}

}  // namespace

PhysicalPixelScope::PhysicalPixelScope() {
    const auto setContext = SetThreadDpiAwarenessContextOrNull();
    if (setContext == nullptr) {
        return;
    }
    previous_ = setContext(kPerMonitorAwareV2);
    if (previous_ == nullptr) {
        // Windows 10 before version 1703 knows only the first per-monitor awareness.
        previous_ = setContext(kPerMonitorAware);
    }
}

PhysicalPixelScope::~PhysicalPixelScope() {
    if (previous_ != nullptr) {
        SetThreadDpiAwarenessContextOrNull()(previous_);
    }
}

}  // namespace tintrel
