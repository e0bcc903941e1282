// Dawnbell's start-up, in its fixed order: the locale settings (with the
// alarm's hours-and-minutes time pattern), the application object and its
// title, the four windows (main window first), then the event loop until the
// main window closes.
#pragma once

class TApplication;

// Loads the calendar names and the format settings from the locale, then
// fixes the long time pattern to hours and minutes.
void PrepareLocaleSettings();
// Names the application and creates the four windows in order: TimerFrm,
// AboutFrm, RemindersFrm, SnoozeFrm. Only the main window is shown later.
void CreateDawnbellWindows(TApplication& app);
// The whole start-up and the event loop; returns the process exit code.
int RunDawnbell();
