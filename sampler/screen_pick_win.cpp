#include "sampler/screen_pick_win.h"

#include <algorithm>

#include "sampler/screen_capture_win.h"
#include "sampler/system_cursors_win.h"
#include "ui/message_box_win.h"
#include "ui/screen_cursor_win.h"

namespace tintrel {

namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT_PTR kPollTimer = 2;
constexpr UINT kPollMilliseconds = 250;

PickClock Now() {
    return GetTickCount64();
}

PickTiming DisplayTiming() {
    const WindowDC screen(nullptr);
    const int refresh = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), VREFRESH) : 0;
    PickTiming timing;
    // 0 and 1 stand for the hardware's default rate.
    if (refresh > 1) {
        timing.FrameInterval = std::max<PickClock>(1, 1000 / static_cast<PickClock>(refresh));
    }
    return timing;
}

// Where the pointer is, in physical pixels; where it was last seen while it cannot be read (on the
// lock screen).
// Where an arrow key last put the pointer, until the system reports it there or a short while has
// passed: under load the system keeps reporting the old place for a moment after the move, and a pick
// must neither show that place again nor take the next step from it.
struct SteeredPointer {
    ScreenPoint To;
    PickClock Until = 0;
};
std::optional<SteeredPointer> steered;
constexpr PickClock kSteerSettleMilliseconds = 500;

ScreenPoint PointerNow() {
    static ScreenPoint last;
    if (const std::optional<ScreenPoint> pointer = PointerOnScreen()) {
        last = *pointer;
    }
    if (steered) {
        if (!(last == steered->To) && Now() < steered->Until) {
            return steered->To;
        }
        steered.reset();
    }
    return last;
}

ScreenPoint SteerPointerTo(ScreenPoint to) {
    const ScreenPoint moved = MovePointerTo(to);
    steered = SteeredPointer{moved, Now() + kSteerSettleMilliseconds};
    return moved;
}

HCURSOR Cross() {
    static const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    return cross;
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

}  // namespace

ScreenPick::ScreenPick(ScreenPickClient client)
    : client_(std::move(client)), engine_(EngineOutputs(), DisplayTiming()) {
    view_.OnPress = [this](UINT button) {
        RunGuarded([&] { button == WM_LBUTTONDOWN ? engine_.Take(PointerNow(), Now()) : engine_.Cancel(Now()); });
    };
}

ScreenPick::~ScreenPick() {
    DestroyOwnWindow();
}

void ScreenPick::Create() {
    const LPCWSTR className = RegisterWindowClassOnce(L"TintrelScreenPick", &ScreenPick::WindowProc, nullptr, nullptr);
    CreateWindowChecked(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, this);
}

PickOutputs ScreenPick::EngineOutputs() {
    return PickOutputs{
        .Sample = [this](ScreenPoint at, bool frozen) -> std::optional<ScreenColor> {
            if (!client_.Sample) {
                return std::nullopt;
            }
            return client_.Sample(at, frozen ? view_.Frozen() : nullptr);
        },
        .Show =
            [this](ScreenColor color) {
                if (client_.Show) {
                    client_.Show(color);
                }
            },
        .PutBack =
            [this](std::optional<ScreenColor> before) {
                if (client_.PutBack) {
                    client_.PutBack(before);
                }
            },
        .Taken =
            [this](ScreenColor color) {
                if (client_.Taken) {
                    client_.Taken(color);
                }
            },
        .SetFrozen = [this](bool frozen) { return SetFrozen(frozen); },
        .MovePointer = [](ScreenPoint to) { return SteerPointerTo(to); },
        .Wheel =
            [this](int delta) {
                if (client_.Wheel) {
                    client_.Wheel(delta);
                }
            },
        .Ended = [this](PickEnd) { Ended(); },
    };
}

void ScreenPick::TargetMouse(HWND target, UINT message, std::optional<COLORREF> before) {
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        if (IsPicking()) {
            return;
        }
        SetScreenCursor(Cross());
        if (message == WM_LBUTTONDOWN) {
            target_ = target;
            SetCapture(target);
        }
        SetTimer(hwnd_, kPollTimer, kPollMilliseconds, nullptr);
        if (client_.Started) {
            client_.Started();
        }
        engine_.Start(PickKind::Target, PointerNow(), before, false, Now());
    } else if (!IsPicking() || engine_.Kind() != PickKind::Target) {
        return;
    } else if (message == WM_MOUSEMOVE) {
        engine_.Move(PointerNow(), Now());
        ArmFrame();
    } else if (IsButtonUp(message)) {
        engine_.Take(PointerNow(), Now());
    }
}

void ScreenPick::ToggleAnywhere(std::optional<COLORREF> before, bool frozen) {
    if (IsPicking()) {
        engine_.HotKeyAgain(Now());
        return;
    }
    StartAnywhere(before, frozen);
}

