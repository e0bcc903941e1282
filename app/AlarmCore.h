// The alarm's life without its window: arming, the check at each tick of the
// watch (or when the machine resumes), the firing with the "Awake yet ?"
// question, snoozing, re-arming a daily alarm and cancelling, plus the
// built-in sound's bookkeeping and the wake-up timer's due time.
//
// The clock comes in as values, so every step can be tried at any moment.
// Each event returns what the window must do once (fire, ring or stop the
// built-in sound, set or drop the wake-up timer); what it must show (the
// watch's interval, the idle or armed look, the caption) is read from the
// state afterwards.
//
// Moments are whole milliseconds since 1 January 0001 00:00, local time. A
// daily alarm keeps its next due moment as such a moment, not as a time of
// day: the day it rings for is then never confused with the day the clock
// shows when the answer comes, a snooze ends when it ends, and a due moment
// slept through still rings.
#pragma once

#include <cstdint>
#include <string>

#include "datetime/DateTime.h"

namespace alarmcore {

using Moment = std::int64_t;
inline constexpr Moment kDay = 86400000;
inline constexpr std::uint32_t kWatchInterval = 3000;
inline constexpr std::uint32_t kSnoozeInterval = 300000;

Moment MomentOf(datetime::DateTime value);

enum class State { Idle, Watching, Asking, Snoozing };
enum class Builtin { Keep, Start, Stop };
enum class Wake { Keep, Set, Cancel };

struct Effects {
    bool fire = false;           // run the actions and ask the question
    bool showReminders = false;  // hand the reminders over (an awake answer)
    Builtin builtin = Builtin::Keep;
    Wake wake = Wake::Keep;
    Moment wakeDue = 0;  // with Wake::Set
};

class AlarmCore {
public:
    // Arms an alarm read from its text: the date and time of a one-shot
    // alarm, the time of day of a daily one. Allowed in every state.
    Effects Set(bool daily, datetime::DateTime at, const std::string& text, datetime::DateTime now);
    Effects Cancel();
    // A tick of the watch. In Snoozing the tick itself means the snooze is over.
    Effects Tick(datetime::DateTime now);
    // The machine resumed: checked at once; a snooze not yet over waits on.
    Effects Resume(datetime::DateTime now);

    // The firing, between a tick that says fire and the answer.
    void StartActions(bool waveChosen, bool cdChosen);
    void WaveStarted() { waveStarted_ = true; }
    Effects CdStarted();
    // The disc check failed at the firing and unchecked "Use CD": the alarm
    // still counts as one that makes a sound until it is set again,
    // cancelled, answered awake (one-shot) or "Use CD" is changed by hand.
    void CdLost() { cdLost_ = true; }
    void ForgetLostCd() { cdLost_ = false; }
    // An action that cannot start is about to be reported.
    Effects SoundFailed() { return RingIfSilent(); }
    // A sound that had started reported a failure while playing.
    Effects WaveLost();
    Effects CdLostWhilePlaying();
    // The question is about to be shown: no ticks while it is up.
    Effects Ask();
    // The question is closed (also when the firing ends early): the
    // built-in sound stops.
    Effects EndRinging();
    Effects Answer(bool snooze, datetime::DateTime now);
    // An error left the firing before the answer: back to the watch or the
    // snooze it came from, so the next tick tries again.
    void Abandon();
    // Whether the built-in sound really plays after a start or a stop.
    void BuiltinPlaying(bool playing) { builtinPlaying_ = playing; }

    State GetState() const { return state_; }
    std::uint32_t Interval() const;
    bool Armed() const { return state_ != State::Idle; }
    const std::string& Caption() const { return caption_; }
    // The day a daily alarm last rang for (the day it was due), whole days;
    // 0 when none.
    datetime::DateTime LastFired() const { return lastFired_; }
    // The armed alarm as read by Set.
    datetime::DateTime AlarmAt() const { return at_; }
    // The next moment the watch finds the alarm due, and the end of the
    // snooze in force.
    Moment NextDue() const { return due_; }
    Moment SnoozeEnd() const { return snoozeEnd_; }

    bool SoundChosen() const { return soundChosen_; }
    bool BuiltinPlaying() const { return builtinPlaying_; }

private:
    Effects Check(Moment now);
    Effects RingIfSilent();
    // The latest due moment of a daily alarm at or before now, and the
    // first at or after it.
    Moment LatestDue(Moment now) const;
    Moment FirstDue(Moment now) const;
    // The wake-up timer's due time for the state in force; always given
    // when forced, otherwise only when it moved.
    Effects WakeEffect(bool forced);

    State state_ = State::Idle;
    bool daily_ = false;
    datetime::DateTime at_ = 0;
    Moment timeOfDay_ = 0;  // daily
    std::string caption_ = "Dawnbell";
    datetime::DateTime lastFired_ = 0;
    Moment due_ = 0;        // next due moment while watching
    Moment firingDue_ = 0;  // the due moment the firing rings for
    Moment covered_ = 0;    // the latest daily due moment its rings covered
    Moment snoozeEnd_ = 0;
    State askedFrom_ = State::Idle;
    bool wakeSet_ = false;
    Moment wakeDue_ = 0;

    bool ringing_ = false;  // from the firing's first action to the answer
    bool soundChosen_ = false;
    bool waveStarted_ = false;
    bool cdStarted_ = false;
    bool cdLost_ = false;
    bool builtinPlaying_ = false;
};

}  // namespace alarmcore
