// The "Properties" page: what the alarm does when it fires (a CD from a
// starting track, a wave file, a program), the check for a usable disc, the
// summary of the chosen actions, file browsing and the program's test run.
#include <windows.h>

#include <string>

#include "app/timer.h"
#include "media/MPlayer.h"
#include "toolkit/Timer.h"
#include "media/WaveHeader.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/TrackBar.h"
#include "widgets/Dialogs.h"

namespace {
const char kNoCd[] = "Cannot find CD in CD-ROM";
const char kWaveFilter[] = "Wave Audio Files (*.wav)|*.wav";
const char kProgramFilter[] = "Programs (*.exe)|*.exe";
const char kErrorCaption[] = "Error";
constexpr std::size_t kShownCommandLength = 100;
}  // namespace

bool TTimerFrm::CheckCD() {
    std::uint32_t tracks = 0;
    try {
        CDPlayer->SetWait(false);
        CDPlayer->Open();  // closes the device first when it is open
        tracks = CDPlayer->TrackCount();
    } catch (const EMCIDeviceError&) {
        // No CD audio device at all: for the user that is a drive without a
        // usable disc, and the box must not stay checked on a dead device.
        tracks = 0;
    }
    // A disc with a single track counts as none.
    if (tracks > 1) {
        StartingTrackBar->SetMax(static_cast<int>(CDPlayer->TrackCount()));
        return true;
    }
    RingIfSilent();  // at a firing: the box waits for an answer
    MessageDialog(kNoCd, widgets::MessageKind::Error, widgets::ButtonsOK);
    UseCDChk->SetChecked(false);  // its click handler rewrites the summary
    StartingTrackBar->SetEnabled(false);
    StartingTrackEdt->SetEnabled(false);
    return false;
}

void TTimerFrm::UpdateProperties() {
    const bool cd = UseCDChk->Checked(), wave = UseWavChk->Checked(), program = UseExeChk->Checked();
    std::string summary;
    if (cd || wave || program) {
        // Each piece brings its own blanks: "Alarm uses " + " .Wav" has two.
        summary = "Alarm uses ";
        if (cd) summary += "CD ";
        if (wave) summary += " .Wav";
        if (program) summary += " .EXE";
    } else {
        summary = "Silent Alarm:  No Sound Properties Set.";
    }
    PropertiesEdt->SetText(summary);
}

void TTimerFrm::UseCDChkClick(TComponent*) {
    alarm_.ForgetLostCd();  // the box says again what the alarm uses
    // Unchecking leaves the starting-track controls as they were.
    if (UseCDChk->Checked()) {
        bool ok = CheckCD();
        StartingTrackBar->SetEnabled(ok);
        StartingTrackEdt->SetEnabled(ok);
    }
    UpdateProperties();
}

void TTimerFrm::StartingTrackBarChange(TComponent*) {
    // Every move re-checks the disc; a range narrowed below the position
    // clamps it silently and the box keeps its old text.
    if (CheckCD()) StartingTrackEdt->SetText(std::to_string(StartingTrackBar->Position()));
}

void TTimerFrm::CDPlayerNotify(TComponent*) {
    if (CDPlayer->NotifyResult() != nrFailure) return;
    // The disc failed after it started: when it was the alarm's only sound
    // and the firing is not yet answered, the built-in sound takes over
    // before the error is shown (the box waits for an answer too).
    Apply(alarm_.CdLostWhilePlaying());
    MessageDialog(CDPlayer->ErrorMessage(), widgets::MessageKind::Error, widgets::ButtonsOK);
}

void TTimerFrm::WavPlayerNotify(TComponent*) {
    if (WavPlayer->NotifyResult() != nrFailure) return;
    // The same for the wave: a wave that fails while it plays leaves the
    // alarm as silent as one that could not start.
    Apply(alarm_.WaveLost());
    MessageDialog(WavPlayer->ErrorMessage(), widgets::MessageKind::Error, widgets::ButtonsOK);
}

