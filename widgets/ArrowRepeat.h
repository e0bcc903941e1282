// The auto-repeating arrow's press, hold and release behaviour: the pressed
// state while the pointer is on the arrow, and a repeat timer that clicks
// first after 400 ms and then every 100 ms while the arrow is held down.
// Driven by the arrow control's mouse handlers; the timer and the click are
// reached through ArrowHost so that tests can run it on a virtual clock.
#pragma once

#include <functional>
#include <memory>

namespace widgets {

// The interval timer as the arrow uses it. Assigning the handler always
// restarts the period; Interval and Enabled restart it only when they change.
class RepeatTimer {
public:
    virtual ~RepeatTimer() = default;
    virtual void SetOnTimer(std::function<void()> handler) = 0;
    virtual void SetInterval(unsigned milliseconds) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

class ArrowHost {
public:
    // Called once, at the first press that may repeat; the arrow owns the result.
    virtual std::unique_ptr<RepeatTimer> CreateRepeatTimer() = 0;
    // Whether the arrow holds the mouse capture.
    virtual bool HoldsCapture() const = 0;
    // The click notification: the arrow's OnClick.
    virtual void Click() = 0;
    virtual void Repaint() = 0;

protected:
    ~ArrowHost() = default;
};

enum class ArrowMouseButton { Left, Right, Middle };
enum class ArrowState { Up, Down };

class ArrowRepeat {
public:
    static constexpr unsigned kFirstDelay = 400;
    static constexpr unsigned kRepeatDelay = 100;

    explicit ArrowRepeat(ArrowHost& host) : host_(host) {}
    ArrowRepeat(const ArrowRepeat&) = delete;
    ArrowRepeat& operator=(const ArrowRepeat&) = delete;

    // The arrow's current size, for the inside test while dragging.
    void SetSize(int width, int height);
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    void SetRepeatAllowed(bool allowed) { repeatAllowed_ = allowed; }

    // A press on the arrow, after its OnMouseDown has run.
    void MouseDown(ArrowMouseButton button);
    // A move in the arrow's coordinates.
    void MouseMove(int x, int y);
    // A release in the arrow's coordinates; clicks when released on the
    // pressed arrow. The repeat timer stops even when that click throws.
    void MouseUp(int x, int y);
    // One tick of the repeat timer; a click that throws stops the timer.
    void RepeatStep();

    ArrowState State() const { return state_; }
    bool Dragging() const { return dragging_; }
    RepeatTimer* Timer() const { return timer_.get(); }

private:
    void SetState(ArrowState s);
    void StopRepeat();

    ArrowHost& host_;
    std::unique_ptr<RepeatTimer> timer_;
    ArrowState state_ = ArrowState::Up;
    int width_ = 0;
    int height_ = 0;
    bool dragging_ = false;
    bool enabled_ = true;
    bool repeatAllowed_ = true;
};

}  // namespace widgets
