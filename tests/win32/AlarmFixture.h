// The main window with the fake platform, shared by the tests of the alarm:
// an answerer for the snooze question and the message dialogs, two scripted
// media devices behind the one media control seam, and a fixture that builds
// the main window under a settable clock with helpers to tick, arm and read
// the alarm's state.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/Startup.h"
#include "app/timer.h"
#include "datetime/DateTime.h"
#include "datetime/FormatSettings.h"
#include "datetime/LocaleItems.h"
#include "datetime/LocaleSettings.h"
#include "fakes/FakeMciDevice.h"
#include "fakes/FakePlatform.h"
#include "media/MPlayer.h"
#include "media/MciConstants.h"
#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Graphics.h"
#include "toolkit/Memo.h"
#include "toolkit/Menus.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/Panel.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabbedNotebook.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"
#include "widgets/Calendar.h"
#include "widgets/Spin.h"

inline std::string TextOf(HWND h) {
    char buf[512] = "";
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

// Answers the modal windows that come up while it lives: the snooze
// question with the scripted answers (awake when none is left), and every
// message dialog with its OK or Cancel button, from a thread timer that the
// modal loop delivers.
class Answerer {
public:
    enum class Answer { Awake, Snooze, CloseBox };
    struct Dialog {
        std::string caption, message;
    };

    std::deque<Answer> answers;
    const char* dialogButton = "OK";
    // Run when the question or a dialog is up, before it is answered.
    std::function<void()> whileAsking;
    std::function<void()> whileDialog;

    int questions = 0;
    std::vector<Dialog> dialogs;

    Answerer() {
        timer_ = SetTimer(nullptr, 0, 15, nullptr);
        filter_ = Application->AddMessageFilter([this](MSG& m) {
            if (m.message != WM_TIMER || m.hwnd != nullptr) return false;
            if (Application->ModalLevel() > 0) AnswerOne();
            return true;
        });
    }
    ~Answerer() {
        KillTimer(nullptr, timer_);
        Application->RemoveMessageFilter(filter_);
    }
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;

private:
    // The button's own click, as a mouse click or Space runs it: its modal
    // result, then its handler. Synchronous, so that every window is
    // answered exactly once.
    static void Press(TComponent* button) { static_cast<TControl*>(button)->Click(); }

    void AnswerOne() {
        if (SnoozeFrm->Modal() && SnoozeFrm->Visible()) {
            ++questions;
            if (whileAsking) whileAsking();
            Answer a = answers.empty() ? Answer::Awake : answers.front();
            if (!answers.empty()) answers.pop_front();
            if (a == Answer::CloseBox) SendMessageA(SnoozeFrm->Handle(), WM_CLOSE, 0, 0);
            else Press(SnoozeFrm->Find<TBitBtn>(a == Answer::Snooze ? "SnoozeBtn" : "AwakeBtn"));
            return;
        }
        EnumThreadWindows(GetCurrentThreadId(), &Answerer::Visit, reinterpret_cast<LPARAM>(this));
    }

    static BOOL CALLBACK Visit(HWND h, LPARAM self) {
        auto* me = reinterpret_cast<Answerer*>(self);
        if (!IsWindowVisible(h) || !IsWindowEnabled(h)) return TRUE;
        auto* dialog = dynamic_cast<TForm*>(FindControl(h));
        if (!dialog || dialog == SnoozeFrm || !dialog->FindComponent("Message")) return TRUE;
        me->dialogs.push_back({TextOf(h), static_cast<TControl*>(dialog->FindComponent("Message"))->Caption()});
        if (me->whileDialog) me->whileDialog();
        Press(dialog->FindComponent(me->dialogButton));
        return FALSE;
    }

    UINT_PTR timer_ = 0;
    int filter_ = 0;
};

// Two scripted devices behind the one media control seam: "CDAudio" opens
// the disc, anything else the wave file. Every command is also noted in one
// list, so that the order across both devices shows.
struct Devices {
    fakes::FakeMciDevice cd, wave;
    std::vector<std::string> order;

    explicit Devices(fakes::FakePlatform& platform, std::vector<std::uint32_t> trackSeconds = {})
        : platform_(platform) {
        cd.id = 7;
        wave.id = 8;
        cd.MakeCd(std::move(trackSeconds));
        wave.MakeWave(2000);
        platform.mciErrors[266] = "There is an undetectable problem in loading the specified device driver.";
        platform.mciErrors[275] = "Cannot find the specified file. Make sure the path and filename are correct.";
        platform.mci = [this](platform::MciDevice device, std::uint32_t message, std::uintptr_t flags,
                              void* params) {
            bool toCd = device == cd.id;
            if (message == mci::Open) {
                const char* type = static_cast<mci::OpenParms*>(params)->lpstrDeviceType;
                toCd = (flags & mci::OpenType) && type && std::strcmp(type, "CDAudio") == 0;
            }
            order.push_back(std::string(toCd ? "cd " : "wave ") + Name(message));
            return (toCd ? cd : wave).Send(device, message, flags, params);
        };
    }

    static std::string Name(std::uint32_t message) {
        switch (message) {
            case mci::Open: return "open";
            case mci::Close: return "close";
            case mci::Play: return "play";
            case mci::Seek: return "seek";
            case mci::Stop: return "stop";
            case mci::Status: return "status";
            default: return "other";
        }
    }
    // The players outlive the devices: later commands find no device.
    ~Devices() { platform_.mci = nullptr; }
    Devices(const Devices&) = delete;
    Devices& operator=(const Devices&) = delete;

    // The order with the status queries and capability reads left out.
    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (const std::string& s : order)
            if (s.find("status") == std::string::npos && s.find("other") == std::string::npos) out.push_back(s);
        return out;
    }

private:
    fakes::FakePlatform& platform_;
};

