#include "sampler/global_pick_win.h"

#include <algorithm>
#include <stdexcept>

namespace tintrel {

namespace {

// ホットキーで色を取得できません
constexpr const char* kCannotHook =
    "\x83z\x83"
    "b\x83g\x83L\x81[\x82\xC5\x90"
    "F\x82\xF0\x8E\xE6\x93\xBE\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";

// The pick whose hooks are installed; the hooks are functions and find it here.
GlobalPick* hooked = nullptr;

// The system's cursors that windows choose from (OCR_NORMAL, OCR_IBEAM, OCR_WAIT, OCR_UP, the four
// sizing arrows, OCR_SIZEALL, OCR_NO, OCR_HAND, OCR_APPSTARTING, OCR_HELP), all of which show the
// cross while a pick runs: the windows under the pointer belong to other programs, which choose
// their own cursors.
constexpr DWORD kSystemCursors[] = {32512, 32513, 32514, 32516, 32642, 32643, 32644,
                                    32645, 32646, 32648, 32649, 32650, 32651};

bool ReplaceSystemCursors() {
    const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    bool replaced = false;
    for (const DWORD cursor : kSystemCursors) {
        // The system takes the copy over.
        replaced = SetSystemCursor(CopyCursor(cross), cursor) != FALSE || replaced;
    }
    return replaced;
}

void RestoreSystemCursors() {
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}

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
    return static_cast<LPARAM>(key) | (GetAsyncKeyState(VK_SHIFT) < 0 ? GlobalPick::kShiftFlag : 0);
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

GlobalPick::~GlobalPick() {
    if (active_) {
        Finish();
    }
    RemoveHooks();
}

void GlobalPick::Start(HWND window) {
    RemoveHooks();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    hooked = this;
    mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, &GlobalPick::MouseHook, instance, 0);
    keyboardHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, &GlobalPick::KeyboardHook, instance, 0);
    if (mouseHook_ == nullptr || keyboardHook_ == nullptr) {
        RemoveHooks();
        throw std::runtime_error(kCannotHook);
    }
    window_ = window;
    active_ = true;
    movePosted_ = false;
    heldButtons_ = 0;
    std::fill(std::begin(heldKeys_), std::end(heldKeys_), 0);
    cursorsReplaced_ = ReplaceSystemCursors();
}

void GlobalPick::Finish() {
    active_ = false;
    if (cursorsReplaced_) {
        RestoreSystemCursors();
        cursorsReplaced_ = false;
    }
    removalTimer_ = SetTimer(nullptr, 0, 1000, &GlobalPick::RemoveHooksLater);
    PostReleasedWhenNothingHeld();
}

void GlobalPick::RemoveHooks() {
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

void CALLBACK GlobalPick::RemoveHooksLater(HWND, UINT, UINT_PTR, DWORD) {
    if (hooked != nullptr && !hooked->active_) {
        hooked->RemoveHooks();
    }
}

LRESULT CALLBACK GlobalPick::MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && hooked != nullptr && hooked->OnMouse(wParam, *reinterpret_cast<MSLLHOOKSTRUCT*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK GlobalPick::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && hooked != nullptr && hooked->OnKey(wParam, *reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The hooks only decide and post: what the events cause runs in the window's own message handling,
// where GetCursorPos already gives the position a move brought.
bool GlobalPick::OnMouse(WPARAM message, const MSLLHOOKSTRUCT& event) {
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

bool GlobalPick::OnKey(WPARAM message, const KBDLLHOOKSTRUCT& event) {
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

void GlobalPick::Post(Event event, LPARAM detail) const {
    PostMessageW(window_, kMessage, static_cast<WPARAM>(event), detail);
}

void GlobalPick::PostReleasedWhenNothingHeld() {
    if (!active_ && heldButtons_ == 0 &&
        std::none_of(std::begin(heldKeys_), std::end(heldKeys_), [](unsigned char held) { return held != 0; })) {
        Post(Event::Released);
    }
}

}  // namespace tintrel
