#pragma once

#include <windows.h>

#include <utility>

namespace tintrel {

// Owns a window or menu handle and destroys it with itself.
template <class Handle, BOOL(WINAPI* Destroy)(Handle)>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    Handle Get() const { return handle_; }

    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Destroy(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

// A top-level window that no C++ object handles itself, such as a tool-tip window.
using OwnedWindow = OwnedHandle<HWND, DestroyWindow>;
using OwnedMenu = OwnedHandle<HMENU, DestroyMenu>;

}  // namespace tintrel
