// The device-control core of the media player: owns at most one device of the
// media control interface and sends every command through the platform seam,
// so it runs unchanged on the host with a scripted device. The player's window
// class supplies its window through TMediaNotifyTarget and forwards the
// device's completion notifications to HandleNotify.
#pragma once

#include <cstdint>
#include <string>

#include "media/MediaPlayerTypes.h"

// What the core needs from the player's window.
class TMediaNotifyTarget {
public:
    virtual ~TMediaNotifyTarget() = default;
    // The player's window handle, named as the callback of device commands;
    // created on demand, also for a player that is never shown.
    virtual std::uintptr_t CallbackWindow() = 0;
    // AutoEnabledButtons (or AutoEnable) changed: the button row takes the set
    // over and repaints.
    virtual void ButtonsChanged() = 0;
    // A completion notification was handled: raise OnNotify.
    virtual void Notified() = 0;
};

class TMediaDevice {
public:
    // target may be null (no callback window, nothing told).
    explicit TMediaDevice(TMediaNotifyTarget* target = nullptr);
    // Closes an open device, waiting and asking for no notification.
    ~TMediaDevice();
    TMediaDevice(const TMediaDevice&) = delete;
    TMediaDevice& operator=(const TMediaDevice&) = delete;

    // Published properties.
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool value);
    bool AutoOpen() const { return autoOpen_; }
    void SetAutoOpen(bool value) { autoOpen_ = value; }
    bool AutoRewind() const { return autoRewind_; }
    void SetAutoRewind(bool value) { autoRewind_ = value; }
    TMPDeviceTypes DeviceType() const { return deviceType_; }
    void SetDeviceType(TMPDeviceTypes value) { deviceType_ = value; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value) { fileName_ = value; }
    bool Shareable() const { return shareable_; }
    void SetShareable(bool value) { shareable_ = value; }
    // The display control's window handle (0 = none).
    std::uintptr_t Display() const { return display_; }
    void SetDisplay(std::uintptr_t window);
    // The display window is going away: give the picture back to the device.
    void DisplayDestroyed();

    // Called once the window description has been read: opens if AutoOpen.
    void Loaded();

    // Run-time state.
    bool IsOpen() const { return open_; }
    std::uint16_t DeviceID() const { return deviceId_; }
    std::uint32_t ErrorCode() const { return errorCode_; }
    TMPNotifyResult NotifyResult() const { return notifyResult_; }
    bool CanPlay() const { return canPlay_; }
    bool CanRecord() const { return canRecord_; }
    bool CanEject() const { return canEject_; }
    bool HasVideo() const { return hasVideo_; }
    bool CanStep() const { return canStep_; }
    std::uint32_t StepFrames() const { return stepFrames_; }
    TButtonSet AutoEnabledButtons() const { return autoEnabled_; }
    TMPBtnType PressedButton() const { return pressedButton_; }
    void SetPressedButton(TMPBtnType b) { pressedButton_ = b; }

    // One-shot settings for the next command.
    void SetWait(bool value);
    void SetFromPos(std::uint32_t position);

    // Device commands.
    void Open();
    void Close();
    void Play();
    void Record();
    void Stop();
    void Pause();
    void Next();
    void Previous();
    void Step();
    void Back();
    void Eject();
    void Rewind();
    // The operation of button b.
    void RunButton(TMPBtnType b);

    // Status queries.
    std::uint32_t Length();
    std::uint32_t Position();
    // 0 when the device cannot tell (for a CD drive: no disc).
    std::uint32_t TrackCount();
    // mdNotReady when the device cannot tell.
    TMPMode Mode();
    std::uint32_t TimeFormat();
    void SetTimeFormat(std::uint32_t format);
    std::uint32_t TrackStart(std::uint32_t track);

    // The platform's text for ErrorCode, or "Unknown error code".
    std::string ErrorMessage() const;

    // Applies the auto-enable rule of a click on b and hands the set over.
    void ApplyAutoEnableRule(TMPBtnType b);

    // A completion notification arrived with this flag.
    void HandleNotify(std::uintptr_t flag);

private:
    std::uintptr_t Callback() const;
    // Flags of rule W (wait unless told not to) and rule N (notify, and wait
    // if told to); both consume a pending Wait.
    std::uint32_t WaitRuleFlags();
    std::uint32_t NotifyRuleFlags();
    void RequireOpen() const;
    std::uint32_t Send(std::uint32_t message, std::uint32_t flags, void* params) const;
    std::uintptr_t QueryStatus(std::uint32_t item, bool record, bool* ok = nullptr);
    std::uint32_t QueryCapability(std::uint32_t item) const;
    void ReadCapabilities();
    void ApplyRule(TMPBtnType b);
    void HandOver();
    void PlayOrRecord(std::uint32_t message);
    void SeekNextOrPrevious(bool forward);
    void StepBy(std::uint32_t direction);
    std::uint32_t TargetOfNext();
    std::uint32_t TargetOfPrevious();

    TMediaNotifyTarget* target_;

    bool autoEnable_ = true;
    bool autoOpen_ = false;
    bool autoRewind_ = true;
    TMPDeviceTypes deviceType_ = dtAutoSelect;
    std::string fileName_;
    bool shareable_ = false;
    std::uintptr_t display_ = 0;

    bool open_ = false;
    std::uint16_t deviceId_ = 0;
    std::uint32_t errorCode_ = 0;
    TMPNotifyResult notifyResult_ = nrSuccessful;

    bool wait_ = false;
    bool waitPending_ = false;
    std::uint32_t fromPos_ = 0;
    bool fromPending_ = false;

    bool canPlay_ = false;
    bool canRecord_ = false;
    bool canEject_ = false;
    bool hasVideo_ = false;
    bool canStep_ = false;
    std::uint32_t stepFrames_ = 0;

    TButtonSet autoEnabled_;
    TMPBtnType pressedButton_ = btPlay;
};
