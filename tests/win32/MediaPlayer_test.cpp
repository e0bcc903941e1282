// The media player control with real windows: a wave file made here, played
// through the real media control interface (its output captured to a file
// when ALSA_CONFIG_PATH names where this program may write its sound setup),
// the button row under real mouse input, keys and painting, and the CD path
// through the scripted device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeMciDevice.h"
#include "fakes/FakePlatform.h"
#include "media/MPlayer.h"
#include "media/MciConstants.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "win32/WaveCapture.h"

namespace {

using namespace wavetest;

// --- The window under test -------------------------------------------------

class TPlayerFrm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TPlayerFrm"; }

    std::vector<std::pair<std::string, TMPNotifyResult>> notified;
    std::vector<TMPBtnType> clicks, postClicks;
    bool runOperations = true;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        h.Add<void(TComponent*)>("PlayerNotify", [this](TComponent* sender) {
            auto* player = static_cast<TMediaPlayer*>(sender);
            notified.emplace_back(player->Name(), player->NotifyResult());
        });
        h.Add<void(TComponent*, TMPBtnType, bool&)>("PlayerClick", [this](TComponent*, TMPBtnType b, bool& doDefault) {
            clicks.push_back(b);
            doDefault = runOperations;
        });
        h.Add<void(TComponent*, TMPBtnType)>("PlayerPostClick",
                                             [this](TComponent*, TMPBtnType b) { postClicks.push_back(b); });
    }
};

// The two players of the main window, with the sizes and settings it gives them.
const char kDescription[] =
    "TPlayerFrm PlayerFrm {\n"
    "  Left = 620 Top = 520 ClientWidth = 120 ClientHeight = 60 Caption = \"Player test\"\n"
    "  BorderStyle = bsSingle PixelsPerInch = 96\n"
    "  TMediaPlayer WavPlayer { Left = 8 Top = 8 Width = 57 Height = 25 VisibleButtons = [btPlay, btStop]\n"
    "    TabStop = true OnNotify = PlayerNotify OnClick = PlayerClick OnPostClick = PlayerPostClick }\n"
    "  TMediaPlayer CDPlayer { Left = 8 Top = 34 Width = 57 Height = 25 DeviceType = dtCDAudio\n"
    "    Shareable = true Visible = false VisibleButtons = [btPlay, btStop] OnNotify = PlayerNotify }\n"
    "}\n";

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000) {
    for (DWORD start = GetTickCount(); !done();) {
        if (GetTickCount() - start > timeoutMs) return false;
        Application->ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= ms; });
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EMCIDeviceError& e) {
        return e.Message();
    }
    return "(no error)";
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class PlayerTest : public testing::Test {
protected:
    void SetUp() override {
        form = new TPlayerFrm(Application);
        form->InitializeFromText(kDescription, "PlayerFrm.form");
        wav = form->Find<TMediaPlayer>("WavPlayer");
        cd = form->Find<TMediaPlayer>("CDPlayer");
    }
    void TearDown() override { delete form; }

    TPlayerFrm* form = nullptr;
    TMediaPlayer* wav = nullptr;
    TMediaPlayer* cd = nullptr;
};

// --- Layout, painting, mouse and keys ----------------------------------------

TEST_F(PlayerTest, KeepsItsStoredSizeAndGrowsOrShrinksByOneButton) {
    RECT r;
    GetWindowRect(wav->Handle(), &r);
    EXPECT_EQ(57, r.right - r.left);
    EXPECT_EQ(25, r.bottom - r.top);
    EXPECT_EQ(29, wav->ButtonWidth());
    // Sizes of the loaded bitmaps: the widest is 21, the tallest 16.
    EXPECT_EQ(29, wav->MinButtonWidth());
    EXPECT_EQ(20, wav->MinButtonHeight());

    wav->SetVisibleButtons({btPlay, btPause, btStop});
    GetWindowRect(wav->Handle(), &r);
    EXPECT_EQ(85, r.right - r.left);
    wav->SetVisibleButtons({btStop});
    EXPECT_EQ(29, wav->Width());

    // A player made in code takes the row's minimum once it has a window.
    auto* fresh = new TMediaPlayer(form);
    EXPECT_EQ(240, fresh->Width());
    fresh->SetParent(form);  // the form has its window: the player gets one now
    ASSERT_TRUE(fresh->HandleAllocated());
    EXPECT_EQ(253, fresh->Width());  // nine buttons of at least 29, sharing borders
    EXPECT_EQ(30, fresh->Height());
}

