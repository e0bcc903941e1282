// The media player control: a windowed, owner-drawn row of device buttons
// over one device of the media control interface. Device commands go to
// TMediaDevice and the row's layout and input state live in TButtonRow; this
// class owns the window that paints the row, takes mouse and keys, and
// receives the device's completion notifications.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "media/ButtonRow.h"
#include "media/MediaDevice.h"
#include "media/MediaPlayerTypes.h"
#include "toolkit/WinControl.h"

// Before a button's operation; setting doDefault to false cancels it.
using EMPNotify = std::function<void(TComponent* sender, TMPBtnType button, bool& doDefault)>;
// After a button's operation.
using EMPPostNotify = std::function<void(TComponent* sender, TMPBtnType button)>;

class TMediaPlayer : public TWinControl, private TMediaNotifyTarget {
public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    const char* ClassName() const override { return "TMediaPlayer"; }

    // The button row.
    TButtonSet VisibleButtons() const { return row_->VisibleButtons(); }
    // Each shown button keeps its width: the control grows or shrinks.
    void SetVisibleButtons(TButtonSet buttons);
    TButtonSet EnabledButtons() const { return row_->EnabledButtons(); }
    void SetEnabledButtons(TButtonSet buttons);
    TButtonSet ColoredButtons() const { return row_->ColoredButtons(); }
    void SetColoredButtons(TButtonSet buttons);
    int ButtonWidth() const { return row_->ButtonWidth(); }
    int MinButtonWidth() const { return row_->MinButtonWidth(); }
    int MinButtonHeight() const { return row_->MinButtonHeight(); }
    TMPBtnType FocusedButton() const { return row_->FocusedButton(); }

    // Device settings, used by the next Open.
    bool AutoEnable() const { return device_->AutoEnable(); }
    void SetAutoEnable(bool value) { device_->SetAutoEnable(value); }
    bool AutoOpen() const { return device_->AutoOpen(); }
    void SetAutoOpen(bool value) { device_->SetAutoOpen(value); }
    bool AutoRewind() const { return device_->AutoRewind(); }
    void SetAutoRewind(bool value) { device_->SetAutoRewind(value); }
    TMPDeviceTypes DeviceType() const { return device_->DeviceType(); }
    void SetDeviceType(TMPDeviceTypes value) { device_->SetDeviceType(value); }
    const std::string& FileName() const { return device_->FileName(); }
    void SetFileName(const std::string& value) { device_->SetFileName(value); }
    bool Shareable() const { return device_->Shareable(); }
    void SetShareable(bool value) { device_->SetShareable(value); }
    // The control that shows a video device's picture (null = none). The
    // caller clears it before freeing that control.
    TWinControl* Display() const { return display_; }
    void SetDisplay(TWinControl* control);

    // Run-time state.
    std::uint16_t DeviceID() const { return device_->DeviceID(); }
    std::uint32_t ErrorCode() const { return device_->ErrorCode(); }
    std::string ErrorMessage() const { return device_->ErrorMessage(); }
    TMPNotifyResult NotifyResult() const { return device_->NotifyResult(); }
    bool CanPlay() const { return device_->CanPlay(); }
    bool CanRecord() const { return device_->CanRecord(); }
    bool CanEject() const { return device_->CanEject(); }
    bool HasVideo() const { return device_->HasVideo(); }
    bool CanStep() const { return device_->CanStep(); }
    std::uint32_t StepFrames() const { return device_->StepFrames(); }
    TButtonSet AutoEnabledButtons() const { return device_->AutoEnabledButtons(); }
    TMPBtnType PressedButton() const { return device_->PressedButton(); }

    // One-shot settings for the next device command.
    void SetWait(bool value) { device_->SetWait(value); }
    void SetFromPos(std::uint32_t position) { device_->SetFromPos(position); }

    // Device commands; all but Open are silent on failure (see ErrorCode).
    void Open() { device_->Open(); }
    void Close() { device_->Close(); }
    void Play() { device_->Play(); }
    void Record() { device_->Record(); }
    void Stop() { device_->Stop(); }
    void Pause() { device_->Pause(); }
    void Next() { device_->Next(); }
    void Previous() { device_->Previous(); }
    void Step() { device_->Step(); }
    void Back() { device_->Back(); }
    void Eject() { device_->Eject(); }
    void Rewind() { device_->Rewind(); }

    // Status queries.
    std::uint32_t Length() { return device_->Length(); }
    std::uint32_t Position() { return device_->Position(); }
    std::uint32_t TrackCount() { return device_->TrackCount(); }
    TMPMode Mode() { return device_->Mode(); }
    std::uint32_t TimeFormat() { return device_->TimeFormat(); }
    void SetTimeFormat(std::uint32_t format) { device_->SetTimeFormat(format); }
    std::uint32_t TrackStart(std::uint32_t track) { return device_->TrackStart(track); }

    // After every completion notification, with NotifyResult set.
    TNotifyEvent OnNotify;
    // The player's click names its button, so it hides the plain OnClick.
    EMPNotify OnClick;  // cppcheck-suppress duplInheritedMember ; hides TControl::OnClick on purpose (see above)
    EMPPostNotify OnPostClick;

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void EnabledChanged() override;

private:
    std::uintptr_t CallbackWindow() override;
    void ButtonsChanged() override;
    void Notified() override;

    void LoadImages();
    void FreeImages();
    // The picture of one button in one state, made on first use.
    HBITMAP Image(TButtonImage image, TMPBtnType button);
    // Repaints now, so that a press shows before a long command runs.
    void Redraw();
    void PaintBuffered(HDC dc);
    void PaintRow(HDC dc);
    void DrawImage(HDC dc, HBITMAP image, int x, int y);
    void Act(unsigned rowAction);

    std::unique_ptr<TMediaDevice> device_;
    std::unique_ptr<TButtonRow> row_;
    HBITMAP images_[3][MPButtonCount] = {};
    TWinControl* display_ = nullptr;
};
