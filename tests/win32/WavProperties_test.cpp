// The main window's wave action through the real media control interface:
// a wave file chosen in the file dialog opens the wave device once, and the
// Play button of the window's own player plays exactly that file (its sound
// captured to a file under Wine).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/Startup.h"
#include "app/timer.h"
#include "datetime/FormatSettings.h"
#include "fakes/FakePlatform.h"
#include "media/MPlayer.h"
#include "media/MciConstants.h"
#include "toolkit/Application.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/TabbedNotebook.h"
#include "win32/AlarmFixture.h"
#include "win32/WaveCapture.h"

namespace {

using namespace wavetest;

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); !done();) {
        if (GetTickCount() - start > timeoutMs) return false;
        Application->ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

class WavPropertiesTest : public testing::Test {
protected:
    void SetUp() override {
        if (capture.underWine && capture.file.empty()) FAIL() << capture.problem;
        // The settable clock and recorded message boxes, but every media
        // command goes to the real interface, counted on the way.
        platform::Platform* real = &platform::Sys();
        fake.mci = [this, real](platform::MciDevice device, std::uint32_t message, std::uintptr_t flags,
                                void* params) {
            if (message == mci::Open) ++opens;
            if (message == mci::Close) ++closes;
            return real->MciSendCommand(device, message, flags, params);
        };
        // The device's own texts for its errors.
        for (platform::MciError code = 256; code < 1024; ++code) {
            char text[256] = "";
            if (real->MciGetErrorString(code, text, sizeof text)) fake.mciErrors[code] = text;
        }
        scope = std::make_unique<fakes::ScopedPlatform>(fake);
        fake.SetNow(2026, 12, 7, 7, 5);
        PrepareLocaleSettings();
        EnsureSecondaryWindows();
        form = new TTimerFrm(Application);
        form->InitializeForm();

        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        wave = std::string(temp) + "WavProperties_test-rooster.wav";
        samples = Noise(kRate / 2, 7);
        ASSERT_TRUE(WriteWave(wave, samples));
        if (!capture.file.empty()) DeleteFileA(capture.file.c_str());
    }
    void TearDown() override {
        delete form;
        TOpenDialog::SetExecuteHook(nullptr);
        scope.reset();
        DeleteFileA(wave.c_str());
    }

    fakes::FakePlatform fake;
    std::unique_ptr<fakes::ScopedPlatform> scope;
    datetime::ScopedFormatSettings settings;
    TTimerFrm* form = nullptr;
    std::string wave;
    Bytes samples;
    int opens = 0, closes = 0;
};

TEST_F(WavPropertiesTest, AChosenWaveFileOpensTheDeviceOnceAndPlayPlaysIt) {
    form->UseWavChk->SetChecked(true);
    EXPECT_EQ(0, opens);  // nothing named yet: nothing opened

    TOpenDialog::SetExecuteHook([this](OPENFILENAMEA& ofn) {
        std::strcpy(ofn.lpstrFile, wave.c_str());
        return true;
    });
    form->FindWavBtnClick(form->FindWavBtn);
    EXPECT_EQ(wave, form->WavFileEdt->GetText());
    EXPECT_EQ(1, opens);
    EXPECT_NE(0, form->WavPlayer->DeviceID());
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ("Alarm uses  .Wav", form->PropertiesEdt->GetText());

    // The user presses the player's Play button on the Properties page.
    form->ControlsNbk->SetPageIndex(1);
    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form->Handle());
    PumpUntil([] { return false; }, 150);
    POINT p{14, 12};  // the first button of the row: Play
    ClientToScreen(form->WavPlayer->Handle(), &p);
    ASSERT_EQ(form->WavPlayer->Handle(), WindowFromPoint(p)) << "another window covers the player";
    SetCursorPos(p.x, p.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    // The short wave may have played to its end before the pump looks:
    // started is either playing now or sound already in the capture.
    ASSERT_TRUE(PumpUntil(
        [&] {
            return form->WavPlayer->Mode() == mdPlaying ||
                   (!capture.file.empty() && !CapturedSamples(capture.file).empty());
        },
        3000))
        << "Play did not start";
    EXPECT_EQ(1, opens);  // playing opened nothing more
    EXPECT_EQ(0, closes);

    if (!capture.file.empty()) {
        PumpUntil([&] { return CapturedSamples(capture.file).size() >= samples.size(); }, 10000);
        EXPECT_TRUE(CapturedSamples(capture.file) == samples)
            << "captured " << CapturedSamples(capture.file).size() << " bytes of " << samples.size();
    }
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(WavPropertiesTest, AFileThatIsNotThereIsReportedAndLeavesTheDeviceClosed) {
    form->UseWavChk->SetChecked(true);
    form->WavFileEdt->SetText(wave);
    ASSERT_NE(0, form->WavPlayer->DeviceID());
    form->WavFileEdt->SetText(wave + ".gone.wav");
    EXPECT_EQ(2, opens);
    EXPECT_EQ(1, closes);
    EXPECT_EQ(0, form->WavPlayer->DeviceID());
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_NE(std::string::npos, fake.boxes[0].text.find("Cannot find the specified file")) << fake.boxes[0].text;
}

// Crafted headers that the wave device would open and then fail on, or
// crash in its driver: refused before the device sees them, reported as a
// file that cannot be opened; the firing then rings the built-in sound.
TEST_F(WavPropertiesTest, AWaveNoDeviceCanPlayIsReportedNeverOpenedAndTheBuiltinSoundRings) {
    form->UseWavChk->SetChecked(true);
    auto craft = [&](const std::string& name, unsigned channels, unsigned rate, unsigned claimed) {
        const std::string path = wave + "." + name + ".wav";
        const unsigned align = channels * 2;
        const std::string data(64, '\0');
        wavetest::WriteFile(path, "RIFF" + Le(36 + 64, 4) + "WAVE" + "fmt " + Le(16, 4) + Le(1, 2) + Le(channels, 2) +
                            Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) + Le(16, 2) + "data" + Le(claimed, 4) +
                            data);
        return path;
    };
    const std::string files[] = {craft("no-channels", 0, 22050, 64), craft("one-hertz", 2, 1, 64),
                                 craft("past-the-end", 2, 22050, 1 << 20)};
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        fake.boxes.clear();
        form->WavFileEdt->SetText(path);
        EXPECT_EQ(0, opens);
        EXPECT_EQ(0, form->WavPlayer->DeviceID());
        ASSERT_EQ(1u, fake.boxes.size());
        EXPECT_NE(std::string::npos, fake.boxes[0].text.find("cannot be played")) << fake.boxes[0].text;
    }

    Answerer answerer;
    fake.boxes.clear();
    form->SetBtnClick(form->SetBtn);
    SendMessageA(form->Clock->WindowHandle(), WM_TIMER, 1, 0);
    EXPECT_EQ(1, answerer.questions);
    ASSERT_FALSE(fake.sounds.empty()) << "the alarm stayed silent";
    EXPECT_EQ("ALARMSOUND", fake.sounds.front().sound);
    EXPECT_EQ(1u, fake.boxes.size());  // the wave that is not open, once
    for (const std::string& path : files) DeleteFileA(path.c_str());
}

}  // namespace