TEST_F(PlayerTest, ADescriptionNamingAnUnknownButtonOrDeviceTypeIsRefused) {
    std::string bad = kDescription;
    bad.replace(bad.find("[btPlay, btStop]"), 16, "[btPlay, btRewind]");
    auto* other = new TPlayerFrm(Application);
    EXPECT_THROW(other->InitializeFromText(bad, "Bad.form"), EReadError);
    delete other;
    bad = kDescription;
    bad.replace(bad.find("dtCDAudio"), 9, "dtLaserDisc");
    other = new TPlayerFrm(Application);
    EXPECT_THROW(other->InitializeFromText(bad, "Bad.form"), EReadError);
    delete other;
}

// The player's client area, drawn into a bitmap of our own.
class Snapshot {
public:
    explicit Snapshot(TMediaPlayer* player) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, player->Width(), player->Height());
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        SendMessageA(player->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~Snapshot() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // Whether the named bitmap is drawn at (x, y), its olive on the button face.
    bool Shows(const char* image, int x, int y) const {
        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), image);
        BITMAP info;
        GetObjectA(bitmap, sizeof info, &info);
        HDC source = CreateCompatibleDC(dc_);
        HGDIOBJ old = SelectObject(source, bitmap);
        int wrong = 0;
        for (int j = 0; j < info.bmHeight; ++j)
            for (int i = 0; i < info.bmWidth; ++i) {
                COLORREF c = GetPixel(source, i, j);
                if (c == RGB(128, 128, 0)) c = GetSysColor(COLOR_BTNFACE);
                if (At(x + i, y + j) != c) ++wrong;
            }
        SelectObject(source, old);
        DeleteDC(source);
        DeleteObject(bitmap);
        return wrong == 0;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST_F(PlayerTest, PaintsEachButtonWithTheImageOfItsState) {
    {
        Snapshot shot(wav);  // no device yet: AutoEnable draws both disabled
        EXPECT_EQ(GetSysColor(COLOR_WINDOWFRAME), shot.At(0, 0));
        EXPECT_EQ(GetSysColor(COLOR_WINDOWFRAME), shot.At(28, 12));  // the shared border column
        EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), shot.At(1, 1));
        EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), shot.At(27, 12));
        EXPECT_TRUE(shot.Shows("DI_MPPLAY", 6, 4));
        EXPECT_TRUE(shot.Shows("DI_MPSTOP", 34, 4));
    }
    wav->SetAutoEnable(false);
    wav->SetColoredButtons({btStop});
    {
        Snapshot shot(wav);
        EXPECT_TRUE(shot.Shows("EN_MPPLAY", 6, 4));
        EXPECT_TRUE(shot.Shows("CL_MPSTOP", 34, 4));
    }
    form->runOperations = false;
    SendMessageA(wav->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    {
        Snapshot shot(wav);  // pressed: shadow outside, image one pixel down and right
        EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), shot.At(1, 1));
        EXPECT_TRUE(shot.Shows("EN_MPPLAY", 7, 5));
    }
    SendMessageA(wav->Handle(), WM_LBUTTONUP, 0, At(10, 10));
    wav->SetEnabled(false);
    Snapshot shot(wav);
    EXPECT_TRUE(shot.Shows("DI_MPPLAY", 6, 4));
    EXPECT_TRUE(shot.Shows("DI_MPSTOP", 34, 4));
}

TEST_F(PlayerTest, AClickRunsOnlyWhenReleasedOverThePressedButton) {
    wav->SetAutoEnable(false);
    form->runOperations = false;  // OnClick cancels: no device is needed
    HWND h = wav->Handle();
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, At(29, 10));  // the column right of the border: Play
    EXPECT_EQ(h, GetCapture());
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, At(45, 10));
    SendMessageA(h, WM_LBUTTONUP, 0, At(45, 10));
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(h, WM_LBUTTONUP, 0, At(10, 40));  // released below, with no move reported
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    ReleaseCapture();  // taken away, as a modal window does: the press ends
    SendMessageA(h, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_TRUE(form->clicks.empty());
    EXPECT_EQ(nullptr, GetCapture());

    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, At(40, 10));
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, At(40, 40));
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, At(40, 10));  // back inside
    SendMessageA(h, WM_LBUTTONUP, 0, At(40, 10));
    EXPECT_EQ(std::vector<TMPBtnType>{btStop}, form->clicks);
    EXPECT_EQ(std::vector<TMPBtnType>{btStop}, form->postClicks);  // also after a cancelled operation
    EXPECT_EQ(btStop, wav->FocusedButton());
}

