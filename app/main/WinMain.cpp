// Dawnbell's start-up: names the application, creates the four windows in
// order, shows the main window and runs until it closes.
#include <windows.h>

#include "app/About.h"
#include "app/Components.h"
#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/timer.h"
#include "platform/Platform.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RegisterComponents();
    TApplication app;
    try {
        app.SetTitle("Dawnbell");
        app.CreateForm(TimerFrm);
        app.CreateForm(AboutFrm);
        app.CreateForm(RemindersFrm);
        app.CreateForm(SnoozeFrm);
        app.Run();
    } catch (...) {
        app.HandleException(&app);
        return 1;
    }
    return 0;
}
