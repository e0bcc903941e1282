// Auto-repeating arrow.
#include "widgets/ArrowRepeat.h"

#include "widgets/SpinCore.h"

namespace widgets {

void ArrowRepeat::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void ArrowRepeat::SetState(ArrowState s) {
    if (state_ == s) return;
    state_ = s;
    host_.Repaint();
}

void ArrowRepeat::StopRepeat() {
    if (timer_) timer_->SetEnabled(false);
}

void ArrowRepeat::MouseDown(ArrowMouseButton button) {
    if (button == ArrowMouseButton::Left && enabled_) {
        SetState(ArrowState::Down);
        dragging_ = true;
    }
    // Any button starts the timer; only a held-down arrow turns ticks into clicks.
    if (repeatAllowed_) {
        if (!timer_) timer_ = host_.CreateRepeatTimer();
        timer_->SetOnTimer([this] { RepeatStep(); });
        timer_->SetInterval(kFirstDelay);
        timer_->SetEnabled(true);
    }
}

void ArrowRepeat::MouseMove(int x, int y) {
    if (!dragging_) return;
    SetState(ArrowContains(width_, height_, x, y) ? ArrowState::Down : ArrowState::Up);
}

void ArrowRepeat::MouseUp(int x, int y) {
    try {
        if (dragging_) {
            dragging_ = false;
            const bool inside = ArrowContains(width_, height_, x, y);
            state_ = ArrowState::Up;
            host_.Repaint();
            if (inside) host_.Click();
        }
    } catch (...) {
        // Otherwise a failing last click would leave the timer ticking.
        StopRepeat();
        throw;
    }
    StopRepeat();
}

void ArrowRepeat::RepeatStep() {
    if (!timer_) return;
    timer_->SetInterval(kRepeatDelay);
    // A modal window opened by a click may have taken the capture: no clicks then.
    if (state_ != ArrowState::Down || !host_.HoldsCapture()) return;
    try {
        host_.Click();
    } catch (...) {
        StopRepeat();
        throw;
    }
}

}  // namespace widgets
