// The "Alarm Settings" page: the calendar, the month arrows, the hour and
// minute sliders and the daily switch compose the alarm text; the month
// caption and the status-bar text follow them.
#include <cstdint>
#include <string>

#include "app/timer.h"
#include "datetime/DateTime.h"
#include "datetime/DateTimeFormat.h"
#include "datetime/LocalClock.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Panel.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TrackBar.h"
#include "widgets/Calendar.h"
#include "widgets/Spin.h"

namespace {
const char kSettingsPageText[] = "Use Calendar + Sliders to set Time.  Click \"Set!\" Button to Activate.";
const char kPropertiesPageText[] = "Set the Sound Properties for the Alarm.";
}  // namespace

void TTimerFrm::FormCreate(TComponent*) {
    std::uint16_t hour = 0, minute = 0, second = 0, millisecond = 0;
    datetime::SplitTime(datetime::CurrentDateTime(), hour, minute, second, millisecond);
    // Positions set here raise no change event: the text is written once below.
    HourBar->SetPosition(hour);
    MinuteBar->SetPosition(minute);
    SetCurrentStr(this);
}

void TTimerFrm::SetCurrentStr(TComponent*) {
    // The caption follows the calendar in every state; the text only while
    // idle, so moving the controls never changes an armed alarm.
    MonthNamePnl->SetCaption(datetime::RenderDateTime("d mmmm, yyyy", DayCal->SelectedDate()));
    if (!CurrentEdt->Enabled()) return;
    // The bars keep hour and minute in range, so this cannot fail.
    datetime::DateTime t = datetime::MakeTime(static_cast<std::uint16_t>(HourBar->Position()),
                                              static_cast<std::uint16_t>(MinuteBar->Position()), 0, 0);
    std::string text = datetime::TimeText(t);
    if (!UseDailyChk->Checked()) text = datetime::DateText(DayCal->SelectedDate()) + " " + text;
    CurrentEdt->SetText(text);
}

// The down arrow goes to the next month. A day that the target month lacks
// (31 January to February) is refused by the calendar with EConvertError,
// which leaves the handler before anything else changes.
void TTimerFrm::MonthSelDownClick(TComponent*) {
    int month = DayCal->Month();
    if (month < 12) {
        DayCal->SetMonth(month + 1);
    } else {
        // Through January of the old year first; both months have 31 days.
        DayCal->SetMonth(1);
        DayCal->SetYear(DayCal->Year() + 1);
    }
    SetCurrentStr(this);
}

// The up arrow goes to the previous month.
void TTimerFrm::MonthSelUpClick(TComponent*) {
    int month = DayCal->Month();
    if (month > 1) {
        DayCal->SetMonth(month - 1);
    } else {
        DayCal->SetMonth(12);
        DayCal->SetYear(DayCal->Year() - 1);
    }
    SetCurrentStr(this);
}

void TTimerFrm::UseDailyChkClick(TComponent* sender) {
    // A change of kind always disarms: the armed text is of the old kind.
    CancelBtnClick(sender);
    const bool daily = UseDailyChk->Checked();
    DailyAlarmPnl->SetVisible(daily);
    // What the panel covers is hidden too: Tab, the arrow keys and screen
    // readers never reach a calendar that cannot be seen.
    for (TControl* covered :
         {static_cast<TControl*>(MonthNamePnl), static_cast<TControl*>(DayCal), static_cast<TControl*>(MonthSel)})
        covered->SetVisible(!daily);
    SetCurrentStr(this);
}

void TTimerFrm::ControlsNbkChange(TComponent*, int newTab, bool&) {
    StatusBar->SetSimpleText(newTab == 0 ? kSettingsPageText : kPropertiesPageText);
}
