#include "tests/real_input_win.h"

#include <vector>

namespace tintrel::testing_win {

void SendMouseAt(POINT screen, DWORD buttons, int wheelDelta) {
    INPUT event{};
    event.type = INPUT_MOUSE;
    event.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    event.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    event.mi.mouseData = static_cast<DWORD>(wheelDelta);
    event.mi.dwFlags = buttons | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &event, sizeof(INPUT));
}

void SendKey(WORD key, bool shift, bool control, bool alt) {
    std::vector<INPUT> events;
    const auto add = [&events](WORD virtualKey, DWORD flags) {
        INPUT event{};
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = virtualKey;
        event.ki.dwFlags = flags;
        events.push_back(event);
    };
    if (control) {
        add(VK_CONTROL, 0);
    }
    if (alt) {
        add(VK_MENU, 0);
    }
    if (shift) {
        add(VK_SHIFT, 0);
    }
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift) {
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    }
    if (alt) {
        add(VK_MENU, KEYEVENTF_KEYUP);
    }
    if (control) {
        add(VK_CONTROL, KEYEVENTF_KEYUP);
    }
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

}  // namespace tintrel::testing_win
