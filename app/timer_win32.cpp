// The main window's handler table and the look-up of its controls.
#include "app/timer.h"

#include "media/MPlayer.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/FormBinding.h"
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
    FORM_HANDLER(h, FormCreate);
    FORM_HANDLER(h, FormClose);

    FORM_HANDLER(h, SetCurrentStr);
    FORM_HANDLER(h, MonthSelUpClick);
    FORM_HANDLER(h, MonthSelDownClick);
    FORM_HANDLER(h, UseDailyChkClick);
    FORM_HANDLER(h, ControlsNbkChange);

    FORM_HANDLER(h, SetBtnClick);
    FORM_HANDLER(h, CancelBtnClick);
    FORM_HANDLER(h, ClockTimer);

    FORM_HANDLER(h, UseCDChkClick);
    FORM_HANDLER(h, StartingTrackBarChange);
    FORM_HANDLER(h, CDPlayerNotify);
    FORM_HANDLER(h, WavPlayerNotify);
    FORM_HANDLER(h, UseWavChkClick);
    FORM_HANDLER(h, FindWavBtnClick);
    FORM_HANDLER(h, WavFileEdtChange);
    FORM_HANDLER(h, UseExeChkClick);
    FORM_HANDLER(h, FindExeBtnClick);
    FORM_HANDLER(h, ExeEdtChange);
    FORM_HANDLER(h, RunBtnClick);

    RegisterMenuHandlers(h);
}

void TTimerFrm::ComponentsLoaded() {
    // Every one of these is in the description; a missing one is a
    // description error and stops the window from being made.
    FORM_FIND(CurrentEdt);
    FORM_FIND(PropertiesEdt);
    FORM_FIND(UseDailyChk);
    FORM_FIND(SetBtn);
    FORM_FIND(CancelBtn);
    FORM_FIND(ControlsNbk);
    FORM_FIND(StatusBar);
    FORM_FIND(Clock);
    FORM_FIND(OpenFileDlg);
    FORM_FIND(MonthNamePnl);
    FORM_FIND(DailyAlarmPnl);
    FORM_FIND(DayCal);
    FORM_FIND(MonthSel);
    FORM_FIND(HourBar);
    FORM_FIND(MinuteBar);
    FORM_FIND(StartingTrackBar);
    FORM_FIND(StartingTrackEdt);
    FORM_FIND(UseCDChk);
    FORM_FIND(CDPlayer);
    FORM_FIND(WavFileEdt);
    FORM_FIND(FindWavBtn);
    FORM_FIND(UseWavChk);
    FORM_FIND(WavPlayer);
    FORM_FIND(RemindersMmo);
    FORM_FIND(ExeEdt);
    FORM_FIND(FindExeBtn);
    FORM_FIND(UseExeChk);
    FORM_FIND(RunBtn);
}
