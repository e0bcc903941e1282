// The main window's handler table and the look-up of its controls.
#include "app/timer.h"

#include "media/MPlayer.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Memo.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/Panel.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabbedNotebook.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"
#include "widgets/Calendar.h"
#include "widgets/Spin.h"

TTimerFrm* TimerFrm = nullptr;

void TTimerFrm::RegisterHandlers(HandlerTable& h) {
    using Notify = void(TComponent*);
    auto add = [&](const char* name, void (TTimerFrm::*method)(TComponent*)) {
        h.Add<Notify>(name, [this, method](TComponent* s) { (this->*method)(s); });
    };
    add("FormCreate", &TTimerFrm::FormCreate);
    h.Add<void(TComponent*, TCloseAction&)>("FormClose", [this](TComponent* s, TCloseAction& a) { FormClose(s, a); });

    add("SetCurrentStr", &TTimerFrm::SetCurrentStr);
    add("MonthSelUpClick", &TTimerFrm::MonthSelUpClick);
    add("MonthSelDownClick", &TTimerFrm::MonthSelDownClick);
    add("UseDailyChkClick", &TTimerFrm::UseDailyChkClick);
    h.Add<void(TComponent*, int, bool&)>(
        "ControlsNbkChange", [this](TComponent* s, int newTab, bool& allow) { ControlsNbkChange(s, newTab, allow); });

    add("SetBtnClick", &TTimerFrm::SetBtnClick);
    add("CancelBtnClick", &TTimerFrm::CancelBtnClick);
    add("ClockTimer", &TTimerFrm::ClockTimer);

    add("UseCDChkClick", &TTimerFrm::UseCDChkClick);
    add("StartingTrackBarChange", &TTimerFrm::StartingTrackBarChange);
    add("CDPlayerNotify", &TTimerFrm::CDPlayerNotify);
    add("WavPlayerNotify", &TTimerFrm::WavPlayerNotify);
    add("UseWavChkClick", &TTimerFrm::UseWavChkClick);
    add("FindWavBtnClick", &TTimerFrm::FindWavBtnClick);
    add("WavFileEdtChange", &TTimerFrm::WavFileEdtChange);
    add("UseExeChkClick", &TTimerFrm::UseExeChkClick);
    add("FindExeBtnClick", &TTimerFrm::FindExeBtnClick);
    add("ExeEdtChange", &TTimerFrm::ExeEdtChange);
    add("RunBtnClick", &TTimerFrm::RunBtnClick);

    RegisterMenuHandlers(h);
}

void TTimerFrm::ComponentsLoaded() {
    // Every one of these is in the description; a missing one is a
    // description error and stops the window from being made.
    CurrentEdt = Find<TEdit>("CurrentEdt");
    PropertiesEdt = Find<TEdit>("PropertiesEdt");
    UseDailyChk = Find<TCheckBox>("UseDailyChk");
    SetBtn = Find<TBitBtn>("SetBtn");
    CancelBtn = Find<TBitBtn>("CancelBtn");
    ControlsNbk = Find<TTabbedNotebook>("ControlsNbk");
    StatusBar = Find<TStatusBar>("StatusBar");
    Clock = Find<TTimer>("Clock");
    OpenFileDlg = Find<TOpenDialog>("OpenFileDlg");
    MonthNamePnl = Find<TPanel>("MonthNamePnl");
    DailyAlarmPnl = Find<TPanel>("DailyAlarmPnl");
    DayCal = Find<TCalendar>("DayCal");
    MonthSel = Find<TSpinButton>("MonthSel");
    HourBar = Find<TTrackBar>("HourBar");
    MinuteBar = Find<TTrackBar>("MinuteBar");
    StartingTrackBar = Find<TTrackBar>("StartingTrackBar");
    StartingTrackEdt = Find<TEdit>("StartingTrackEdt");
    UseCDChk = Find<TCheckBox>("UseCDChk");
    CDPlayer = Find<TMediaPlayer>("CDPlayer");
    WavFileEdt = Find<TEdit>("WavFileEdt");
    FindWavBtn = Find<TBitBtn>("FindWavBtn");
    UseWavChk = Find<TCheckBox>("UseWavChk");
    WavPlayer = Find<TMediaPlayer>("WavPlayer");
    RemindersMmo = Find<TMemo>("RemindersMmo");
    ExeEdt = Find<TEdit>("ExeEdt");
    FindExeBtn = Find<TBitBtn>("FindExeBtn");
    UseExeChk = Find<TCheckBox>("UseExeChk");
    RunBtn = Find<TBitBtn>("RunBtn");
}
