#include "app/Startup.h"

#include "app/About.h"
#include "app/Cascade.h"
#include "app/Components.h"
#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/timer.h"
#include "datetime/FormatSettings.h"
#include "datetime/LocaleSettings.h"
#include "toolkit/Application.h"
#include "widgets/Dialogs.h"

void PrepareLocaleSettings() {
    datetime::LoadCalendarNames();
    datetime::LoadFormatSettings();
    // The alarm text shows hours and minutes only, until the system
    // announces a change of its settings.
    datetime::Formats().TimePatternLong = "HH:MM";
}

void CreateDawnbellWindows(TApplication& app) {
    app.SetTitle("Dawnbell");
    InstallErrorReport();
    app.CreateForm(TimerFrm);
    app.CreateForm(AboutFrm);
    app.CreateForm(RemindersFrm);
    app.CreateForm(SnoozeFrm);
}

int RunDawnbell() {
    PrepareLocaleSettings();
    RegisterComponents();
    TApplication app;
    // Names are loaded once; the settings follow the system's changes.
    app.OnSettingChange = [] { datetime::LoadFormatSettings(); };
    try {
        CreateDawnbellWindows(app);
        CascadeFromOtherInstances(TimerFrm->Handle());
        app.Run();
    } catch (...) {
        app.HandleException(&app);
        return 1;
    }
    return 0;
}
