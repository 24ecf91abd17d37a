// A pick as sequences of events and what they show, take, put back and end with: the screen is a
// fake whose pixel (x, y) has a colour of its own, which changes when the screen "changes".
#include "sampler/pick_engine.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

enum class Ev {
    StartTarget,
    StartAnywhere,
    StartFrozen,
    Move,
    Frame,
    Refresh,
    Take,
    Cancel,
    Wheel,
    Steer,
    Freeze,
    HotKey,
    Lost,
    Poll,
    ScreenChanges,
    ScreenFails
};

struct Event {
    Ev Kind;
    int X = 0;  // the pointer, the wheel's turn or the steering's dx
    int Y = 0;
    PickClock At = 0;
};

// The screen's colour at (x, y) in its version: what a log shows as "x,y" or "x,y'v".
ScreenColor ColorOf(int x, int y, int version) {
    return static_cast<ScreenColor>(version << 20 | x << 10 | y);
}

std::string Text(ScreenColor color) {
    std::string text = std::to_string(color >> 10 & 0x3FF) + "," + std::to_string(color & 0x3FF);
    if ((color >> 20) != 0) {
        text += "'" + std::to_string(color >> 20);
    }
    return text;
}

const char* Text(PickEnd end) {
    constexpr const char* kEnds[] = {"taken", "cancelled", "hotkey", "lost", "timeout", "failed"};
    return kEnds[static_cast<int>(end)];
}

// Replays `events` and returns the log of what the engine did, one entry a output, and its state at the end.
std::string Replay(const std::vector<Event>& events, std::optional<ScreenColor> before = ColorOf(1, 1, 0)) {
    std::string log;
    int version = 0;
    int frozenVersion = 0;
    bool fails = false;
    ScreenPoint pointer;
    const auto add = [&log](const std::string& entry) { log += (log.empty() ? "" : " ") + entry; };
    PickEngine engine(PickOutputs{
        .Sample = [&](ScreenPoint at, bool frozen) -> std::optional<ScreenColor> {
            if (fails) {
                throw std::runtime_error("unreadable");
            }
            if (at.X < 0) {
                return std::nullopt;  // as on the lock screen
            }
            return ColorOf(at.X, at.Y, frozen ? frozenVersion : version);
        },
        .Show = [&](ScreenColor color) { add("show " + Text(color)); },
        .PutBack = [&](std::optional<ScreenColor> color) { add("back " + (color ? Text(*color) : "none")); },
        .Taken = [&](ScreenColor color) { add("take " + Text(color)); },
        .SetFrozen =
            [&](bool frozen) {
                frozenVersion = version;
                add(frozen ? "freeze" : "thaw");
                return true;
            },
        .MovePointer =
            [&](ScreenPoint to) {
                pointer = ScreenPoint{std::max(to.X, 0), to.Y};
                return pointer;
            },
        .Wheel = [&](int delta) { add("wheel " + std::to_string(delta)); },
        .Ended = [&](PickEnd end) { add(std::string("end ") + Text(end)); },
    });
    for (const Event& event : events) {
        const ScreenPoint at{event.X, event.Y};
        try {
            switch (event.Kind) {
                case Ev::StartTarget:
                case Ev::StartAnywhere:
                case Ev::StartFrozen:
                    pointer = at;
                    engine.Start(event.Kind == Ev::StartTarget ? PickKind::Target : PickKind::Anywhere, at, before,
                                 event.Kind == Ev::StartFrozen, event.At);
                    break;
                case Ev::Move:
                    pointer = at;
                    engine.Move(at, event.At);
                    break;
                case Ev::Frame:
                    engine.Frame(at, event.At);
                    break;
                case Ev::Refresh:
                    engine.Refresh(at, event.At);
                    break;
                case Ev::Take:
                    engine.Take(at, event.At);
                    break;
                case Ev::Cancel:
                    engine.Cancel(event.At);
                    break;
                case Ev::Wheel:
                    engine.Wheel(event.X, event.At);
                    break;
                case Ev::Steer:
                    engine.Steer(event.X, event.Y, event.At);
                    break;
                case Ev::Freeze:
                    engine.ToggleFreeze(event.At);
                    break;
                case Ev::HotKey:
                    engine.HotKeyAgain(event.At);
                    break;
                case Ev::Lost:
                    engine.InputLost(event.At);
                    break;
                case Ev::Poll:
                    engine.Poll(at, event.At);
                    break;
                case Ev::ScreenChanges:
                    ++version;
                    break;
                case Ev::ScreenFails:
                    fails = true;
                    break;
            }
        } catch (const std::runtime_error&) {
            add("error");
        }
    }
    const char* states[] = {"idle", "live", "frozen"};
    add(std::string("| ") + states[static_cast<int>(engine.State())]);
    return log;
}

struct Case {
    const char* Name;
    std::vector<Event> Events;
    const char* Expected;
};

