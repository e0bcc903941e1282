// A scripted media device behind FakePlatform's media control hook: an audio
// CD with tracks or a wave file, with its mode, position and time format. It
// records every command with its flags and parameter block, fails commands on
// demand and queues completion notifications for the test to deliver.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "platform/Platform.h"

namespace fakes {

class FakeMciDevice {
public:
    // The fake's answers for a command to a device that is not open and for a
    // parameter it cannot use.
    static constexpr platform::MciError kInvalidDevice = 257;
    static constexpr platform::MciError kBadParameter = 300;

    // One command as sent, with the fields of its parameter block that the
    // command uses.
    struct Command {
        platform::MciDevice device = 0;
        std::uint32_t message = 0;
        std::uintptr_t flags = 0;
        std::uintptr_t callback = 0;
        std::string deviceType;  // open: "(null)" when no name was passed
        std::string element;     // open: "(null)" when no name was passed
        std::uint32_t from = 0, to = 0, item = 0, track = 0, frames = 0, timeFormat = 0;
        std::uintptr_t window = 0;
    };

    struct Notification {
        std::uintptr_t callback;
        std::uint32_t flag;
    };

    // An audio CD with tracks of these lengths (seconds).
    void MakeCd(std::vector<std::uint32_t> trackSeconds);
    // A wave file of this length (milliseconds).
    void MakeWave(std::uint32_t lengthMs, bool canRecord = true);
    // Answers the platform's media control calls from now on.
    void Attach(FakePlatform& platform);

    platform::MciError Send(platform::MciDevice device, std::uint32_t message, std::uintptr_t flags,
                            void* params);

    // The playing device reaches its end; a pending notification succeeds.
    void FinishPlay();
    // The playing device fails; a pending notification reports the failure.
    void FailPlay();

    // Commands sent with this message, in order.
    std::vector<Command> Sent(std::uint32_t message) const;
    // Positions in milliseconds from the start of the medium.
    std::uint32_t TrackStartMs(std::uint32_t track) const;
    std::uint32_t LengthMs() const;

    // Device properties.
    std::uint16_t id = 7;
    std::uint32_t deviceType = 0;
    bool canPlay = true, canRecord = false, canEject = false, hasVideo = false;
    std::uint32_t mode = 525;        // stopped
    std::uint32_t timeFormat = 0;    // milliseconds
    std::uint32_t positionMs = 0;
    std::vector<std::uint32_t> tracksMs;  // a wave has one track
    bool open = false;

    // Failures: by message, and status queries by item; every time until erased.
    std::map<std::uint32_t, platform::MciError> failures;
    std::map<std::uint32_t, platform::MciError> statusFailures;

    std::vector<Command> log;
    std::deque<Notification> notifications;

private:
    std::uint32_t TrackOf(std::uint32_t ms) const;
    std::uint32_t ToFormat(std::uint32_t ms) const;
    std::uint32_t FromFormat(std::uint32_t value) const;
    platform::MciError Status(Command& c, void* params);
    void Queue(std::uintptr_t callback, std::uint32_t flag) { notifications.push_back({callback, flag}); }
    void StartLong(std::uintptr_t flags, std::uintptr_t callback);

    bool pending_ = false;
    std::uintptr_t pendingCallback_ = 0;
};

}  // namespace fakes
