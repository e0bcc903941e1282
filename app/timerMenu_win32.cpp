// The main window's menu commands that are not alarm commands: Exit, About,
// the help text and a further instance of the program.
#include <windows.h>

#include <string>

#include "app/About.h"
#include "app/timer.h"
#include "platform/Platform.h"
#include "toolkit/FormBinding.h"
#include "widgets/Dialogs.h"

namespace {
const char kHelpFailed[] = "Could not launch NOTEPAD.EXE.  Please read dbhelp.txt with another editor.";
const char kNewFailed[] = "Could not launch Dawnbell.exe.";

// WinExec answers 31 or less when it could not start the program.
bool Launch(const std::string& commandLine) { return platform::Sys().WinExec(commandLine.c_str(), SW_RESTORE) > 31; }
}  // namespace

void TTimerFrm::RegisterMenuHandlers(HandlerTable& h) {
    FORM_HANDLER(h, Exit2Click);
    FORM_HANDLER(h, About1Click);
    FORM_HANDLER(h, Contents1Click);
    FORM_HANDLER(h, NewDawnbell1Click);
}

void TTimerFrm::Exit2Click(TComponent*) { Close(); }

void TTimerFrm::About1Click(TComponent*) {
    // Not modal; Show brings it to the front when it is open already.
    if (AboutFrm) AboutFrm->Show();
}

void TTimerFrm::Contents1Click(TComponent*) {
    // The help text lies beside the program, whatever the program is called
    // and whatever folder it was started from: the folder is all of the
    // program's own path up to its last separator. Quoted, since folders
    // have blanks; built as a string, so a long path is never cut short.
    std::string path = platform::Sys().ModulePath();
    std::string::size_type slash = path.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    if (!Launch("notepad.exe \"" + folder + "dbhelp.txt\""))
        MessageDialog(kHelpFailed, widgets::MessageKind::Error, widgets::ButtonsOK, 0);
}

void TTimerFrm::NewDawnbell1Click(TComponent*) {
    // WinExec looks in the running program's folder first, so this starts
    // the same program; the command line is passed on whole.
    if (!Launch("Dawnbell.exe " + platform::Sys().CommandLine()))
        MessageDialog(kNewFailed, widgets::MessageKind::Error, widgets::ButtonsOK, 0);
}
