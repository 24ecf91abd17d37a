#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "sampler/pick_engine.h"
#include "sampler/pick_hooks_win.h"
#include "sampler/pick_view_win.h"
#include "ui/base_window_win.h"

namespace tintrel {

// What a window that picks colours off the screen gives a ScreenPick; every function is optional.
struct ScreenPickClient {
    // A pick starts.
    std::function<void()> Started;
    // Reads the screen around `at` (physical pixels) into the client's magnifier, from `frozen` when
    // it is given, and returns the colour a pick there takes; nothing when the screen cannot be read at
    // the moment. Throws Error when it cannot be read at all.
    std::function<std::optional<COLORREF>(ScreenPoint at, const FrozenScreen* frozen)> Sample;
    // Shows what the last Sample read: at most once a display refresh while the pointer moves.
    std::function<void(COLORREF color)> Show;
    // A pick that took no colour ended: the colour there was before it, nothing when there was none.
    std::function<void(std::optional<COLORREF> before)> PutBack;
    // A colour was taken from the screen.
    std::function<void(COLORREF color)> Taken;
    // The mouse wheel turned during a pick by `delta`.
    std::function<void(int delta)> Wheel;
    // The client's top-level window, kept in sight above the frozen screen.
    std::function<HWND()> Window;
};

// Picks colours off the screen for one client: by a drag from the client's pick target, which holds
// the mouse meanwhile, or from anywhere (the hot key, another process), heard through the system's
// hooks. During a pick Esc or a right click cancels, a left click, Enter or Space takes, the arrow
// keys steer the pointer, F freezes the screen or lets it go live again. The frozen screen's own window
// carries the cross; a pick from anywhere on the live screen shows it through the system's cursors.
class ScreenPick : public BaseWindow<ScreenPick> {
public:
    explicit ScreenPick(ScreenPickClient client);
    ~ScreenPick();

    // Creates the window that the pick's input and timers reach. Throws Error.
    void Create();

    // A mouse message of the pick target `target`: a press starts a drag (the left button's drag holds
    // the mouse), a move follows it, the release takes. `before` is what a cancel puts back.
    void TargetMouse(HWND target, UINT message, std::optional<COLORREF> before);
    // Starts a pick from anywhere, frozen at once when `frozen`; cancels one that runs from anywhere.
    // Throws Error when the hooks cannot be installed (nothing is left changed then).
    void ToggleAnywhere(std::optional<COLORREF> before, bool frozen);
    // Starts a pick from anywhere unless a pick runs.
    void StartAnywhere(std::optional<COLORREF> before, bool frozen);
    // The keys of a pick that reach the program's own message queue (a drag from the target, or a pick
    // from anywhere whose hooks the system removed): none reaches a control. True when taken.
    bool RouteKey(const MSG& message);
    // Ends a pick that runs as cancelled.
    void Cancel();

    bool IsPicking() const { return engine_.IsPicking(); }
    bool IsFrozen() const { return engine_.State() == PickState::Frozen; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    PickOutputs EngineOutputs();
    bool SetFrozen(bool frozen);
    void Ended();
    void HookEvent(PickHooks::Event event, LPARAM detail);
    void Poll();
    void ArmFrame();
    void Steer(WPARAM key, bool shift);

    ScreenPickClient client_;
    PickEngine engine_;
    PickHooks hooks_;
    PickView view_;
    HWND target_ = nullptr;  // the target that holds the mouse during its drag
};

}  // namespace tintrel