void TTimerFrm::UseWavChkClick(TComponent*) {
    const bool on = UseWavChk->Checked();
    WavPlayer->SetEnabled(on);
    WavFileEdt->SetEnabled(on);
    FindWavBtn->SetEnabled(on);
    UpdateProperties();
}

void TTimerFrm::FindWavBtnClick(TComponent*) {
    OpenFileDlg->SetFilter(kWaveFilter);
    if (OpenFileDlg->Execute()) WavFileEdt->SetText(OpenFileDlg->FileName());
}

void TTimerFrm::WavFileEdtChange(TComponent*) {
    // The wave device is open on the file the box names, or closed. A path
    // typed by hand opens when typing pauses or the box is left: opening at
    // every key would report each incomplete path, and the report's box
    // would swallow the keys that follow. Browse and paste open at once.
    WavPlayer->Close();
    if (!WavFileEdt->Typing()) {
        OpenWaveFile();
        return;
    }
    wavPending_ = true;
    if (!wavPause_) {
        wavPause_ = new TTimer(this);
        wavPause_->SetInterval(WavTypingPauseMs);
        wavPause_->SetOnTimer([this](TComponent* s) { WavTypingPaused(s); });
        WavFileEdt->OnExit = [this](TComponent* s) { WavFileEdtExit(s); };
    }
    // Every key starts the pause afresh.
    wavPause_->SetEnabled(false);
    wavPause_->SetEnabled(true);
}

void TTimerFrm::WavTypingPaused(TComponent*) {
    if (wavPending_) OpenWaveFile();
}

void TTimerFrm::WavFileEdtExit(TComponent*) {
    if (wavPending_) OpenWaveFile();
}

void TTimerFrm::OpenWaveFile() {
    // Settled first: the report's box takes the focus away from the edit.
    wavPending_ = false;
    if (wavPause_) wavPause_->SetEnabled(false);
    WavPlayer->Close();
    const std::string path = WavFileEdt->GetText();
    WavPlayer->SetFileName(path);
    try {
        // A header the wave device cannot play never reaches its driver
        // (some drivers crash on one); a file that cannot be read at all is
        // left for the device to name.
        bool readable = false;
        const media::WaveCheck check = media::CheckWaveFile(path, readable);
        if (readable && !check.Playable())
            throw EMCIDeviceError("The wave file \"" + path + "\" cannot be played: " + check.problem);
        WavPlayer->Open();
    } catch (const EMCIDeviceError& e) {
        ReportError(e);
    }
}

void TTimerFrm::UseExeChkClick(TComponent*) {
    const bool on = UseExeChk->Checked();
    ExeEdt->SetEnabled(on);
    FindExeBtn->SetEnabled(on);
    UpdateProperties();
}

void TTimerFrm::FindExeBtnClick(TComponent*) {
    // One dialog serves both Browse buttons: the last choice is offered again.
    OpenFileDlg->SetFilter(kProgramFilter);
    if (OpenFileDlg->Execute()) ExeEdt->SetText(OpenFileDlg->FileName());
}

void TTimerFrm::ExeEdtChange(TComponent*) {
    // Follows the text alone, not "Use .exe"; the click checks that.
    RunBtn->SetEnabled(!ExeEdt->GetText().empty());
}

void TTimerFrm::RunBtnClick(TComponent*) {
    if (UseExeChk->Checked() && !ExeEdt->GetText().empty()) LaunchProgram();
}

void TTimerFrm::LaunchProgram() {
    // The whole command line, however long.
    const std::string commandLine = ExeEdt->GetText();
    if (platform::Sys().WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31) return;
    // Told, so that a wrong path shows at the test run and not on the
    // morning it stays silent; a very long line is cut short in the box.
    const std::string shown =
        commandLine.size() > kShownCommandLength ? commandLine.substr(0, kShownCommandLength) + "..." : commandLine;
    ShowMessageBox("Could not start the program \"" + shown + "\".", kErrorCaption, MB_ICONERROR);
}
