#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "widgets/ArrowRepeat.h"

namespace {

using namespace widgets;
using Times = std::vector<long>;

// A timer on a virtual clock that re-arms like the interval timer: on every
// handler assignment and on each effective change of Interval or Enabled.
// A handler's error is counted as reported and the timer keeps its settings.
struct VirtualTimer : RepeatTimer {
    long now = 0, due = -1;  // -1: disarmed
    unsigned interval = 1000;
    bool enabled = true;
    int reported = 0;
    std::function<void()> handler;

    void Rearm() { due = interval != 0 && enabled && handler ? now + interval : -1; }
    void SetOnTimer(std::function<void()> h) override {
        handler = std::move(h);
        Rearm();
    }
    void SetInterval(unsigned ms) override {
        if (ms == interval) return;
        interval = ms;
        Rearm();
    }
    void SetEnabled(bool on) override {
        if (on == enabled) return;
        enabled = on;
        Rearm();
    }

    void AdvanceTo(long target) {
        while (due >= 0 && due <= target) {
            now = due;
            due += interval;  // the next period, unless the handler re-arms
            try { handler(); } catch (const std::runtime_error&) { ++reported; }
        }
        now = target;
    }
};

struct FakeArrow : ArrowHost {
    VirtualTimer* timer = nullptr;
    Times clicks;
    int timersMade = 0, repaints = 0, throwOnClick = 0;  // n-th click throws
    bool capture = true;

    std::unique_ptr<RepeatTimer> CreateRepeatTimer() override {
        ++timersMade;
        auto t = std::make_unique<VirtualTimer>();
        timer = t.get();
        return t;
    }
    bool HoldsCapture() const override { return capture; }
    void Click() override {
        clicks.push_back(timer ? timer->now : 0);
        if (static_cast<int>(clicks.size()) == throwOnClick) throw std::runtime_error("click failed");
    }
    void Repaint() override { ++repaints; }
};

class ArrowRepeatTest : public ::testing::Test {
protected:
    FakeArrow host;
    ArrowRepeat arrow{host};
    void SetUp() override { arrow.SetSize(20, 12); }
    void PressAt(long t) {
        if (host.timer) host.timer->AdvanceTo(t);
        arrow.MouseDown(ArrowMouseButton::Left);
    }
    void At(long t) { host.timer->AdvanceTo(t); }
};

TEST_F(ArrowRepeatTest, ShortClickGivesOneClickAtTheRelease) {
    PressAt(0);
    EXPECT_EQ(ArrowState::Down, arrow.State());
    At(399);
    arrow.MouseUp(5, 5);
    At(2000);
    EXPECT_EQ(Times{399}, host.clicks);
    EXPECT_FALSE(host.timer->enabled);
}

TEST_F(ArrowRepeatTest, HoldingRepeatsAt400ThenEvery100) {
    PressAt(0);
    At(1000);
    arrow.MouseUp(19, 12);  // the row below the arrow still counts
    EXPECT_EQ((Times{400, 500, 600, 700, 800, 900, 1000, 1000}), host.clicks);
}

TEST_F(ArrowRepeatTest, NoClicksWhileOffTheArrowNorAtAReleaseThere) {
    PressAt(0);
    At(650);
    arrow.MouseMove(20, 5);  // one column too far right
    EXPECT_EQ(ArrowState::Up, arrow.State());
    At(850);
    arrow.MouseMove(3, 3);
    At(1050);
    arrow.MouseMove(3, -1);
    arrow.MouseUp(3, -1);
    EXPECT_EQ((Times{400, 500, 600, 900, 1000}), host.clicks);
    EXPECT_EQ(5, host.repaints);  // press, off, on, off, release
    EXPECT_FALSE(host.timer->enabled);
}

TEST_F(ArrowRepeatTest, WithoutTheCaptureTicksDoNotClick) {
    PressAt(0);
    host.capture = false;  // a modal window opened by a click took it
    At(700);
    host.capture = true;
    At(800);
    EXPECT_EQ(Times{800}, host.clicks);
}

TEST_F(ArrowRepeatTest, RightPressRunsTheTimerWithoutClicks) {
    arrow.MouseDown(ArrowMouseButton::Right);
    EXPECT_EQ(ArrowState::Up, arrow.State());
    At(1000);
    EXPECT_TRUE(host.timer->enabled);
    arrow.MouseUp(5, 5);
    EXPECT_TRUE(host.clicks.empty());
    EXPECT_FALSE(host.timer->enabled);
}

TEST_F(ArrowRepeatTest, EachPressRestartsTheFirstDelayOnOneTimer) {
    PressAt(0);
    At(550);
    arrow.MouseUp(5, 5);
    PressAt(560);  // the second press of a double click
    At(1000);
    arrow.MouseUp(5, 5);
    EXPECT_EQ((Times{400, 500, 550, 960, 1000}), host.clicks);
    EXPECT_EQ(1, host.timersMade);
}

TEST_F(ArrowRepeatTest, DisabledOrNonRepeatingArrow) {
    arrow.SetEnabled(false);
    PressAt(0);
    At(1000);
    arrow.MouseUp(5, 5);
    EXPECT_TRUE(host.clicks.empty());

    FakeArrow plainHost;
    ArrowRepeat plain(plainHost);
    plain.SetSize(20, 12);
    plain.SetRepeatAllowed(false);
    plain.MouseDown(ArrowMouseButton::Left);
    plain.MouseUp(5, 5);
    EXPECT_EQ(0, plainHost.timersMade);
    EXPECT_EQ(1u, plainHost.clicks.size());
}

TEST_F(ArrowRepeatTest, ClickThatThrowsDuringRepeatStopsTheTimer) {
    host.throwOnClick = 2;
    PressAt(0);
    At(1000);
    EXPECT_EQ(1, host.timer->reported);
    EXPECT_FALSE(host.timer->enabled);
    arrow.MouseUp(5, 5);  // still held: the release clicks once more
    EXPECT_EQ((Times{400, 500, 1000}), host.clicks);
}

TEST_F(ArrowRepeatTest, ClickThatThrowsAtReleaseStillStopsTheTimer) {
    host.throwOnClick = 2;
    PressAt(0);
    At(450);
    EXPECT_THROW(arrow.MouseUp(5, 5), std::runtime_error);
    EXPECT_FALSE(host.timer->enabled);
    At(2000);
    EXPECT_EQ((Times{400, 450}), host.clicks);
}

}  // namespace
