#pragma once

#include <windows.h>

#include "sampler/hotkey_text.h"

namespace tintrel {

// A system-wide hot key held by a window for as long as this object holds it.
class HotKeyRegistration {
public:
    HotKeyRegistration() = default;
    ~HotKeyRegistration() { Unregister(); }
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;

    // Makes `hotKey` post WM_HOTKEY with `id` to `window`. False when the system refuses it, mostly
    // because another program holds the key (GetLastError tells).
    bool Register(HWND window, int id, const HotKey& hotKey);
    void Unregister();
    bool IsRegistered() const { return window_ != nullptr; }

private:
    HWND window_ = nullptr;
    int id_ = 0;
};

// The input of a pick that runs without the pick target holding the mouse, started from anywhere: the
// window that has the focus keeps it, and the system's hooks bring the pointer's moves and the keys and
// buttons that steer the pick. The presses that take or cancel the pick reach no other window, nor do
// their releases, however long they are held.
class PickHooks {
public:
    // What the hooks tell the window given to Start: a message kMessage with one of these as wParam.
    enum class Event : WPARAM {
        Move,      // the pointer moved; the next move is told once MoveHandled() has been called
        Take,      // a left click, Enter or Space: take the colour under the pointer
        Cancel,    // a right click or Esc: put back the colour there was before
        Wheel,     // lParam is the wheel's turn, in multiples of WHEEL_DELTA forward
        Steer,     // lParam is an arrow key, with kShiftFlag when Shift was held
        Freeze,    // F: freeze the screen, or let it go live again
        Released,  // the press that ended the pick has been released: RemoveHooks()
    };
    static constexpr UINT kMessage = WM_APP + 0x20;
    static constexpr LPARAM kShiftFlag = 0x10000;

    PickHooks() = default;
    ~PickHooks();
    PickHooks(const PickHooks&) = delete;
    PickHooks& operator=(const PickHooks&) = delete;

    // Starts a pick whose events go to `window`. Throws Error when the hooks cannot be
    // installed; nothing is left changed then.
    void Start(HWND window);
    // Ends the pick: the hooks go once the press that ended the pick has been released (or after half
    // a minute, should the hooks no longer hear it).
    void Finish();
    bool IsActive() const { return active_; }
    void MoveHandled() { movePosted_ = false; }
    void RemoveHooks();

private:
    static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK RemoveHooksLater(HWND, UINT, UINT_PTR, DWORD);
    bool OnMouse(WPARAM message, const MSLLHOOKSTRUCT& event);
    bool OnKey(WPARAM message, const KBDLLHOOKSTRUCT& event);
    void Post(Event event, LPARAM detail = 0) const;
    void PostReleasedWhenNothingHeld();

    HWND window_ = nullptr;
    HHOOK mouseHook_ = nullptr;
    HHOOK keyboardHook_ = nullptr;
    UINT_PTR removalTimer_ = 0;
    bool active_ = false;
    bool movePosted_ = false;
    // Releases still to be kept from other windows: mouse button-up messages, and keys by code.
    unsigned heldButtons_ = 0;
    unsigned char heldKeys_[256] = {};
};

}  // namespace tintrel
