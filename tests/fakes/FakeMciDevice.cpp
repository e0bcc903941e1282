#include "fakes/FakeMciDevice.h"

#include "media/MciConstants.h"

namespace fakes {

namespace {

std::string Text(const char* s) { return s ? s : "(null)"; }

}  // namespace

void FakeMciDevice::MakeCd(std::vector<std::uint32_t> trackSeconds) {
    tracksMs.clear();
    for (std::uint32_t s : trackSeconds) tracksMs.push_back(s * 1000);
    deviceType = mci::DevtypeCdAudio;
    canPlay = true;
    canRecord = false;
    canEject = true;
    hasVideo = false;
    timeFormat = mci::FormatMsf;
}

void FakeMciDevice::MakeWave(std::uint32_t lengthMs, bool record) {
    tracksMs = {lengthMs};
    deviceType = mci::DevtypeWaveformAudio;
    canPlay = true;
    canRecord = record;
    canEject = false;
    hasVideo = false;
    timeFormat = mci::FormatMilliseconds;
}

void FakeMciDevice::Attach(FakePlatform& platform) {
    platform.mci = [this](platform::MciDevice device, std::uint32_t message, std::uintptr_t flags,
                          void* params) { return Send(device, message, flags, params); };
}

std::uint32_t FakeMciDevice::LengthMs() const {
    std::uint32_t total = 0;
    for (std::uint32_t t : tracksMs) total += t;
    return total;
}

std::uint32_t FakeMciDevice::TrackStartMs(std::uint32_t track) const {
    std::uint32_t start = 0;
    for (std::uint32_t t = 1; t < track && t <= tracksMs.size(); ++t) start += tracksMs[t - 1];
    return start;
}

std::uint32_t FakeMciDevice::TrackOf(std::uint32_t ms) const {
    std::uint32_t track = 1;
    for (std::uint32_t t = 2; t <= tracksMs.size(); ++t) {
        if (TrackStartMs(t) <= ms) track = t;
    }
    return track;
}

std::uint32_t FakeMciDevice::ToFormat(std::uint32_t ms) const {
    if (timeFormat == mci::FormatTmsf) {
        std::uint32_t track = TrackOf(ms);
        std::uint32_t off = ms - TrackStartMs(track);
        return mci::MakeTmsf(track, off / 60000, off / 1000 % 60, off % 1000 * 75 / 1000);
    }
    if (timeFormat == mci::FormatMsf)
        return (ms / 60000) | (ms / 1000 % 60) << 8 | (ms % 1000 * 75 / 1000) << 16;
    return ms;
}

std::uint32_t FakeMciDevice::FromFormat(std::uint32_t v) const {
    if (timeFormat == mci::FormatTmsf) {
        return TrackStartMs(mci::TmsfTrack(v)) + mci::TmsfMinute(v) * 60000 + mci::TmsfSecond(v) * 1000 +
               mci::TmsfFrame(v) * 1000 / 75;
    }
    if (timeFormat == mci::FormatMsf) return (v & 0xFF) * 60000 + (v >> 8 & 0xFF) * 1000 + (v >> 16 & 0xFF) * 1000 / 75;
    return v;
}

void FakeMciDevice::StartLong(std::uintptr_t flags, std::uintptr_t callback) {
    if (!(flags & mci::Notify)) return;
    if (pending_) Queue(pendingCallback_, mci::NotifySuperseded);
    pending_ = true;
    pendingCallback_ = callback;
}

void FakeMciDevice::FinishPlay() {
    positionMs = LengthMs();
    mode = mci::ModeStop;
    if (pending_) Queue(pendingCallback_, mci::NotifySuccessful);
    pending_ = false;
}

void FakeMciDevice::FailPlay() {
    mode = mci::ModeStop;
    if (pending_) Queue(pendingCallback_, mci::NotifyFailure);
    pending_ = false;
}

std::vector<FakeMciDevice::Command> FakeMciDevice::Sent(std::uint32_t message) const {
    std::vector<Command> out;
    for (const Command& c : log) {
        if (c.message == message) out.push_back(c);
    }
    return out;
}

platform::MciError FakeMciDevice::Status(Command& c, void* params) {
    auto* p = static_cast<mci::StatusParms*>(params);
    auto failed = statusFailures.find(c.item);
    if (failed != statusFailures.end()) return failed->second;
    switch (c.item) {
        case mci::StatusLength: {
            // A disc's length comes in minutes, seconds and frames.
            std::uint32_t saved = timeFormat;
            if (timeFormat == mci::FormatTmsf) timeFormat = mci::FormatMsf;
            p->dwReturn = ToFormat(LengthMs());
            timeFormat = saved;
            return 0;
        }
        case mci::StatusPosition:
            if (c.flags & mci::Track) {
                if (c.track < 1 || c.track > tracksMs.size()) return kBadParameter;
                p->dwReturn = ToFormat(TrackStartMs(c.track));
            } else {
                p->dwReturn = ToFormat(positionMs);
            }
            return 0;
        case mci::StatusNumberOfTracks: p->dwReturn = tracksMs.size(); return 0;
        case mci::StatusMode: p->dwReturn = mode; return 0;
        case mci::StatusTimeFormat: p->dwReturn = timeFormat; return 0;
        default: return kBadParameter;
    }
}

platform::MciError FakeMciDevice::Send(platform::MciDevice device, std::uint32_t message, std::uintptr_t flags,
                                       void* params) {
    Command c;
    c.device = device;
    c.message = message;
    c.flags = flags;
    c.callback = params ? *static_cast<std::uintptr_t*>(params) : 0;  // every block starts with it
    switch (message) {
        case mci::Open: {
            auto* p = static_cast<mci::OpenParms*>(params);
            c.deviceType = Text(p->lpstrDeviceType);
            c.element = Text(p->lpstrElementName);
            break;
        }
        case mci::Play:
        case mci::Record: {
            auto* p = static_cast<mci::PlayParms*>(params);
            c.from = p->dwFrom;
            c.to = p->dwTo;
            break;
        }
        case mci::Seek: c.to = static_cast<mci::SeekParms*>(params)->dwTo; break;
        case mci::Status: {
            auto* p = static_cast<mci::StatusParms*>(params);
            c.item = p->dwItem;
            c.track = p->dwTrack;
            break;
        }
        case mci::GetDevCaps: c.item = static_cast<mci::GetDevCapsParms*>(params)->dwItem; break;
        case mci::Set: c.timeFormat = static_cast<mci::SetParms*>(params)->dwTimeFormat; break;
        case mci::Step: c.frames = static_cast<mci::AnimStepParms*>(params)->dwFrames; break;
        case mci::Window: c.window = static_cast<mci::AnimWindowParms*>(params)->hWnd; break;
        default: break;
    }
    log.push_back(c);

    auto failed = failures.find(message);
    if (failed != failures.end()) return failed->second;
    if (message == mci::Open) {
        open = true;
        static_cast<mci::OpenParms*>(params)->wDeviceID = id;
        return 0;
    }
    if (!open || device != id) return kInvalidDevice;

    const bool notify = (flags & mci::Notify) != 0;
    switch (message) {
        case mci::Close:
            open = false;
            pending_ = false;
            return 0;
        case mci::Play:
        case mci::Record:
            if (flags & mci::From) positionMs = FromFormat(c.from);
            mode = message == mci::Play ? mci::ModePlay : mci::ModeRecord;
            if (flags & mci::Wait) {
                // Waiting means the whole medium has played when the call returns.
                StartLong(flags, c.callback);
                FinishPlay();
                return 0;
            }
            StartLong(flags, c.callback);
            return 0;
        case mci::Seek:
            if (flags & mci::SeekToStart)
                positionMs = 0;
            else if (flags & mci::SeekToEnd)
                positionMs = LengthMs();
            else if (flags & mci::To)
                positionMs = FromFormat(c.to);
            mode = mci::ModeStop;
            if (pending_) Queue(pendingCallback_, mci::NotifyAborted);
            pending_ = false;
            break;
        case mci::Stop:
            mode = mci::ModeStop;
            if (pending_) Queue(pendingCallback_, mci::NotifyAborted);
            pending_ = false;
            break;
        case mci::Pause: mode = mci::ModePause; break;
        case mci::Resume:
            mode = mci::ModePlay;
            StartLong(flags, c.callback);
            return 0;
        case mci::Set:
            if (flags & mci::SetTimeFormat) {
                if (c.timeFormat != mci::FormatMilliseconds && c.timeFormat != mci::FormatMsf &&
                    c.timeFormat != mci::FormatTmsf)
                    return kBadParameter;
                timeFormat = c.timeFormat;
            }
            if (flags & mci::SetDoorOpen) mode = mci::ModeOpen;
            break;
        case mci::Step:
            positionMs = flags & mci::AnimStepReverse ? (positionMs > c.frames ? positionMs - c.frames : 0)
                                                     : positionMs + c.frames;
            break;
        case mci::GetDevCaps: {
            auto* p = static_cast<mci::GetDevCapsParms*>(params);
            switch (c.item) {
                case mci::GetDevCapsCanPlay: p->dwReturn = canPlay; break;
                case mci::GetDevCapsCanRecord: p->dwReturn = canRecord; break;
                case mci::GetDevCapsCanEject: p->dwReturn = canEject; break;
                case mci::GetDevCapsHasVideo: p->dwReturn = hasVideo; break;
                case mci::GetDevCapsDeviceType: p->dwReturn = deviceType; break;
                default: return kBadParameter;
            }
            return 0;
        }
        case mci::Status: return Status(c, params);
        case mci::Window: return 0;
        default: return kBadParameter;
    }
    if (notify) Queue(c.callback, mci::NotifySuccessful);
    return 0;
}

}  // namespace fakes
