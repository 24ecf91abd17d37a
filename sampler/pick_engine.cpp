#include "sampler/pick_engine.h"

#include <utility>

namespace tintrel {

PickEngine::PickEngine(PickOutputs outputs, PickTiming timing) : out_(std::move(outputs)), timing_(timing) {}

void PickEngine::Start(PickKind kind,
                       ScreenPoint pointer,
                       std::optional<ScreenColor> before,
                       bool frozen,
                       PickClock now) {
    if (IsPicking()) {
        return;
    }
    kind_ = kind;
    before_ = before;
    lastShown_.reset();
    lastFrame_.reset();
    state_ = PickState::Live;
    try {
        if (frozen && out_.SetFrozen && out_.SetFrozen(true)) {
            state_ = PickState::Frozen;
        }
    } catch (...) {
        Finish(PickEnd::Failed);
        throw;
    }
    Heard(pointer, now);
    ShowAt(pointer, now);
}

void PickEngine::Move(ScreenPoint pointer, PickClock now) {
    if (!IsPicking()) {
        return;
    }
    Heard(pointer, now);
    settle_ = true;
    if (lastFrame_ && now < *lastFrame_ + timing_.FrameInterval) {
        moveUnshown_ = true;
        return;
    }
    ShowAt(pointer, now);
}

void PickEngine::Frame(ScreenPoint pointer, PickClock now) {
    if (!IsPicking()) {
        return;
    }
    const bool due = moveUnshown_ || (settle_ && !(pointer == shownAt_));
    settle_ = false;
    if (due) {
        ShowAt(pointer, now);
    }
}

void PickEngine::Refresh(ScreenPoint pointer, PickClock now) {
    if (IsPicking() && !(pointer == shownAt_)) {
        ShowAt(pointer, now);
    }
}

void PickEngine::Take(ScreenPoint pointer, PickClock now) {
    if (!IsPicking()) {
        return;
    }
    Heard(pointer, now);
    ShowAt(pointer, now);
    if (!lastShown_) {
        Finish(PickEnd::Cancelled);  // nothing of the screen could be read: there is nothing to take
        return;
    }
    Finish(PickEnd::Taken);
}

void PickEngine::Cancel(PickClock) {
    if (IsPicking()) {
        Finish(PickEnd::Cancelled);
    }
}

void PickEngine::Wheel(int delta, PickClock now) {
    if (!IsPicking()) {
        return;
    }
    lastEvent_ = now;
    if (out_.Wheel) {
        out_.Wheel(delta);
    }
}

void PickEngine::Steer(int dx, int dy, PickClock now) {
    if (!IsPicking() || !out_.MovePointer) {
        return;
    }
    // From where the pick last put or heard the pointer: the system may not have caught up with the
    // last step yet when the next one comes.
    Move(out_.MovePointer(ScreenPoint{pointer_.X + dx, pointer_.Y + dy}), now);
}

void PickEngine::ToggleFreeze(PickClock now) {
    if (!IsPicking()) {
        return;
    }
    lastEvent_ = now;
    const bool freeze = state_ == PickState::Live;
    if (!out_.SetFrozen || !out_.SetFrozen(freeze)) {
        return;
    }
    state_ = freeze ? PickState::Frozen : PickState::Live;
    ShowAt(pointer_, now);
}

void PickEngine::HotKeyAgain(PickClock) {
    if (IsPicking() && kind_ == PickKind::Anywhere) {
        Finish(PickEnd::HotKeyAgain);
    }
}

void PickEngine::InputLost(PickClock) {
    if (IsPicking()) {
        Finish(PickEnd::InputLost);
    }
}

void PickEngine::Poll(ScreenPoint pointer, PickClock now) {
    if (!IsPicking()) {
        return;
    }
    if (now >= lastEvent_ + timing_.SilenceLimit) {
        Finish(PickEnd::TimedOut);
        return;
    }
    if (pointer == pointer_) {
        unheardSince_.reset();
    } else if (!unheardSince_) {
        unheardSince_ = now;
    } else if (now >= *unheardSince_ + timing_.MovedUnheard) {
        Finish(PickEnd::InputLost);
    }
}

std::optional<PickClock> PickEngine::FrameDue() const {
    if (!IsPicking() || !(moveUnshown_ || settle_) || !lastFrame_) {
        return std::nullopt;
    }
    return *lastFrame_ + timing_.FrameInterval;
}

void PickEngine::Heard(ScreenPoint pointer, PickClock now) {
    pointer_ = pointer;
    lastEvent_ = now;
    unheardSince_.reset();
}

void PickEngine::ShowAt(ScreenPoint pointer, PickClock now) {
    lastFrame_ = now;
    shownAt_ = pointer;
    moveUnshown_ = false;
    const std::optional<ScreenColor> color = SampleAt(pointer);
    if (!color) {
        return;
    }
    lastShown_ = color;
    if (out_.Show) {
        out_.Show(*color);
    }
}

std::optional<ScreenColor> PickEngine::SampleAt(ScreenPoint pointer) {
    if (!out_.Sample) {
        return std::nullopt;
    }
    try {
        return out_.Sample(pointer, state_ == PickState::Frozen);
    } catch (...) {
        Finish(PickEnd::Failed);
        throw;
    }
}

void PickEngine::Finish(PickEnd end) {
    const bool wasFrozen = state_ == PickState::Frozen;
    state_ = PickState::Idle;
    moveUnshown_ = false;
    settle_ = false;
    if (wasFrozen && out_.SetFrozen) {
        out_.SetFrozen(false);
    }
    if (end == PickEnd::Taken) {
        if (out_.Taken) {
            out_.Taken(*lastShown_);
        }
    } else if (out_.PutBack) {
        out_.PutBack(before_);
    }
    if (out_.Ended) {
        out_.Ended(end);
    }
}

}  // namespace tintrel
