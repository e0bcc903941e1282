// The media player's device control against a scripted CD and wave device.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeMciDevice.h"
#include "fakes/FakePlatform.h"
#include "media/MciConstants.h"
#include "media/MediaDevice.h"
#include "platform/Exceptions.h"

namespace {

constexpr std::uintptr_t kWindow = 0x4321;

struct Target : TMediaNotifyTarget {
    std::uintptr_t CallbackWindow() override {
        ++windowAsked;
        return kWindow;
    }
    void ButtonsChanged() override { ++changed; }
    void Notified() override { ++notified; }
    int windowAsked = 0, changed = 0, notified = 0;
};

class MediaDeviceTest : public ::testing::Test {
protected:
    MediaDeviceTest() { dev.Attach(fake); }

    void OpenCd(int tracks = 5) {
        dev.MakeCd(std::vector<std::uint32_t>(static_cast<std::size_t>(tracks), 200));
        player.SetDeviceType(dtCDAudio);
        player.SetShareable(true);
        player.Open();
        dev.log.clear();
    }
    void OpenWave(bool canRecord = true) {
        dev.MakeWave(5000, canRecord);
        player.SetFileName("C:\\SOUNDS\\RING.WAV");
        player.Open();
        dev.log.clear();
    }
    // The message and flags of every command sent, in order.
    std::vector<std::pair<std::uint32_t, std::uintptr_t>> Messages() const {
        std::vector<std::pair<std::uint32_t, std::uintptr_t>> out;
        for (const auto& c : dev.log) out.emplace_back(c.message, c.flags);
        return out;
    }

    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope{fake};
    fakes::FakeMciDevice dev;
    Target target;
    TMediaDevice player{&target};
};

using Msgs = std::vector<std::pair<std::uint32_t, std::uintptr_t>>;
constexpr std::uint32_t kStatus = mci::StatusItem | mci::Wait;

TEST_F(MediaDeviceTest, OpenCdSharedReadsCapabilitiesAndSetsTrackFormat) {
    dev.MakeCd({200, 200, 200});
    player.SetDeviceType(dtCDAudio);
    player.SetShareable(true);
    player.Open();

    const auto& open = dev.log.at(0);
    EXPECT_EQ(0u, open.device);
    EXPECT_EQ(mci::Open, open.message);
    EXPECT_EQ(mci::Wait | mci::OpenType | mci::OpenShareable, open.flags);
    EXPECT_EQ("CDAudio", open.deviceType);
    EXPECT_EQ("(null)", open.element);
    EXPECT_EQ(kWindow, open.callback);

    const std::uint32_t caps = mci::GetDevCapsItem | mci::Wait;
    EXPECT_EQ((Msgs{{mci::Open, open.flags},
                    {mci::Status, kStatus},
                    {mci::GetDevCaps, caps},
                    {mci::GetDevCaps, caps},
                    {mci::GetDevCaps, caps},
                    {mci::GetDevCaps, caps},
                    {mci::GetDevCaps, caps},
                    {mci::Set, mci::SetTimeFormat | mci::Notify},
                    {mci::Status, kStatus}}),
              Messages());
    std::vector<std::uint32_t> items;
    for (const auto& c : dev.Sent(mci::GetDevCaps)) items.push_back(c.item);
    EXPECT_EQ((std::vector<std::uint32_t>{mci::GetDevCapsCanPlay, mci::GetDevCapsCanRecord, mci::GetDevCapsCanEject,
                                          mci::GetDevCapsHasVideo, mci::GetDevCapsDeviceType}),
              items);
    EXPECT_EQ(mci::FormatTmsf, dev.Sent(mci::Set).at(0).timeFormat);
    EXPECT_EQ(kWindow, dev.Sent(mci::Set).at(0).callback);
    EXPECT_EQ(dev.id, dev.log.back().device);

    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(dev.id, player.DeviceID());
    EXPECT_TRUE(player.CanPlay());
    EXPECT_TRUE(player.CanEject());
    EXPECT_FALSE(player.CanRecord());
    EXPECT_FALSE(player.CanStep());
    // 10 minutes in minutes-seconds-frames, read before the format changed.
    EXPECT_EQ(10u / 10, player.StepFrames());
    EXPECT_EQ((TButtonSet{btPlay, btNext, btPrev, btEject}), player.AutoEnabledButtons());
    EXPECT_GE(target.changed, 1);
    EXPECT_EQ(3u, player.TrackCount());
}

TEST_F(MediaDeviceTest, OpenWaveByFileAndCloseEmptiesTheButtons) {
    dev.MakeWave(5000, true);
    player.SetFileName("C:\\SOUNDS\\RING.WAV");
    player.Open();
    const auto& open = dev.log.at(0);
    EXPECT_EQ(mci::Wait | mci::OpenElement, open.flags);
    EXPECT_EQ("C:\\SOUNDS\\RING.WAV", open.element);
    EXPECT_EQ("(null)", open.deviceType);
    EXPECT_TRUE(dev.Sent(mci::Set).empty());  // no track format for a wave
    EXPECT_EQ(500u, player.StepFrames());
    EXPECT_EQ((TButtonSet{btPlay, btNext, btPrev, btRecord}), player.AutoEnabledButtons());

    int before = target.changed;
    player.Close();
    const auto& close = dev.log.back();
    EXPECT_EQ(mci::Close, close.message);
    EXPECT_EQ(mci::Wait, close.flags);
    EXPECT_EQ(kWindow, close.callback);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(0, player.DeviceID());
    EXPECT_TRUE(player.AutoEnabledButtons().Empty());
    EXPECT_EQ(before + 1, target.changed);

    // Closing a closed player sends nothing.
    std::size_t sent = dev.log.size();
    player.Close();
    EXPECT_EQ(sent, dev.log.size());
}

TEST_F(MediaDeviceTest, OpenOfASharedDeviceAlreadyPlayingEnablesPauseAndStop) {
    dev.MakeCd({100, 100});
    dev.mode = mci::ModePlay;
    player.SetDeviceType(dtCDAudio);
    player.Open();
    EXPECT_EQ((TButtonSet{btPause, btStop, btNext, btPrev, btEject}), player.AutoEnabledButtons());
}

TEST_F(MediaDeviceTest, TrackCountIsZeroWhenTheDriveCannotTell) {
    OpenCd(4);
    EXPECT_EQ(4u, player.TrackCount());
    dev.statusFailures[mci::StatusNumberOfTracks] = 262;
    EXPECT_EQ(0u, player.TrackCount());
    EXPECT_EQ(262u, player.ErrorCode());
}

TEST_F(MediaDeviceTest, RewindThenNextToTheStartingTrackThenPlay) {
    OpenCd(5);
    dev.positionMs = 350000;  // somewhere in track 2
    player.Rewind();
    EXPECT_EQ((Msgs{{mci::Seek, mci::SeekToStart | mci::Wait}}), Messages());
    EXPECT_EQ(0u, dev.Sent(mci::Seek).at(0).callback);

    dev.log.clear();
    player.Next();
    EXPECT_EQ((Msgs{{mci::Status, kStatus},
                    {mci::Status, kStatus},
                    {mci::Status, kStatus},
                    {mci::Status, kStatus | mci::Track},
                    {mci::Status, kStatus},
                    {mci::Seek, mci::Wait | mci::To}}),
              Messages());
    EXPECT_EQ(mci::StatusTimeFormat, dev.log[0].item);
    EXPECT_EQ(mci::StatusPosition, dev.log[1].item);
    EXPECT_EQ(mci::StatusNumberOfTracks, dev.log[2].item);
    EXPECT_EQ(2u, dev.log[3].track);
    EXPECT_EQ(mci::StatusMode, dev.log[4].item);
    EXPECT_EQ(mci::MakeTmsf(2, 0, 0, 0), dev.log[5].to);
    EXPECT_EQ(kWindow, dev.log[5].callback);

    player.Next();
    player.Next();
    EXPECT_EQ(dev.TrackStartMs(4), dev.positionMs);
    for (const auto& seek : dev.Sent(mci::Seek)) EXPECT_TRUE(seek.flags & mci::Wait);

    dev.log.clear();
    player.Play();
    const auto plays = dev.Sent(mci::Play);
    ASSERT_EQ(1u, plays.size());
    EXPECT_EQ(mci::Notify, plays[0].flags);
    EXPECT_EQ(kWindow, plays[0].callback);
    EXPECT_EQ(dev.TrackStartMs(4), dev.positionMs);
    EXPECT_EQ(mci::ModePlay, dev.mode);
}

TEST_F(MediaDeviceTest, NextStaysOnTheLastTrack) {
    OpenCd(3);
    player.Rewind();
    for (int i = 0; i < 5; ++i) player.Next();
    EXPECT_EQ(dev.TrackStartMs(3), dev.positionMs);
    EXPECT_EQ(mci::MakeTmsf(3, 0, 0, 0), dev.Sent(mci::Seek).back().to);
}

TEST_F(MediaDeviceTest, NextWhilePlayingPlaysFromTheNextTrack) {
    OpenCd(3);
    player.Play();
    dev.log.clear();
    player.SetPressedButton(btNext);
    player.SetWait(true);
    player.Next();
    EXPECT_TRUE(dev.Sent(mci::Seek).empty());
    const auto plays = dev.Sent(mci::Play);
    ASSERT_EQ(1u, plays.size());
    // Next consumed the Wait, so Play only notifies.
    EXPECT_EQ(mci::Notify | mci::From, plays[0].flags);
    EXPECT_EQ(mci::MakeTmsf(2, 0, 0, 0), plays[0].from);
    EXPECT_EQ(btPlay, player.PressedButton());
    EXPECT_EQ(mci::NotifySuperseded, dev.notifications.back().flag);
}

TEST_F(MediaDeviceTest, PreviousGoesBackOneTrackOnlyInTheFirstSecond) {
    OpenCd(4);
    dev.positionMs = dev.TrackStartMs(3) + 400;  // under a second into track 3
    player.Previous();
    EXPECT_EQ(dev.TrackStartMs(2), dev.positionMs);

    for (std::uint32_t later : {5000u, 65000u}) {  // another second, another minute
        dev.positionMs = dev.TrackStartMs(3) + later;
        player.Previous();
        EXPECT_EQ(dev.TrackStartMs(3), dev.positionMs) << later;
    }

    dev.positionMs = 300;  // track 1 never goes further back
    player.Previous();
    EXPECT_EQ(0u, dev.positionMs);
    EXPECT_EQ(mci::Wait | mci::To, dev.Sent(mci::Seek).back().flags);
}

TEST_F(MediaDeviceTest, NextAndPreviousOutsideTrackFormatSeekToTheEnds) {
    OpenWave();
    dev.positionMs = 2000;
    player.Next();
    EXPECT_EQ(mci::Wait | mci::SeekToEnd, dev.Sent(mci::Seek).back().flags);
    EXPECT_EQ(5000u, dev.positionMs);
    player.Previous();
    EXPECT_EQ(mci::Wait | mci::SeekToStart, dev.Sent(mci::Seek).back().flags);
    EXPECT_EQ(0u, dev.positionMs);
}

TEST_F(MediaDeviceTest, WaitIsOneShotUnderBothRules) {
    OpenWave();
    player.SetWait(true);
    player.Play();  // rule N with Wait: plays to the end before returning
    EXPECT_EQ(mci::Notify | mci::Wait, dev.Sent(mci::Play).back().flags);
    player.Play();
    EXPECT_EQ(mci::Notify, dev.Sent(mci::Play).back().flags);

    player.SetWait(false);
    player.Stop();
    EXPECT_EQ(0u, dev.Sent(mci::Stop).back().flags);
    player.Stop();
    EXPECT_EQ(mci::Wait, dev.Sent(mci::Stop).back().flags);

    // Rewind and status reads leave it pending for the next command.
    player.SetWait(false);
    player.Rewind();
    player.Position();
    player.Length();
    player.Mode();
    player.Stop();
    EXPECT_EQ(0u, dev.Sent(mci::Stop).back().flags);
    EXPECT_EQ(mci::SeekToStart | mci::Wait, dev.Sent(mci::Seek).back().flags);
}

TEST_F(MediaDeviceTest, WaitFalseBeforeOpenGoesToTheImplicitClose) {
    OpenWave();
    player.SetWait(false);
    player.Open();
    EXPECT_EQ(0u, dev.Sent(mci::Close).at(0).flags);
    EXPECT_EQ(mci::Wait | mci::OpenElement, dev.Sent(mci::Open).at(0).flags);

    player.Close();
    player.SetWait(false);
    dev.log.clear();
    player.Open();
    EXPECT_EQ(mci::OpenElement, dev.Sent(mci::Open).at(0).flags);
}

TEST_F(MediaDeviceTest, PlayRewindsAtTheEndUnlessAStartIsGiven) {
    OpenWave();
    dev.positionMs = 5000;
    player.Play();
    EXPECT_EQ((Msgs{{mci::Status, kStatus},
                    {mci::Status, kStatus},
                    {mci::Seek, mci::SeekToStart | mci::Wait},
                    {mci::Play, mci::Notify}}),
              Messages());

    dev.FinishPlay();
    dev.log.clear();
    player.SetFromPos(1200);
    player.Play();
    EXPECT_TRUE(dev.Sent(mci::Seek).empty());
    EXPECT_TRUE(dev.Sent(mci::Status).empty());
    EXPECT_EQ(mci::Notify | mci::From, dev.Sent(mci::Play).at(0).flags);
    EXPECT_EQ(1200u, dev.Sent(mci::Play).at(0).from);

    // FromPos is one-shot too.
    dev.log.clear();
    player.SetAutoRewind(false);
    player.Play();
    EXPECT_EQ(mci::Notify, dev.Sent(mci::Play).at(0).flags);
    EXPECT_TRUE(dev.Sent(mci::Seek).empty());
}

TEST_F(MediaDeviceTest, RecordStartsWithoutRewinding) {
    OpenWave();
    dev.positionMs = 5000;
    player.Record();
    EXPECT_EQ((Msgs{{mci::Record, mci::Notify}}), Messages());
    EXPECT_EQ(mci::ModeRecord, dev.mode);
}

TEST_F(MediaDeviceTest, CommandsOnAClosedPlayerRaiseBeforeSendingAnything) {
    dev.MakeWave(1000);
    using Op = void (TMediaDevice::*)();
    for (Op op : {&TMediaDevice::Play, &TMediaDevice::Record, &TMediaDevice::Stop, &TMediaDevice::Pause,
                  &TMediaDevice::Next, &TMediaDevice::Previous, &TMediaDevice::Step, &TMediaDevice::Back,
                  &TMediaDevice::Eject, &TMediaDevice::Rewind}) {
        try {
            (player.*op)();
            ADD_FAILURE() << "no error";
        } catch (const EMCIDeviceError& e) {
            EXPECT_STREQ("No MCI device open", e.what());
        }
    }
    EXPECT_THROW(player.Length(), EMCIDeviceError);
    EXPECT_THROW(player.TrackCount(), EMCIDeviceError);
    EXPECT_THROW(player.TimeFormat(), EMCIDeviceError);
    EXPECT_TRUE(dev.log.empty());
    // These do not check: the device answers for device 0.
    EXPECT_EQ(mdNotReady, player.Mode());
    EXPECT_EQ(0u, player.Position());
    EXPECT_EQ(fakes::FakeMciDevice::kInvalidDevice, player.ErrorCode());
}

TEST_F(MediaDeviceTest, FailedOpenRaisesTheDeviceTextAndStaysClosed) {
    dev.MakeWave(1000);
    dev.failures[mci::Open] = 275;
    fake.mciErrors[275] = "Cannot find the specified file.  Make sure the path and filename are correct.";
    player.SetFileName("C:\\MISSING.WAV");
    try {
        player.Open();
        FAIL() << "no error";
    } catch (const EMCIDeviceError& e) {
        EXPECT_STREQ("Cannot find the specified file.  Make sure the path and filename are correct.", e.what());
    }
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(0, player.DeviceID());
    EXPECT_EQ(1u, dev.log.size());

    // With neither element nor type, and no text for the code.
    player.SetFileName("");
    dev.failures[mci::Open] = 999;
    dev.log.clear();
    try {
        player.Open();
        FAIL() << "no error";
    } catch (const EMCIDeviceError& e) {
        EXPECT_STREQ("Unknown error code", e.what());
    }
    EXPECT_EQ(mci::Wait, dev.log.at(0).flags);
}

TEST_F(MediaDeviceTest, FailingCommandsAreSilentAndKeepTheirCode) {
    OpenWave();
    fake.mciErrors[265] = "The device is busy.";
    dev.failures[mci::Play] = 265;
    EXPECT_NO_THROW(player.Play());
    EXPECT_EQ(265u, player.ErrorCode());
    EXPECT_EQ("The device is busy.", player.ErrorMessage());

    // The platform's text is cut to the 4096-byte buffer.
    fake.mciErrors[265] = std::string(5000, 'x');
    EXPECT_EQ(std::string(4095, 'x'), player.ErrorMessage());

    // Rewind's result is ignored.
    dev.failures[mci::Seek] = 266;
    player.Rewind();
    EXPECT_EQ(265u, player.ErrorCode());
}

TEST_F(MediaDeviceTest, AFailedCloseKeepsTheDeviceAndOpenDoesNotLoseIt) {
    OpenWave();
    dev.failures[mci::Close] = 261;
    fake.mciErrors[261] = "Close refused.";
    player.Close();
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(261u, player.ErrorCode());

    EXPECT_THROW(player.Open(), EMCIDeviceError);
    EXPECT_TRUE(dev.Sent(mci::Open).empty());
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(dev.id, player.DeviceID());
}

TEST_F(MediaDeviceTest, PausePausesWhilePlayingAndResumesWhenPaused) {
    OpenWave();
    player.Pause();  // stopped: nothing
    EXPECT_TRUE(dev.Sent(mci::Pause).empty());

    dev.mode = mci::ModePlay;
    player.Pause();
    EXPECT_EQ(mci::Wait, dev.Sent(mci::Pause).at(0).flags);
    ASSERT_EQ(mci::ModePause, dev.mode);

    player.SetWait(false);
    player.Pause();
    EXPECT_EQ(mci::Notify, dev.Sent(mci::Resume).at(0).flags);
    EXPECT_TRUE(dev.Sent(mci::Play).empty());
    player.Stop();  // the resume used the Wait up
    EXPECT_EQ(mci::Wait, dev.Sent(mci::Stop).back().flags);

    // A failed resume plays instead, with the Wait still pending.
    dev.mode = mci::ModePause;
    dev.failures[mci::Resume] = 274;
    player.SetWait(true);
    player.Pause();
    EXPECT_EQ(mci::Notify | mci::Wait, dev.Sent(mci::Play).at(0).flags);
    EXPECT_EQ(0u, player.ErrorCode());
}

TEST_F(MediaDeviceTest, NotificationsSetTheResultAndGivePlayBack) {
    OpenWave(false);
    player.ApplyAutoEnableRule(btPlay);
    EXPECT_EQ((TButtonSet{btPause, btStop, btNext, btPrev}), player.AutoEnabledButtons());
    player.Play();
    dev.FinishPlay();
    ASSERT_EQ(1u, dev.notifications.size());
    EXPECT_EQ(kWindow, dev.notifications[0].callback);
    player.HandleNotify(dev.notifications[0].flag);
    EXPECT_EQ(nrSuccessful, player.NotifyResult());
    EXPECT_EQ((TButtonSet{btPlay, btNext, btPrev}), player.AutoEnabledButtons());
    EXPECT_EQ(1, target.notified);

    struct Case {
        std::uintptr_t flag;
        TMPNotifyResult result;
    };
    for (Case c : {Case{mci::NotifyFailure, nrFailure}, Case{mci::NotifySuperseded, nrSuperseded},
                   Case{mci::NotifyAborted, nrAborted}, Case{3, nrAborted}, Case{0, nrAborted}}) {
        player.HandleNotify(c.flag);
        EXPECT_EQ(c.result, player.NotifyResult()) << c.flag;
    }
    EXPECT_EQ(6, target.notified);

    // Without AutoEnable, or while still playing, the buttons stay.
    player.ApplyAutoEnableRule(btPlay);
    dev.mode = mci::ModePlay;
    player.HandleNotify(mci::NotifySuperseded);
    EXPECT_TRUE(player.AutoEnabledButtons().Has(btStop));
    dev.mode = mci::ModeStop;
    player.SetAutoEnable(false);
    player.HandleNotify(mci::NotifySuccessful);
    EXPECT_TRUE(player.AutoEnabledButtons().Has(btStop));
}

TEST_F(MediaDeviceTest, AFailureNotificationKeepsTheCodeOfTheFailedCommand) {
    // The device refuses Play and then reports the failure; the mode read
    // on the notification succeeds and must not replace the refusal's code.
    OpenWave();
    fake.mciErrors[275] = "The disc is not ready.";
    dev.failures[mci::Play] = 275;
    player.Play();
    dev.log.clear();
    player.HandleNotify(mci::NotifyFailure);
    EXPECT_EQ(nrFailure, player.NotifyResult());
    EXPECT_EQ("The disc is not ready.", player.ErrorMessage());
    EXPECT_FALSE(dev.Sent(mci::Status).empty());

    // A play the device took and failed later names a failure of the
    // device, never the success of the last command.
    dev.failures.clear();
    player.Play();
    player.HandleNotify(mci::NotifyFailure);
    EXPECT_EQ(mci::ErrHardware, player.ErrorCode());
}

TEST_F(MediaDeviceTest, AutoEnableRulesPerButton) {
    OpenWave(true);
    player.ApplyAutoEnableRule(btRecord);
    EXPECT_EQ((TButtonSet{btPause, btStop, btNext, btPrev}), player.AutoEnabledButtons());
    player.ApplyAutoEnableRule(btPause);
    EXPECT_EQ((TButtonSet{btPlay, btRecord, btPause, btStop, btNext, btPrev}), player.AutoEnabledButtons());
    for (TMPBtnType b : {btStop, btNext, btPrev, btStep, btBack, btEject}) {
        player.ApplyAutoEnableRule(btPlay);
        player.ApplyAutoEnableRule(b);
        EXPECT_EQ((TButtonSet{btPlay, btRecord, btNext, btPrev}), player.AutoEnabledButtons()) << int(b);
    }
}

TEST_F(MediaDeviceTest, StepBackAndEjectOnlyWhereTheDeviceCan) {
    OpenCd(2);
    player.Step();
    player.Back();
    EXPECT_TRUE(dev.Sent(mci::Step).empty());
    player.Eject();
    EXPECT_EQ(mci::Wait | mci::SetDoorOpen, dev.Sent(mci::Set).back().flags);
    EXPECT_EQ(mdOpen, player.Mode());

    player.Close();
    dev.MakeWave(3000);
    dev.hasVideo = true;
    dev.deviceType = mci::DevtypeDigitalVideo;
    player.SetDeviceType(dtAutoSelect);
    player.Open();
    EXPECT_TRUE(player.CanStep());
    EXPECT_EQ((TButtonSet{btPlay, btNext, btPrev, btStep, btBack, btRecord}), player.AutoEnabledButtons());
    dev.log.clear();
    player.Eject();
    EXPECT_TRUE(dev.log.empty());

    dev.positionMs = 3000;  // at the end: Step rewinds first
    player.Step();
    EXPECT_EQ((Msgs{{mci::Status, kStatus},
                    {mci::Status, kStatus},
                    {mci::Seek, mci::SeekToStart | mci::Wait},
                    {mci::Step, mci::Wait | mci::AnimStepFrames}}),
              Messages());
    EXPECT_EQ(300u, dev.log.back().frames);
    player.Back();
    EXPECT_EQ(mci::Wait | mci::AnimStepFrames | mci::AnimStepReverse, dev.log.back().flags);
    EXPECT_EQ(0u, dev.positionMs);
}

TEST_F(MediaDeviceTest, DisplayIsKeptOnlyWhenTheDeviceTakesIt) {
    player.SetDisplay(0x55);  // nothing open: just stored
    EXPECT_EQ(0x55u, player.Display());
    EXPECT_TRUE(dev.log.empty());

    dev.MakeWave(3000);
    dev.hasVideo = true;
    player.Open();
    const auto windows = dev.Sent(mci::Window);
    ASSERT_EQ(1u, windows.size());
    EXPECT_EQ(mci::AnimWindowHwnd | mci::Wait, windows[0].flags);
    EXPECT_EQ(0x55u, windows[0].window);

    dev.failures[mci::Window] = 258;
    player.SetDisplay(0x66);
    EXPECT_EQ(0x55u, player.Display());
    dev.failures.clear();
    player.DisplayDestroyed();
    EXPECT_EQ(0u, dev.Sent(mci::Window).back().window);
    EXPECT_EQ(0u, player.Display());
}

TEST_F(MediaDeviceTest, ModeMapsTheDeviceModes) {
    OpenWave();
    const std::pair<std::uint32_t, TMPMode> modes[] = {
        {mci::ModeNotReady, mdNotReady}, {mci::ModeStop, mdStopped}, {mci::ModePlay, mdPlaying},
        {mci::ModeRecord, mdRecording},  {mci::ModeSeek, mdSeeking}, {mci::ModePause, mdPaused},
        {mci::ModeOpen, mdOpen},         {12, mdNotReady},
    };
    for (auto [mode, expected] : modes) {
        dev.mode = mode;
        EXPECT_EQ(expected, player.Mode()) << mode;
    }
    dev.statusFailures[mci::StatusMode] = 270;
    EXPECT_EQ(mdNotReady, player.Mode());
    EXPECT_EQ(270u, player.ErrorCode());
}

TEST_F(MediaDeviceTest, AutoOpenOpensOnceTheDescriptionIsRead) {
    dev.MakeWave(1000);
    player.Loaded();
    EXPECT_FALSE(player.IsOpen());
    player.SetAutoOpen(true);
    player.Loaded();
    EXPECT_TRUE(player.IsOpen());
}

TEST(MediaDeviceLifetime, DestructionClosesWithoutNotification) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope(fake);
    fakes::FakeMciDevice dev;
    dev.Attach(fake);
    dev.MakeWave(1000);
    Target target;
    {
        TMediaDevice player(&target);
        player.SetFileName("a.wav");
        player.Open();
        player.SetWait(false);
        dev.log.clear();
    }
    ASSERT_EQ(1u, dev.log.size());
    EXPECT_EQ(mci::Close, dev.log[0].message);
    EXPECT_EQ(mci::Wait, dev.log[0].flags);
    EXPECT_EQ(0u, dev.log[0].callback);
    EXPECT_FALSE(dev.open);
}

}  // namespace