inline void EnsureSecondaryWindows() {
    if (!RemindersFrm) {
        RemindersFrm = new TRemindersFrm(Application);
        RemindersFrm->InitializeForm();
    }
    if (!SnoozeFrm) {
        SnoozeFrm = new TSnoozeFrm(Application);
        SnoozeFrm->InitializeForm();
    }
}

class AlarmFixture : public testing::Test {
protected:
    void SetUp() override { MakeForm(2026, 12, 7, 7, 5); }
    void TearDown() override {
        delete form;
        TOpenDialog::SetExecuteHook(nullptr);
        RemindersFrm->Hide();
        SnoozeFrm->SnoozeChosen = false;
        Application->SetTitle("DawnbellTests");
    }

    void MakeForm(int y, int mo, int d, int h, int mi, int s = 0) {
        delete form;
        fake.SetNow(y, mo, d, h, mi, s);
        PrepareLocaleSettings();  // fallback date settings and "HH:MM"
        EnsureSecondaryWindows();
        form = new TTimerFrm(Application);
        form->InitializeForm();
    }

    // One tick of the watch, delivered to the timer's window as the system does.
    void Tick() { SendMessageA(form->Clock->WindowHandle(), WM_TIMER, 1, 0); }

    // Arms the text as typed, with the program action on so that no warning comes.
    void Arm(const std::string& text, bool daily = false) {
        form->UseDailyChk->SetChecked(daily);
        form->CurrentEdt->SetText(text);
        form->SetBtnClick(form->SetBtn);
    }
    void UseProgram(const std::string& commandLine = "C:\\WAKE\\UP.EXE") {
        form->UseExeChk->SetChecked(true);
        form->ExeEdt->SetText(commandLine);
    }

    bool Idle() const {
        return form->Clock->Interval() == 0 && form->CurrentEdt->Enabled() &&
               form->CurrentEdt->Color() == clWhite && form->Caption() == "Dawnbell" &&
               Application->Title() == "Dawnbell";
    }
    bool ArmedAs(std::uint32_t interval, const std::string& caption) const {
        return form->Clock->Interval() == interval && !form->CurrentEdt->Enabled() &&
               form->CurrentEdt->Color() == clAqua && form->Caption() == caption && Application->Title() == caption;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& b : fake.boxes) out.push_back(b.text);
        return out;
    }

    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope{fake};
    datetime::ScopedFormatSettings settings;
    TTimerFrm* form = nullptr;
};
