// The media player's device control: command and flag composition, status
// queries, capabilities and the auto-enabled button set.
#include "media/MediaDevice.h"

#include "media/MciConstants.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "res/StringIds.h"

namespace {

// The type name Open passes for each device type; none for auto-select.
const char* DeviceTypeName(TMPDeviceTypes type) {
    static const char* const names[] = {
        nullptr,   "AVIVideo", "CDAudio",   "DAT", "DigitalVideo", "MMMovie",   "Other",
        "Overlay", "Scanner",  "Sequencer", "VCR", "Videodisc",    "WaveAudio",
    };
    return type < sizeof names / sizeof names[0] ? names[type] : nullptr;
}

// The block of a play or record command starting at from.
template <class Parms>
Parms FromBlock(std::uintptr_t callback, std::uint32_t from) {
    Parms p{};
    p.dwCallback = callback;
    p.dwFrom = from;
    return p;
}

}  // namespace

TMediaDevice::TMediaDevice(TMediaNotifyTarget* target) : target_(target) {}

TMediaDevice::~TMediaDevice() {
    if (deviceId_ == 0) return;
    // No callback: the window may already be gone, and nothing may be told.
    mci::GenericParms p{};
    platform::Sys().MciSendCommand(deviceId_, mci::Close, mci::Wait, &p);
}

void TMediaDevice::SetAutoEnable(bool value) {
    if (value == autoEnable_) return;
    autoEnable_ = value;
    if (target_) target_->ButtonsChanged();
}

void TMediaDevice::SetDisplay(std::uintptr_t window) {
    if (window != 0 && open_ && hasVideo_) {
        mci::AnimWindowParms p{};
        p.hWnd = window;
        // A window the device refuses is not kept.
        if (Send(mci::Window, mci::AnimWindowHwnd | mci::Wait, &p) == 0) display_ = window;
        return;
    }
    display_ = window;
}

void TMediaDevice::DisplayDestroyed() {
    if (open_ && hasVideo_) {
        mci::AnimWindowParms p{};
        Send(mci::Window, mci::AnimWindowHwnd | mci::Wait, &p);
    }
    display_ = 0;
}

void TMediaDevice::Loaded() {
    if (autoOpen_) Open();
}

void TMediaDevice::SetWait(bool value) {
    wait_ = value;
    waitPending_ = true;
}

void TMediaDevice::SetFromPos(std::uint32_t position) {
    fromPos_ = position;
    fromPending_ = true;
}

std::uintptr_t TMediaDevice::Callback() const { return target_ ? target_->CallbackWindow() : 0; }

std::uint32_t TMediaDevice::WaitRuleFlags() {
    std::uint32_t flags = waitPending_ && !wait_ ? 0 : mci::Wait;
    waitPending_ = false;
    return flags;
}

std::uint32_t TMediaDevice::NotifyRuleFlags() {
    std::uint32_t flags = mci::Notify | (waitPending_ && wait_ ? mci::Wait : 0);
    waitPending_ = false;
    return flags;
}

void TMediaDevice::RequireOpen() const {
    if (!open_) throw EMCIDeviceError(platform::LoadStr(res::SMCINotOpen));
}

std::uint32_t TMediaDevice::Send(std::uint32_t message, std::uint32_t flags, void* params) const {
    return platform::Sys().MciSendCommand(deviceId_, message, flags, params);
}

