#include "sampler/pick_hooks_win.h"

#include <algorithm>

#include "base/error.h"

namespace tintrel {

namespace {

// ホットキーで色を取得できません
constexpr const char* kCannotHook =
    "\x83z\x83"
    "b\x83g\x83L\x81[\x82\xC5\x90"
    "F\x82\xF0\x8E\xE6\x93\xBE\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";

// The pick whose hooks are installed; the hooks are functions and find it here.
PickHooks* hooked = nullptr;

// How long the hooks wait after a pick for the release of the press that ended it.
constexpr UINT kReleaseWait = 30'000;

unsigned ButtonBit(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return 1;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return 2;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return 4;
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
            return 8;
        default:
            return 0;
    }
}

bool IsArrow(DWORD key) {
    return key >= VK_LEFT && key <= VK_DOWN;
}

LPARAM SteerDetail(DWORD key) {
    return static_cast<LPARAM>(key) | (GetAsyncKeyState(VK_SHIFT) < 0 ? PickHooks::kShiftFlag : 0);
}

bool IsButtonDown(WPARAM message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
}

}  // namespace

bool HotKeyRegistration::Register(HWND window, int id, const HotKey& hotKey) {
    Unregister();
    if (!RegisterHotKey(window, id, hotKey.Modifiers | MOD_NOREPEAT, hotKey.Key)) {
        return false;
    }
    window_ = window;
    id_ = id;
    return true;
}

void HotKeyRegistration::Unregister() {
    if (window_ != nullptr) {
        UnregisterHotKey(window_, id_);
        window_ = nullptr;
    }
}

PickHooks::~PickHooks() {
    if (active_) {
        Finish();
    }
    RemoveHooks();
}

void PickHooks::Start(HWND window) {
    RemoveHooks();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    hooked = this;
    mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, &PickHooks::MouseHook, instance, 0);
    keyboardHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, &PickHooks::KeyboardHook, instance, 0);
    if (mouseHook_ == nullptr || keyboardHook_ == nullptr) {
        RemoveHooks();
        throw Error(kCannotHook);
    }
    window_ = window;
    active_ = true;
    movePosted_ = false;
    heldButtons_ = 0;
    std::fill(std::begin(heldKeys_), std::end(heldKeys_), 0);
}

void PickHooks::Finish() {
    active_ = false;
    removalTimer_ = SetTimer(nullptr, 0, kReleaseWait, &PickHooks::RemoveHooksLater);
    PostReleasedWhenNothingHeld();
}

void PickHooks::RemoveHooks() {
    if (removalTimer_ != 0) {
        KillTimer(nullptr, removalTimer_);
        removalTimer_ = 0;
    }
    if (mouseHook_ != nullptr) {
        UnhookWindowsHookEx(mouseHook_);
        mouseHook_ = nullptr;
    }
    if (keyboardHook_ != nullptr) {
        UnhookWindowsHookEx(keyboardHook_);
        keyboardHook_ = nullptr;
    }
    if (hooked == this) {
        hooked = nullptr;
    }
}

void CALLBACK PickHooks::RemoveHooksLater(HWND, UINT, UINT_PTR, DWORD) {
    if (hooked != nullptr && !hooked->active_) {
        hooked->RemoveHooks();
    }
}

LRESULT CALLBACK PickHooks::MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && hooked != nullptr && hooked->OnMouse(wParam, *reinterpret_cast<MSLLHOOKSTRUCT*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PickHooks::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && hooked != nullptr && hooked->OnKey(wParam, *reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The hooks only decide and post: what the events cause runs in the window's own message handling,
// where GetCursorPos already gives the position a move brought.
bool PickHooks::OnMouse(WPARAM message, const MSLLHOOKSTRUCT& event) {
    const unsigned button = ButtonBit(message);
    if (button != 0 && !IsButtonDown(message)) {
        const bool held = (heldButtons_ & button) != 0;
        heldButtons_ &= ~button;
        if (held) {
            PostReleasedWhenNothingHeld();
        }
        return held;
    }
    if (!active_) {
        return false;
    }
    if (button != 0) {
        heldButtons_ |= button;
        if (message == WM_LBUTTONDOWN) {
            Post(Event::Take);
        } else if (message == WM_RBUTTONDOWN) {
            Post(Event::Cancel);
        }
        return true;
    }
    if (message == WM_MOUSEWHEEL) {
        Post(Event::Wheel, static_cast<short>(HIWORD(event.mouseData)));
        return true;
    }
    if (message == WM_MOUSEMOVE && !movePosted_) {
        movePosted_ = true;
        Post(Event::Move);
    }
    return false;
}

bool PickHooks::OnKey(WPARAM message, const KBDLLHOOKSTRUCT& event) {
    const DWORD key = event.vkCode & 0xFF;
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (heldKeys_[key] != 0) {
        // A held key repeats its press until released; neither reaches another window. An arrow key
        // steers again at every repeat.
        if (!down) {
            heldKeys_[key] = 0;
            PostReleasedWhenNothingHeld();
        } else if (active_ && IsArrow(key)) {
            Post(Event::Steer, SteerDetail(key));
        }
        return true;
    }
    if (!active_ || !down) {
        return false;
    }
    switch (key) {
        case VK_RETURN:
        case VK_SPACE:
            Post(Event::Take);
            break;
        case VK_ESCAPE:
            Post(Event::Cancel);
            break;
        case 'F':
            Post(Event::Freeze);
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            Post(Event::Steer, SteerDetail(key));
            break;
        default:
            return false;
    }
    heldKeys_[key] = 1;
    return true;
}

void PickHooks::Post(Event event, LPARAM detail) const {
    PostMessageW(window_, kMessage, static_cast<WPARAM>(event), detail);
}

void PickHooks::PostReleasedWhenNothingHeld() {
    if (!active_ && heldButtons_ == 0 &&
        std::none_of(std::begin(heldKeys_), std::end(heldKeys_), [](unsigned char held) { return held != 0; })) {
        Post(Event::Released);
    }
}

}  // namespace tintrel
