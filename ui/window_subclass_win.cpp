#include "ui/window_subclass_win.h"

#include <string>

#include "base/error.h"
#include "ui/base_window_win.h"

namespace tintrel {

void WindowSubclass::Install(HWND window, SUBCLASSPROC procedure, DWORD_PTR object) {
    Remove();
    if (!SetWindowSubclass(window, procedure, 0, object)) {
        throw Error(std::string(kCannotCreateWindow));
    }
    window_ = window;
    procedure_ = procedure;
}

void WindowSubclass::Remove() {
    if (window_ != nullptr) {
        if (IsWindow(window_)) {
            RemoveWindowSubclass(window_, procedure_, 0);
        }
        window_ = nullptr;
    }
}

}  // namespace tintrel