TEST_F(PlayerTest, AnErrorInAClickIsReportedAndTheRowStaysUsable) {
    std::vector<std::string> reported;
    Application->OnException = [&](TComponent*, const std::exception& e) { reported.push_back(e.what()); };
    wav->SetAutoEnable(false);
    HWND h = wav->Handle();
    for (int i = 0; i < 2; ++i) {
        SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
        SendMessageA(h, WM_LBUTTONUP, 0, At(5, 5));
    }
    Application->OnException = nullptr;
    EXPECT_EQ((std::vector<std::string>{"No MCI device open", "No MCI device open"}), reported);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(2u, form->clicks.size());
}

TEST_F(PlayerTest, KeysMoveTheFocusAndSpaceGoesByEnabledButtons) {
    form->Show();
    wav->SetFocus();
    ASSERT_TRUE(wav->Focused());
    EXPECT_EQ(DLGC_WANTARROWS, SendMessageA(wav->Handle(), WM_GETDLGCODE, 0, 0));
    auto key = [&](WPARAM vk) {
        PostMessageA(wav->Handle(), WM_KEYDOWN, vk, 1);
        PostMessageA(wav->Handle(), WM_KEYUP, vk, 0xC0000001);
        Application->ProcessMessages();
    };
    key(VK_RIGHT);
    EXPECT_EQ(btStop, wav->FocusedButton());
    key(VK_RIGHT);  // nothing further right
    EXPECT_EQ(btStop, wav->FocusedButton());
    key(VK_LEFT);
    EXPECT_EQ(btPlay, wav->FocusedButton());

    // No device: AutoEnable draws Play disabled, yet Space runs it.
    form->runOperations = false;
    key(VK_SPACE);
    EXPECT_EQ(std::vector<TMPBtnType>{btPlay}, form->clicks);
    wav->SetEnabledButtons({btStop});
    key(VK_SPACE);
    EXPECT_EQ(1u, form->clicks.size());
}

// --- The CD path with the scripted device --------------------------------------

class ScriptedCdTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        device.MakeCd({60, 120, 90, 45});
        device.Attach(fake);
    }
    void TearDown() override {
        PlayerTest::TearDown();  // closes the device while the script still answers
    }
    // Posts the scripted notifications to their callback windows.
    void Deliver() {
        for (; !device.notifications.empty(); device.notifications.pop_front()) {
            const auto& n = device.notifications.front();
            PostMessageA(reinterpret_cast<HWND>(n.callback), mci::MmMciNotify, n.flag, device.id);
        }
        Application->ProcessMessages();
    }

    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope{fake};
    fakes::FakeMciDevice device;
};

TEST_F(ScriptedCdTest, OpensTheSharedDiscInTrackFormatWithItsHiddenWindowAsCallback) {
    cd->SetWait(false);
    cd->Open();
    ASSERT_EQ(1u, device.Sent(mci::Open).size());
    auto open = device.Sent(mci::Open)[0];
    EXPECT_EQ("CDAudio", open.deviceType);
    EXPECT_EQ("(null)", open.element);
    EXPECT_EQ(mci::OpenType | mci::OpenShareable, open.flags);  // Wait was set to False
    HWND window = cd->Handle();
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(window), open.callback);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(mci::FormatTmsf, cd->TimeFormat());
    EXPECT_EQ(4u, cd->TrackCount());

    Deliver();  // the time format's notification
    ASSERT_EQ(1u, form->notified.size());
    EXPECT_EQ("CDPlayer", form->notified[0].first);
    EXPECT_EQ(nrSuccessful, form->notified[0].second);
}

TEST_F(ScriptedCdTest, RewindNextAndPlayStartAtTheTrackAndAFailureReachesOnNotify) {
    cd->Open();
    Deliver();
    form->notified.clear();
    cd->Rewind();
    cd->Next();
    cd->Next();
    EXPECT_EQ(device.TrackStartMs(3), device.positionMs);
    for (const auto& seek : device.Sent(mci::Seek)) EXPECT_TRUE(seek.flags & mci::Wait);
    cd->Play();
    auto play = device.Sent(mci::Play).back();
    EXPECT_EQ(mci::Notify, play.flags);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(cd->Handle()), play.callback);

    device.FailPlay();
    Deliver();
    ASSERT_EQ(1u, form->notified.size());
    EXPECT_EQ(nrFailure, form->notified[0].second);
    EXPECT_EQ(nrFailure, cd->NotifyResult());
}

