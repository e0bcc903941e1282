// Telling and asking the user: the message dialog built at run time from a
// text, a kind and a set of buttons; the application's message box; and the
// report of errors that escape an event handler, a message or a timer tick.
#pragma once

#include <exception>
#include <string>

#include "widgets/MessageKinds.h"

class TMessageForm;

// The dialog, owned by the application object, laid out and not yet shown.
TMessageForm* BuildMessageForm(const std::string& text, widgets::MessageKind kind, widgets::MessageButtons buttons);

// Shows the dialog modally, centred on the screen, and returns the modal
// result of the button pressed (2 when closed through its close box).
int MessageDialog(const std::string& text, widgets::MessageKind kind, widgets::MessageButtons buttons,
                  int helpContext = 0);
// As MessageDialog; a left or top of 0 or more replaces the centred
// position on that axis.
int MessageDialogAt(const std::string& text, widgets::MessageKind kind, widgets::MessageButtons buttons,
                    int helpContext, int left, int top);

// The system message box owned by the application window, with every other
// window of the program disabled while it is up. flags holds MessageBoxA
// flags (16 bits). Returns the box's answer.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

// Shows the error's message followed by "." in a message box with the stop
// icon, captioned with the application title; returns when it is closed.
void ReportError(const std::exception& error);

// Makes ReportError's box the application's report of escaping errors.
void InstallErrorReport();