void TMediaDevice::Open() {
    if (open_) {
        Close();
        // Opening anyway would lose the only handle of the device still open.
        if (open_) throw EMCIDeviceError(ErrorMessage());
    }

    mci::OpenParms p{};
    p.dwCallback = Callback();
    std::uint32_t flags = WaitRuleFlags();
    if (!fileName_.empty()) {
        flags |= mci::OpenElement;
        p.lpstrElementName = fileName_.c_str();
    }
    if (deviceType_ != dtAutoSelect) {
        flags |= mci::OpenType;
        p.lpstrDeviceType = DeviceTypeName(deviceType_);
    }
    if (shareable_) flags |= mci::OpenShareable;
    errorCode_ = platform::Sys().MciSendCommand(0, mci::Open, flags, &p);
    if (errorCode_ != 0) throw EMCIDeviceError(ErrorMessage());

    open_ = true;
    deviceId_ = static_cast<std::uint16_t>(p.wDeviceID);
    stepFrames_ = Length() / 10;
    ReadCapabilities();
    if (hasVideo_) SetDisplay(display_);
    if (deviceType_ == dtCDAudio || deviceType_ == dtVideodisc) SetTimeFormat(mci::FormatTmsf);

    autoEnabled_ = {btNext, btPrev};
    if (canStep_) {
        autoEnabled_.Include(btStep);
        autoEnabled_.Include(btBack);
    }
    if (canPlay_) autoEnabled_.Include(btPlay);
    if (canRecord_) autoEnabled_.Include(btRecord);
    if (canEject_) autoEnabled_.Include(btEject);
    // A shared device may already be playing for someone else.
    if (Mode() == mdPlaying) ApplyRule(btPlay);
    HandOver();
}

void TMediaDevice::Close() {
    if (deviceId_ == 0) return;
    mci::GenericParms p{};
    p.dwCallback = Callback();
    errorCode_ = Send(mci::Close, WaitRuleFlags(), &p);
    if (errorCode_ != 0) return;
    open_ = false;
    deviceId_ = 0;
    autoEnabled_ = TButtonSet();
    HandOver();
}

void TMediaDevice::ReadCapabilities() {
    canPlay_ = (QueryCapability(mci::GetDevCapsCanPlay) & 0xFF) != 0;
    canRecord_ = (QueryCapability(mci::GetDevCapsCanRecord) & 0xFF) != 0;
    canEject_ = (QueryCapability(mci::GetDevCapsCanEject) & 0xFF) != 0;
    hasVideo_ = (QueryCapability(mci::GetDevCapsHasVideo) & 0xFF) != 0;
    std::uint32_t type = QueryCapability(mci::GetDevCapsDeviceType);
    canStep_ = type == mci::DevtypeAnimation || type == mci::DevtypeDigitalVideo || type == mci::DevtypeOverlay ||
               type == mci::DevtypeVcr;
}

std::uint32_t TMediaDevice::QueryCapability(std::uint32_t item) const {
    mci::GetDevCapsParms p{};
    p.dwItem = item;
    if (Send(mci::GetDevCaps, mci::GetDevCapsItem | mci::Wait, &p) != 0) return 0;
    return p.dwReturn;
}

void TMediaDevice::Play() { PlayOrRecord(mci::Play); }

void TMediaDevice::Record() { PlayOrRecord(mci::Record); }

void TMediaDevice::PlayOrRecord(std::uint32_t message) {
    RequireOpen();
    if (message == mci::Play && autoRewind_ && !fromPending_ && Position() == Length()) Rewind();
    std::uint32_t flags = NotifyRuleFlags();
    std::uint32_t from = 0;
    if (fromPending_) {
        flags |= mci::From;
        from = fromPos_;
        fromPending_ = false;
    }
    if (message == mci::Play) {
        auto p = FromBlock<mci::PlayParms>(Callback(), from);
        errorCode_ = Send(message, flags, &p);
    } else {
        auto p = FromBlock<mci::RecordParms>(Callback(), from);
        errorCode_ = Send(message, flags, &p);
    }
}

void TMediaDevice::Stop() {
    RequireOpen();
    mci::GenericParms p{};
    p.dwCallback = Callback();
    errorCode_ = Send(mci::Stop, WaitRuleFlags(), &p);
}

void TMediaDevice::Pause() {
    RequireOpen();
    TMPMode mode = Mode();
    mci::GenericParms p{};
    if (mode == mdPlaying) {
        p.dwCallback = Callback();
        errorCode_ = Send(mci::Pause, WaitRuleFlags(), &p);
    } else if (mode == mdPaused) {
        // Wait stays pending until the resume is known to have worked: a
        // failed resume falls back to Play, which uses it.
        p.dwCallback = Callback();
        std::uint32_t flags = mci::Notify | (waitPending_ && wait_ ? mci::Wait : 0);
        errorCode_ = Send(mci::Resume, flags, &p);
        if (errorCode_ == 0) waitPending_ = false;
        else Play();
    }
}

