// The main window: the alarm setting and its text (timerSetting_win32.cpp),
// arming, watching and firing (timerAlarm_win32.cpp), the alarm's actions
// and their summary (timerProperties_win32.cpp) and the menu commands
// (timerMenu_win32.cpp).
//
// The alarm lives in the controls: Clock's interval is its state (0 idle,
// 3000 watching, 300000 snoozing), CurrentEdt's text is the alarm and its
// enabled state tells idle from armed. Only LastFired is kept apart.
#pragma once

#include "datetime/DateTime.h"
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

    // The day a daily alarm last fired (whole days); 0 when none.
    datetime::DateTime LastFired = 0;
    // The armed alarm as read from the text by Set: the date and time of a
    // one-shot alarm, the time of day of a daily one.
    datetime::DateTime AlarmAt = 0;

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
    bool Firing() const { return firing_; }

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
    void ComponentsLoaded() override;

private:
    void RegisterMenuHandlers(HandlerTable& handlers);

    // The due test of a tick.
    bool AlarmDue();
    // The firing: actions, question, answer.
    void Fire();
    // The two sounds: true when the sound started.
    bool PlayWave();
    bool PlayCD();
    void RunProgram();
    void StopSound();
    void HandOverReminders();
    // Idle look: CurrentEdt enabled and white, caption and title "Dawnbell".
    void ShowIdle();
    // The program action and the test run: the whole command line.
    void LaunchProgram();

    // The wave device on the file WavFileEdt names; a file that cannot be
    // opened, or whose header no wave device can play, is reported once and
    // leaves the device closed. A path typed key by key waits for a pause.
    void OpenWaveFile();
    void WavTypingPaused(TComponent* sender);
    TTimer* wavPause_ = nullptr;  // owned by the form
    bool wavPending_ = false;     // a typed path not yet opened

    bool firing_ = false;

    // The built-in alarm sound: when the firing was to make a sound and
    // none of the chosen sounds started, it rings from the first report of
    // a sound that cannot start (or from the question) until the answer.
    void RingIfSilent();
    void StartBuiltinSound();
    void StopBuiltinSound();
    bool ringing_ = false;       // from the firing's first action to the answer
    bool soundChosen_ = false;   // this firing was to make a sound
    bool waveStarted_ = false;   // ... and these of its sounds started
    bool cdStarted_ = false;
    bool builtinPlaying_ = false;
    // A firing found no disc and unchecked "Use CD": the alarm still counts
    // as one that makes a sound until it is set again, cancelled or "Use CD"
    // is changed by hand.
    bool cdLost_ = false;

    // The wake-up timer follows the alarm: due at the next moment a tick
    // may find the alarm due (a snooze's end at the earliest), dropped when
    // idle. The ticks alone decide whether the alarm is due.
    void UpdateWakeTimer();
};

extern TTimerFrm* TimerFrm;