void ScreenPick::StartAnywhere(std::optional<COLORREF> before, bool frozen) {
    if (IsPicking()) {
        return;
    }
    hooks_.Start(hwnd_);
    if (!frozen) {
        ShowCrossEverywhere();
    }
    SetTimer(hwnd_, kPollTimer, kPollMilliseconds, nullptr);
    if (client_.Started) {
        client_.Started();
    }
    engine_.Start(PickKind::Anywhere, PointerNow(), before, frozen, Now());
}

void ScreenPick::Cancel() {
    engine_.Cancel(Now());
}

bool ScreenPick::SetFrozen(bool frozen) {
    const bool anywhere = engine_.IsPicking() && engine_.Kind() == PickKind::Anywhere;
    if (frozen) {
        view_.ShowFrozen(client_.Window ? client_.Window() : nullptr);  // the frozen view carries the cross itself
        RestoreSystemCursors();
    } else {
        view_.Hide();
        if (anywhere) {
            ShowCrossEverywhere();
        }
    }
    return true;
}

void ScreenPick::Ended() {
    KillTimer(hwnd_, kFrameTimer);
    KillTimer(hwnd_, kPollTimer);
    view_.Hide();
    RestoreSystemCursors();
    if (hooks_.IsActive()) {
        hooks_.Finish();
    }
    if (target_ != nullptr && GetCapture() == target_) {
        ReleaseCapture();
    }
    target_ = nullptr;
    SetScreenCursor(nullptr);
}

bool ScreenPick::RouteKey(const MSG& message) {
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (!IsPicking() || !(down || message.message == WM_KEYUP || message.message == WM_SYSKEYUP)) {
        return false;
    }
    const WPARAM key = message.wParam;
    const bool arrow = key >= VK_LEFT && key <= VK_DOWN;
    if (!arrow && key != VK_ESCAPE && key != VK_RETURN && key != VK_SPACE && key != 'F') {
        return false;
    }
    if (down) {
        RunGuarded([&] {
            if (arrow) {
                Steer(key, GetKeyState(VK_SHIFT) < 0);
            } else if (key == VK_ESCAPE) {
                engine_.Cancel(Now());
            } else if (key == 'F') {
                if ((message.lParam & 0x40000000) == 0) {  // not a repeat of a held key
                    engine_.ToggleFreeze(Now());
                }
            } else {
                engine_.Take(PointerNow(), Now());
            }
        });
    }
    return true;
}

void ScreenPick::Steer(WPARAM key, bool shift) {
    const int step = shift ? 10 : 1;
    engine_.Steer(key == VK_LEFT ? -step : (key == VK_RIGHT ? step : 0),
                  key == VK_UP ? -step : (key == VK_DOWN ? step : 0), Now());
    ArmFrame();
}

void ScreenPick::HookEvent(PickHooks::Event event, LPARAM detail) {
    if (event == PickHooks::Event::Released) {
        // Unless a new pick has started since, whose hooks these are now.
        if (!hooks_.IsActive()) {
            hooks_.RemoveHooks();
        }
        return;
    }
    if (!hooks_.IsActive() || !IsPicking()) {
        return;  // told before the pick ended, handled after it
    }
    switch (event) {
        case PickHooks::Event::Move:
            hooks_.MoveHandled();
            engine_.Move(PointerNow(), Now());
            ArmFrame();
            break;
        case PickHooks::Event::Take:
            engine_.Take(PointerNow(), Now());
            break;
        case PickHooks::Event::Cancel:
            engine_.Cancel(Now());
            break;
        case PickHooks::Event::Wheel:
            engine_.Wheel(static_cast<int>(detail), Now());
            break;
        case PickHooks::Event::Steer:
            Steer(static_cast<WPARAM>(detail & 0xFF), (detail & PickHooks::kShiftFlag) != 0);
            break;
        case PickHooks::Event::Freeze:
            engine_.ToggleFreeze(Now());
            break;
        default:
            break;
    }
}

void ScreenPick::Poll() {
    if (engine_.Kind() == PickKind::Anywhere) {
        engine_.Poll(PointerNow(), Now());
    } else if (target_ != nullptr && GetCapture() != target_) {
        engine_.InputLost(Now());
    }
    // A target's pick without the mouse held hears only the moves over the target, and shows only them.
    if (engine_.Kind() == PickKind::Anywhere || target_ != nullptr) {
        engine_.Refresh(PointerNow(), Now());
    }
}

void ScreenPick::ArmFrame() {
    const std::optional<PickClock> due = engine_.FrameDue();
    if (!due) {
        return;
    }
    const PickClock now = Now();
    SetTimer(hwnd_, kFrameTimer, static_cast<UINT>(*due > now ? *due - now : USER_TIMER_MINIMUM), nullptr);
}

LRESULT ScreenPick::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case PickHooks::kMessage:
            RunGuarded([&] { HookEvent(static_cast<PickHooks::Event>(wParam), lParam); });
            return 0;
        case WM_TIMER:
            if (wParam == kFrameTimer) {
                KillTimer(hwnd_, kFrameTimer);
                RunGuarded([this] { engine_.Frame(PointerNow(), Now()); });
            } else if (wParam == kPollTimer) {
                RunGuarded([this] { Poll(); });
            }
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace tintrel