void TMediaDevice::Next() { SeekNextOrPrevious(true); }

void TMediaDevice::Previous() { SeekNextOrPrevious(false); }

void TMediaDevice::SeekNextOrPrevious(bool forward) {
    RequireOpen();
    std::uint32_t flags = WaitRuleFlags();
    mci::SeekParms p{};
    p.dwCallback = Callback();
    if (TimeFormat() == mci::FormatTmsf) {
        std::uint32_t target = forward ? TargetOfNext() : TargetOfPrevious();
        if (Mode() == mdPlaying) {
            // Moving while playing plays on from the new track.
            SetFromPos(target);
            Play();
            pressedButton_ = btPlay;
            return;
        }
        flags |= mci::To;
        p.dwTo = target;
    } else {
        flags |= forward ? mci::SeekToEnd : mci::SeekToStart;
    }
    errorCode_ = Send(mci::Seek, flags, &p);
}

std::uint32_t TMediaDevice::TargetOfNext() {
    std::uint32_t track = mci::TmsfTrack(Position());
    std::uint32_t count = TrackCount();
    // On the last track (or past it, if the device is confused) stay there.
    return track >= count ? TrackStart(count) : TrackStart(track + 1);
}

std::uint32_t TMediaDevice::TargetOfPrevious() {
    std::uint32_t pos = Position();
    std::uint32_t track = mci::TmsfTrack(pos);
    std::uint32_t start = TrackStart(track);
    // Less than a second into a track goes back one more track; never below 1.
    if (track > 1 && mci::TmsfMinute(pos) == mci::TmsfMinute(start) && mci::TmsfSecond(pos) == mci::TmsfSecond(start))
        return TrackStart(track - 1);
    return start;
}

void TMediaDevice::Step() {
    RequireOpen();
    if (!hasVideo_) return;
    if (autoRewind_ && Position() == Length()) Rewind();
    StepBy(0);
}

void TMediaDevice::Back() {
    RequireOpen();
    if (!hasVideo_) return;
    StepBy(mci::AnimStepReverse);
}

void TMediaDevice::StepBy(std::uint32_t direction) {
    mci::AnimStepParms p{};
    p.dwCallback = Callback();
    p.dwFrames = stepFrames_;
    errorCode_ = Send(mci::Step, WaitRuleFlags() | mci::AnimStepFrames | direction, &p);
}

void TMediaDevice::Eject() {
    RequireOpen();
    if (!canEject_) return;
    mci::SetParms p{};
    p.dwCallback = Callback();
    errorCode_ = Send(mci::Set, WaitRuleFlags() | mci::SetDoorOpen, &p);
}

void TMediaDevice::Rewind() {
    RequireOpen();
    mci::SeekParms p{};
    Send(mci::Seek, mci::SeekToStart | mci::Wait, &p);
}

void TMediaDevice::RunButton(TMPBtnType b) {
    switch (b) {
        case btPlay: Play(); break;
        case btPause: Pause(); break;
        case btStop: Stop(); break;
        case btNext: Next(); break;
        case btPrev: Previous(); break;
        case btStep: Step(); break;
        case btBack: Back(); break;
        case btRecord: Record(); break;
        case btEject: Eject(); break;
    }
}

std::uintptr_t TMediaDevice::QueryStatus(std::uint32_t item, bool record, bool* ok) {
    mci::StatusParms p{};
    p.dwItem = item;
    std::uint32_t error = Send(mci::Status, mci::StatusItem | mci::Wait, &p);
    if (record) errorCode_ = error;
    if (ok) *ok = error == 0;
    return error == 0 ? p.dwReturn : 0;
}

std::uint32_t TMediaDevice::Length() {
    RequireOpen();
    return static_cast<std::uint32_t>(QueryStatus(mci::StatusLength, true));
}

std::uint32_t TMediaDevice::Position() { return static_cast<std::uint32_t>(QueryStatus(mci::StatusPosition, true)); }