TEST(PickEngine, EventSequencesAndWhatTheyShowTakeAndEndWith) {
    using enum Ev;
    const Case cases[] = {
        {"a drag from the target shows where it starts and takes where it is released",
         {{StartTarget, 10, 20}, {Move, 11, 20, 100}, {Take, 12, 21, 200}},
         "show 10,20 show 11,20 show 12,21 take 12,21 end taken | idle"},
        {"moves within one frame show once, the last of them, when the frame comes",
         {{StartAnywhere, 10, 20}, {Move, 11, 20, 5}, {Move, 12, 20, 9}, {Frame, 12, 20, 16}, {Frame, 12, 20, 32}},
         "show 10,20 show 12,20 | live"},
        {"a frame shows where the pointer is by then, also after a move shown at once",
         {{StartAnywhere, 10, 20}, {Move, 11, 20, 20}, {Frame, 15, 20, 36}, {Frame, 16, 20, 52}},
         "show 10,20 show 11,20 show 15,20 | live"},
        {"a move a frame after the last shows at once",
         {{StartAnywhere, 10, 20}, {Move, 11, 20, 16}, {Move, 12, 20, 40}},
         "show 10,20 show 11,20 show 12,20 | live"},
        {"a refresh shows where the pointer has gone untold, and does not count as hearing it",
         {{StartAnywhere, 10, 20},
          {Refresh, 10, 20, 100},
          {Refresh, 30, 20, 200},
          {Poll, 30, 20, 300},
          {Poll, 30, 20, 800}},
         "show 10,20 show 30,20 back 1,1 end lost | idle"},
        {"a take reads the pixel under the click, not the last shown",
         {{StartAnywhere, 10, 20}, {Move, 11, 20, 5}, {ScreenChanges}, {Take, 11, 20, 6}},
         "show 10,20 show 11,20'1 take 11,20'1 end taken | idle"},
        {"a take where nothing can be read takes the last colour shown",
         {{StartAnywhere, 10, 20}, {Take, -1, 20, 6}},
         "show 10,20 take 10,20 end taken | idle"},
        {"a take with nothing ever read cancels",
         {{StartAnywhere, -1, 20}, {Take, -1, 20, 6}},
         "back 1,1 end cancelled | idle"},
        {"a cancel puts back the colour of before",
         {{StartAnywhere, 10, 20}, {Cancel}},
         "show 10,20 back 1,1 end cancelled | idle"},
        {"the hot key again cancels a pick from anywhere",
         {{StartAnywhere, 10, 20}, {HotKey}},
         "show 10,20 back 1,1 end hotkey | idle"},
        {"the hot key leaves a drag from the target alone", {{StartTarget, 10, 20}, {HotKey}}, "show 10,20 | live"},
        {"a start during a pick is ignored",
         {{StartAnywhere, 10, 20}, {StartTarget, 30, 30}, {StartFrozen, 40, 40}},
         "show 10,20 | live"},
        {"the target losing the mouse cancels", {{StartTarget, 10, 20}, {Lost}}, "show 10,20 back 1,1 end lost | idle"},
        {"the pointer away from the last heard move for half a second ends the pick",
         {{StartAnywhere, 10, 20}, {Poll, 10, 20, 250}, {Poll, 50, 50, 500}, {Poll, 50, 50, 750}, {Poll, 50, 50, 1000}},
         "show 10,20 back 1,1 end lost | idle"},
        {"a move heard meanwhile keeps the pick",
         {{StartAnywhere, 10, 20},
          {Poll, 50, 50, 500},
          {Move, 50, 50, 700},
          {Poll, 50, 50, 1000},
          {Poll, 50, 50, 2000}},
         "show 10,20 show 50,50 | live"},
        {"thirty seconds without any event end the pick, a wheel turn counts as one",
         {{StartAnywhere, 10, 20}, {Wheel, 120, 0, 20'000}, {Poll, 10, 20, 49'999}, {Poll, 10, 20, 50'000}},
         "show 10,20 wheel 120 back 1,1 end timeout | idle"},
        {"F freezes: the picture of that moment is read until F again",
         {{StartAnywhere, 10, 20},
          {Freeze, 0, 0, 5},
          {ScreenChanges},
          {Move, 11, 20, 40},
          {Freeze, 0, 0, 80},
          {Move, 12, 20, 120}},
         "show 10,20 freeze show 10,20 show 11,20 thaw show 11,20'1 show 12,20'1 | live"},
        {"a frozen pick takes from the picture and lets it go",
         {{StartFrozen, 10, 20}, {ScreenChanges}, {Move, 11, 20, 40}, {Take, 11, 20, 90}},
         "freeze show 10,20 show 11,20 show 11,20 thaw take 11,20 end taken | idle"},
        {"a frozen pick cancelled by the hot key lets the picture go first",
         {{StartFrozen, 10, 20}, {HotKey}},
         "freeze show 10,20 thaw back 1,1 end hotkey | idle"},
        {"steering moves the pointer and shows there",
         {{StartAnywhere, 10, 20}, {Steer, 10, 0, 50}, {Steer, 0, -1, 51}, {Frame, 20, 19, 70}},
         "show 10,20 show 20,20 show 20,19 | live"},
        {"steps follow one another without waiting for the system, and stop at the screen's edge",
         {{StartAnywhere, 5, 20}, {Steer, -1, 0, 50}, {Steer, -10, 0, 51}, {Steer, 1, 0, 52}, {Frame, 1, 20, 70}},
         "show 5,20 show 4,20 show 1,20 | live"},
        {"a screen that cannot be read ends the pick and puts back",
         {{StartAnywhere, 10, 20}, {ScreenFails}, {Move, 11, 20, 50}, {Move, 12, 20, 100}},
         "show 10,20 back 1,1 end failed error | idle"},
        {"events after the end do nothing",
         {{StartAnywhere, 10, 20}, {Take, 10, 20}, {Move, 1, 1, 50}, {Cancel}, {Freeze}, {Poll, 5, 5, 99'999}},
         "show 10,20 show 10,20 take 10,20 end taken | idle"},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(Replay(row.Events), row.Expected) << row.Name;
    }
    EXPECT_EQ(Replay({{StartAnywhere, 10, 20}, {Cancel}}, std::nullopt), "show 10,20 back none end cancelled | idle")
        << "no colour before: none after";
}

}  // namespace
}  // namespace tintrel
