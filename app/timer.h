// The main window: the alarm setting and its text (timerSetting_win32.cpp),
// arming, watching and firing (timerAlarm_win32.cpp), the alarm's actions
// and their summary (timerProperties_win32.cpp) and the menu commands
// (timerMenu_win32.cpp).
//
// The alarm's life is kept by AlarmCore; the window shows its state in the
// controls (Clock's interval: 0 idle or asking, 3000 watching, 300000
// snoozing; CurrentEdt enabled and white only when idle; the caption) and
// carries out what it asks for.
#pragma once

#include "app/AlarmCore.h"
#include "toolkit/Form.h"

class TBitBtn;
class TCalendar;
class TCheckBox;
class TEdit;
class TMediaPlayer;
class TMemo;
class TOpenDialog;
class TPanel;
class TSpinButton;
class TStatusBar;
class TTabbedNotebook;
class TTimer;
class TTrackBar;

class TTimerFrm : public TForm {
public:
    explicit TTimerFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TTimerFrm"; }

    // The controls the alarm uses, found once the description is read.
    TEdit* CurrentEdt = nullptr;
    TEdit* PropertiesEdt = nullptr;
    TCheckBox* UseDailyChk = nullptr;
    TBitBtn* SetBtn = nullptr;
    TBitBtn* CancelBtn = nullptr;
    TTabbedNotebook* ControlsNbk = nullptr;
    TStatusBar* StatusBar = nullptr;
    TTimer* Clock = nullptr;
    TOpenDialog* OpenFileDlg = nullptr;
    TPanel* MonthNamePnl = nullptr;
    TPanel* DailyAlarmPnl = nullptr;
    TCalendar* DayCal = nullptr;
    TSpinButton* MonthSel = nullptr;
    TTrackBar* HourBar = nullptr;
    TTrackBar* MinuteBar = nullptr;
    TTrackBar* StartingTrackBar = nullptr;
    TEdit* StartingTrackEdt = nullptr;
    TCheckBox* UseCDChk = nullptr;
    TMediaPlayer* CDPlayer = nullptr;
    TEdit* WavFileEdt = nullptr;
    TBitBtn* FindWavBtn = nullptr;
    TCheckBox* UseWavChk = nullptr;
    TMediaPlayer* WavPlayer = nullptr;
    TMemo* RemindersMmo = nullptr;
    TEdit* ExeEdt = nullptr;
    TBitBtn* FindExeBtn = nullptr;
    TCheckBox* UseExeChk = nullptr;
    TBitBtn* RunBtn = nullptr;

    // The alarm's state: LastFired, the armed moment, the snooze's end.
    const alarmcore::AlarmCore& Alarm() const { return alarm_; }

    // The alarm setting and its text.
    void FormCreate(TComponent* sender);
    void SetCurrentStr(TComponent* sender);
    void MonthSelUpClick(TComponent* sender);
    void MonthSelDownClick(TComponent* sender);
    void UseDailyChkClick(TComponent* sender);
    void ControlsNbkChange(TComponent* sender, int newTab, bool& allowChange);

    // Arming, watching and firing.
    void SetBtnClick(TComponent* sender);
    void CancelBtnClick(TComponent* sender);
    void ClockTimer(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);

    // The alarm's actions.
    bool CheckCD();
    void UpdateProperties();
    void UseCDChkClick(TComponent* sender);
    void StartingTrackBarChange(TComponent* sender);
    void CDPlayerNotify(TComponent* sender);
    void WavPlayerNotify(TComponent* sender);
    void UseWavChkClick(TComponent* sender);
    void FindWavBtnClick(TComponent* sender);
    void WavFileEdtChange(TComponent* sender);
    void UseExeChkClick(TComponent* sender);
    void FindExeBtnClick(TComponent* sender);
    void ExeEdtChange(TComponent* sender);
    void RunBtnClick(TComponent* sender);
    // The focus left WavFileEdt: a path typed there opens now.
    void WavFileEdtExit(TComponent* sender);

    // How long typing in WavFileEdt pauses before the typed path opens.
    static constexpr unsigned WavTypingPauseMs = 1000;

    // Menu commands (timerMenu_win32.cpp).
    void Exit2Click(TComponent* sender);
    void About1Click(TComponent* sender);
    void Contents1Click(TComponent* sender);
    void NewDawnbell1Click(TComponent* sender);

    // True while a firing runs (from the due tick until the answer is
    // handled); ticks that arrive meanwhile are dropped.
    bool Firing() const { return alarm_.GetState() == alarmcore::State::Asking; }

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
    void ComponentsLoaded() override;
    // A resume from sleep checks the alarm at once.
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void RegisterMenuHandlers(HandlerTable& handlers);

    // The firing: actions, question, answer.
    void Fire();
    // The two sounds: true when the sound started.
    bool PlayWave();
    bool PlayCD();
    void RunProgram();
    void StopSound();
    void HandOverReminders();
    // The program action and the test run: the whole command line.
    void LaunchProgram();

    // Shows the alarm's state: Clock's interval, CurrentEdt's look, the
    // caption and the application title.
    void ShowState();
    // Carries out what the alarm asks for once: the built-in sound (looped
    // from the program's own resources) and the wake-up timer.
    void Apply(const alarmcore::Effects& effects);

    // The wave device on the file WavFileEdt names; a file that cannot be
    // opened, or whose header no wave device can play, is reported once and
    // leaves the device closed. A path typed key by key waits for a pause.
    void OpenWaveFile();
    void WavTypingPaused(TComponent* sender);
    TTimer* wavPause_ = nullptr;  // owned by the form
    bool wavPending_ = false;     // a typed path not yet opened

    // At a firing: the built-in sound rings when a sound was chosen and none
    // started (the reports of actions that cannot start wait for an answer
    // just as the question does).
    void RingIfSilent();

    alarmcore::AlarmCore alarm_;
};

extern TTimerFrm* TimerFrm;