std::uint32_t TMediaDevice::TrackCount() {
    RequireOpen();
    return static_cast<std::uint32_t>(QueryStatus(mci::StatusNumberOfTracks, true));
}

TMPMode TMediaDevice::Mode() {
    bool ok = false;
    std::uintptr_t mode = QueryStatus(mci::StatusMode, true, &ok);
    if (!ok || mode < mci::ModeNotReady || mode > mci::ModeOpen) return mdNotReady;
    return static_cast<TMPMode>(mode - mci::ModeNotReady);
}

std::uint32_t TMediaDevice::TimeFormat() {
    RequireOpen();
    return static_cast<std::uint32_t>(QueryStatus(mci::StatusTimeFormat, true) & 0xFF);
}

void TMediaDevice::SetTimeFormat(std::uint32_t format) {
    mci::SetParms p{};
    p.dwCallback = Callback();
    p.dwTimeFormat = format;
    errorCode_ = Send(mci::Set, mci::SetTimeFormat | mci::Notify, &p);
}

std::uint32_t TMediaDevice::TrackStart(std::uint32_t track) {
    mci::StatusParms p{};
    p.dwItem = mci::StatusPosition;
    p.dwTrack = track;
    if (Send(mci::Status, mci::StatusItem | mci::Track | mci::Wait, &p) != 0) return 0;
    return static_cast<std::uint32_t>(p.dwReturn);
}

std::string TMediaDevice::ErrorMessage() const {
    char text[4096];
    text[0] = '\0';
    if (!platform::Sys().MciGetErrorString(errorCode_, text, sizeof text))
        return platform::LoadStr(res::SMCIUnknownError);
    text[sizeof text - 1] = '\0';  // the platform's text, never beyond the buffer
    return text;
}

void TMediaDevice::ApplyAutoEnableRule(TMPBtnType b) {
    ApplyRule(b);
    HandOver();
}

void TMediaDevice::ApplyRule(TMPBtnType b) {
    switch (b) {
        case btPlay:
        case btRecord:
            autoEnabled_.Include(btPause);
            autoEnabled_.Include(btStop);
            autoEnabled_.Exclude(btPlay);
            autoEnabled_.Exclude(btRecord);
            break;
        case btPause:
            if (canPlay_) autoEnabled_.Include(btPlay);
            if (canRecord_) autoEnabled_.Include(btRecord);
            break;
        case btStop:
        case btNext:
        case btPrev:
        case btStep:
        case btBack:
        case btEject:
            if (canPlay_) autoEnabled_.Include(btPlay);
            if (canRecord_) autoEnabled_.Include(btRecord);
            autoEnabled_.Exclude(btPause);
            autoEnabled_.Exclude(btStop);
            break;
    }
}

void TMediaDevice::HandOver() {
    if (target_) target_->ButtonsChanged();
}

void TMediaDevice::HandleNotify(std::uintptr_t flag) {
    // The mode is read without recording its result: ErrorCode must still
    // name the command that failed when OnNotify asks for ErrorMessage.
    bool ok = false;
    const std::uintptr_t mode = QueryStatus(mci::StatusMode, false, &ok);
    if (autoEnable_ && ok && mode == mci::ModeStop) {
        if (canPlay_) autoEnabled_.Include(btPlay);
        if (canRecord_) autoEnabled_.Include(btRecord);
        autoEnabled_.Exclude(btPause);
        autoEnabled_.Exclude(btStop);
        HandOver();
    }
    switch (flag) {
        case mci::NotifySuccessful: notifyResult_ = nrSuccessful; break;
        case mci::NotifySuperseded: notifyResult_ = nrSuperseded; break;
        case mci::NotifyAborted: notifyResult_ = nrAborted; break;
        case mci::NotifyFailure:
            notifyResult_ = nrFailure;
            // A command the device took and then failed left no code of its
            // own: the failure is the device's, not a success.
            if (errorCode_ == 0) errorCode_ = mci::ErrHardware;
            break;
        default: break;  // unknown values leave the last result
    }
    if (target_) target_->Notified();
}