// --- The real wave device --------------------------------------------------------

class RealWaveTest : public PlayerTest {
protected:
    void SetUp() override {
        if (capture.underWine && capture.file.empty()) FAIL() << capture.problem;
        PlayerTest::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        shortWave = std::string(temp) + "MediaPlayer_test-short.wav";
        longWave = std::string(temp) + "MediaPlayer_test-long.wav";
        shortSamples = Noise(kRate / 2, 1);
        ASSERT_TRUE(WriteWave(shortWave, shortSamples));
        // Long enough to be still playing when a test stops it, however much
        // faster than real time the test's audio output plays.
        ASSERT_TRUE(WriteWave(longWave, Noise(kRate * 30, 2)));
        if (!capture.file.empty()) DeleteFileA(capture.file.c_str());
    }
    void TearDown() override {
        PlayerTest::TearDown();
        DeleteFileA(shortWave.c_str());
        DeleteFileA(longWave.c_str());
    }
    void OpenShort() {
        wav->SetFileName(shortWave);
        wav->Open();
    }
    bool Notified() const { return !form->notified.empty(); }
    // The captured output holds exactly the source's samples (where it can be captured).
    void ExpectCapturedShortWave() {
        if (capture.file.empty()) return;
        PumpUntil([&] { return CapturedSamples(capture.file).size() >= shortSamples.size(); }, 10000);
        Bytes got = CapturedSamples(capture.file);
        // A play stopped just before may leave its last buffered period (a
        // few milliseconds) beside it; the wave itself comes whole, in order.
        const std::size_t extra = got.size() >= shortSamples.size() ? got.size() - shortSamples.size() : 0;
        EXPECT_LE(extra, kRate / 20 * kFrameBytes);
        EXPECT_TRUE(got.size() >= shortSamples.size() &&
                    std::search(got.begin(), got.end(), shortSamples.begin(), shortSamples.end()) != got.end())
            << "captured " << got.size() << " bytes of " << shortSamples.size();
    }

    std::string shortWave, longWave;
    Bytes shortSamples;
};

TEST_F(RealWaveTest, NothingRunsBeforeOpenAndAMissingFileRaisesTheDevicesText) {
    EXPECT_EQ("No MCI device open", ErrorOf([&] { wav->Play(); }));
    EXPECT_EQ("No MCI device open", ErrorOf([&] { wav->Stop(); }));
    EXPECT_EQ("No MCI device open", ErrorOf([&] { wav->Length(); }));
    wav->Close();  // nothing open: nothing sent, no error

    OpenShort();
    wav->SetFileName(shortWave + ".missing.wav");
    char text[256] = "";
    platform::Sys().MciGetErrorString(275, text, sizeof text);
    EXPECT_EQ(text, ErrorOf([&] { wav->Open(); }));
    EXPECT_EQ(275u, wav->ErrorCode());
    if (capture.underWine) {
        EXPECT_STREQ("Cannot find the specified file. Make sure the path and filename are correct.", text);
    }
    EXPECT_EQ(0, wav->DeviceID());  // the device held before was closed
    EXPECT_EQ("No MCI device open", ErrorOf([&] { wav->Play(); }));
}

TEST_F(RealWaveTest, TheFileChoosesTheWaveDevice) {
    OpenShort();
    EXPECT_NE(0, wav->DeviceID());
    EXPECT_TRUE(wav->CanPlay());
    EXPECT_TRUE(wav->CanRecord());
    EXPECT_FALSE(wav->CanEject());
    EXPECT_FALSE(wav->CanStep());
    EXPECT_EQ((TButtonSet{btPlay, btNext, btPrev, btRecord}), wav->AutoEnabledButtons());
    EXPECT_EQ(mci::FormatMilliseconds, wav->TimeFormat());
    EXPECT_EQ(500u, wav->Length());
    EXPECT_EQ(mdStopped, wav->Mode());
    wav->Close();
    EXPECT_EQ(0, wav->DeviceID());
    EXPECT_TRUE(wav->AutoEnabledButtons().Empty());
}

TEST_F(RealWaveTest, PlayWithWaitReturnsAtTheEndAndStillNotifies) {
    OpenShort();
    wav->SetWait(true);
    wav->Play();
    EXPECT_EQ(0u, wav->ErrorCode());
    EXPECT_EQ(wav->Length(), wav->Position());
    EXPECT_FALSE(Notified());  // posted: it comes with the next messages
    ASSERT_TRUE(PumpUntil([&] { return Notified(); }));
    EXPECT_EQ(nrSuccessful, form->notified[0].second);
    ExpectCapturedShortWave();
}

