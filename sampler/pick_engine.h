#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "sampler/capture_geometry.h"

namespace tintrel {

// A colour as the screen gives it: 0x00BBGGRR.
using ScreenColor = std::uint32_t;
// Milliseconds of a clock that only moves forward.
using PickClock = std::uint64_t;

enum class PickState { Idle, Live, Frozen };

// How a pick began: a press on a pick target that then holds the mouse, or from anywhere (the hot key,
// another process) with the pointer where it is.
enum class PickKind { Target, Anywhere };

enum class PickEnd {
    Taken,
    Cancelled,    // Esc, a right click
    HotKeyAgain,  // the key that starts a pick from anywhere, pressed during one
    InputLost,    // the pointer moved and the pick was not told, or the mouse was taken from the target
    TimedOut,     // nothing happened for a long time: the input is most likely lost too
    Failed,       // the screen could not be read
};

// What a pick does; every function is optional.
struct PickOutputs {
    // Reads the screen around `at` (the live screen, or the picture frozen at the last freeze) and
    // returns the colour a pick there takes; nothing when the screen cannot be read at the moment. May
    // throw when it cannot be read at all: the pick then ends as failed.
    std::function<std::optional<ScreenColor>(ScreenPoint at, bool frozen)> Sample;
    // Shows what the last Sample read.
    std::function<void(ScreenColor color)> Show;
    // A pick that did not take its colour ends: the colour there was before it (nothing when none).
    std::function<void(std::optional<ScreenColor> before)> PutBack;
    // A colour was taken from the screen.
    std::function<void(ScreenColor color)> Taken;
    // Freezes the screen (true) or goes back to it live; false when it could not be done.
    std::function<bool(bool frozen)> SetFrozen;
    // Moves the pointer to `to` and returns where it is then (the screen may keep it from going so far).
    std::function<ScreenPoint(ScreenPoint to)> MovePointer;
    // The wheel turned by `delta` (WHEEL_DELTA a notch).
    std::function<void(int delta)> Wheel;
    // The pick has ended (after PutBack or Taken, and after the frozen picture has gone).
    std::function<void(PickEnd end)> Ended;
};

// How often a pick shows, and when it gives up on input that has gone missing.
struct PickTiming {
    PickClock FrameInterval = 16;     // one display refresh
    PickClock MovedUnheard = 500;     // the pointer stays away from where the last move put it
    PickClock SilenceLimit = 30'000;  // no event at all
};

// A pick of a colour off the screen as a state machine: events in, PickOutputs out. The pointer's
// moves are shown at most once a frame, always ending on the last one; a take reads the pixel under
// the pointer at that moment.
class PickEngine {
public:
    explicit PickEngine(PickOutputs outputs, PickTiming timing = {});

    // Starts a pick unless one runs; `before` is the colour a cancelled pick puts back.
    void Start(PickKind kind, ScreenPoint pointer, std::optional<ScreenColor> before, bool frozen, PickClock now);
    void Move(ScreenPoint pointer, PickClock now);
    // A frame is due, with the pointer where it is now: shows there if a move has not been shown, or
    // if the pointer has since left the place shown (a move's position can be stale by the time it is
    // handled).
    void Frame(ScreenPoint pointer, PickClock now);
    // Now and then, with the pointer where it is now: shows there if the pointer is not where the
    // last frame showed, as after a move that was never told.
    void Refresh(ScreenPoint pointer, PickClock now);
    void Take(ScreenPoint pointer, PickClock now);
    void Cancel(PickClock now);
    void Wheel(int delta, PickClock now);
    void Steer(int dx, int dy, PickClock now);
    void ToggleFreeze(PickClock now);
    // The start key pressed again: ends a pick from anywhere as cancelled; a pick on a target goes on.
    void HotKeyAgain(PickClock now);
    // The mouse left the target's hold while it picked.
    void InputLost(PickClock now);
    // Asked now and then with where the pointer is: ends a pick whose input has gone missing.
    void Poll(ScreenPoint pointer, PickClock now);

    PickState State() const { return state_; }
    bool IsPicking() const { return state_ != PickState::Idle; }
    PickKind Kind() const { return kind_; }
    // When Frame should be called: after every move.
    std::optional<PickClock> FrameDue() const;

private:
    void Heard(ScreenPoint pointer, PickClock now);
    void ShowAt(ScreenPoint pointer, PickClock now);
    std::optional<ScreenColor> SampleAt(ScreenPoint pointer);
    void Finish(PickEnd end);

    PickOutputs out_;
    PickTiming timing_;
    PickState state_ = PickState::Idle;
    PickKind kind_ = PickKind::Target;
    std::optional<ScreenColor> before_;
    std::optional<ScreenColor> lastShown_;
    ScreenPoint pointer_;
    ScreenPoint shownAt_;
    bool moveUnshown_ = false;
    bool settle_ = false;
    std::optional<PickClock> lastFrame_;
    PickClock lastEvent_ = 0;
    std::optional<PickClock> unheardSince_;
};

}  // namespace tintrel