TEST_F(RealWaveTest, PlayWithoutWaitNotifiesSuccessAndStopAborts) {
    OpenShort();
    wav->Play();
    EXPECT_EQ(0u, wav->ErrorCode());
    ASSERT_TRUE(PumpUntil([&] { return Notified(); }));
    EXPECT_EQ(nrSuccessful, form->notified[0].second);
    ExpectCapturedShortWave();

    wav->SetFileName(longWave);
    wav->Open();
    form->notified.clear();
    wav->Play();
    wav->Stop();
    EXPECT_EQ(mdStopped, wav->Mode());
    ASSERT_TRUE(PumpUntil([&] { return Notified(); }));
    PumpFor(200);
    ASSERT_EQ(1u, form->notified.size());
    EXPECT_EQ(nrAborted, form->notified[0].second);
}

// Presses and releases the left button over a client point of the player,
// as the user's mouse does. The player's buttons are given as the release
// left them, before any later message (a notification of a device that has
// already played to its end) could change them.
void ClickScreen(TMediaPlayer* player, int x, int y, TButtonSet* afterRelease = nullptr) {
    POINT p{x, y};
    ClientToScreen(player->Handle(), &p);
    ASSERT_EQ(player->Handle(), WindowFromPoint(p)) << "another window covers the player";
    SetCursorPos(p.x, p.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    bool released = false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 150 || (afterRelease && !released);) {
        if (GetTickCount() - start > 5000) FAIL() << "the button was never released";
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (msg.message == WM_LBUTTONUP && msg.hwnd == player->Handle() && !released) {
            released = true;
            if (afterRelease) *afterRelease = player->AutoEnabledButtons();
        }
    }
}

TEST_F(RealWaveTest, TheButtonsRunTheDeviceAndFollowItsState) {
    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpFor(100);
    ClickScreen(wav, 10, 10);  // nothing open: every button ignores the mouse
    EXPECT_TRUE(form->clicks.empty());

    wav->SetFileName(longWave);
    wav->Open();
    ClickScreen(wav, 14, 12);
    EXPECT_EQ(std::vector<TMPBtnType>{btPlay}, form->clicks);
    EXPECT_EQ(std::vector<TMPBtnType>{btPlay}, form->postClicks);
    EXPECT_EQ(mdPlaying, wav->Mode());
    EXPECT_EQ((TButtonSet{btPause, btStop, btNext, btPrev}), wav->AutoEnabledButtons());
    ClickScreen(wav, 42, 12);
    EXPECT_EQ((std::vector<TMPBtnType>{btPlay, btStop}), form->clicks);
    ASSERT_TRUE(PumpUntil([&] { return Notified(); }));
    EXPECT_EQ(nrAborted, form->notified[0].second);
    EXPECT_TRUE(wav->AutoEnabledButtons().Has(btPlay));
    EXPECT_FALSE(wav->AutoEnabledButtons().Has(btStop));

    // Played to its end, the notification gives Play back and takes Stop
    // away. (The short wave may well have ended before the pump after the
    // click is over: what holds while it plays is read right after the
    // release.)
    wav->SetFileName(shortWave);
    wav->Open();
    TButtonSet afterRelease;
    ClickScreen(wav, 14, 12, &afterRelease);
    EXPECT_FALSE(afterRelease.Has(btPlay));
    EXPECT_TRUE(afterRelease.Has(btStop));
    ASSERT_TRUE(PumpUntil([&] { return form->notified.size() == 2; }));
    EXPECT_EQ(nrSuccessful, form->notified[1].second);
    EXPECT_TRUE(wav->AutoEnabledButtons().Has(btPlay));
    EXPECT_FALSE(wav->AutoEnabledButtons().Has(btStop));
    ExpectCapturedShortWave();
}

}  // namespace

namespace {

// The real media control interface on a machine with no usable CD drive
// (Wine here has no CD audio driver): opening the CD device and asking for
// its tracks either gives 0 tracks or a device error, and never crashes.
TEST_F(PlayerTest, CdAudioWithoutADriveGivesNoTracksOrADeviceError) {
    std::uint32_t tracks = 0;
    std::string error = ErrorOf([&] {
        cd->SetWait(false);
        cd->Open();
        tracks = cd->TrackCount();
    });
    if (error == "(no error)") {
        EXPECT_LE(tracks, 1u);
    } else {
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(0u, cd->DeviceID());  // left closed
    }
}

}  // namespace
