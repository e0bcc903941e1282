#include "app/Snooze.h"

#include "app/Cascade.h"
#include "toolkit/Application.h"
#include "toolkit/BitBtn.h"
#include "toolkit/FormBinding.h"

TSnoozeFrm* SnoozeFrm = nullptr;

void TSnoozeFrm::RegisterHandlers(HandlerTable& h) {
    FORM_HANDLER(h, AwakeBtnClick);
    FORM_HANDLER(h, SnoozeBtnClick);
    FORM_HANDLER(h, FormClose);
}

void TSnoozeFrm::ComponentsLoaded() {
    FORM_FIND(SnoozeBtn);
    FORM_FIND(AwakeBtn);
}

TSnoozeFrm::~TSnoozeFrm() { StopKeyGuard(); }

void TSnoozeFrm::VisibleChanged() {
    // Every question starts on the snooze button, so that Enter answers
    // snooze even when the last answer was given with the other button.
    if (Visible()) {
        SetActiveControl(SnoozeBtn);
        // Another Dawnbell may be asking at the same place: each question
        // opens off the others, at its own place when that is free.
        HWND h = Handle();
        SetWindowPos(h, nullptr, Left(), Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CascadeFromOtherInstances(h);
        StartKeyGuard();
    } else {
        StopKeyGuard();
    }
    TForm::VisibleChanged();
    // The newest question comes above every other window that stays on
    // top, another Dawnbell's question included.
    if (Visible()) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TSnoozeFrm::StartKeyGuard() {
    shownAt_ = GetTickCount();
    // Keys typed before the question showed were meant for another window.
    MSG queued;
    while (PeekMessageA(&queued, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    if (keyFilter_ == 0 && Application)
        keyFilter_ = Application->AddMessageFilter([this](MSG& msg) { return KeyGuarded(msg); });
}

void TSnoozeFrm::StopKeyGuard() {
    if (keyFilter_ != 0 && Application) Application->RemoveMessageFilter(keyFilter_);
    keyFilter_ = 0;
}

bool TSnoozeFrm::KeyGuarded(const MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    if (!HandleAllocated() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
    // A key still held from before repeats without a fresh press: only a
    // press made for the question answers it.
    const bool repeat = (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && (msg.lParam & (1L << 30));
    // Times are the system's tick counts, which wrap: compare by difference.
    const long sinceShown = static_cast<long>(msg.time - shownAt_);
    return repeat || sinceShown < static_cast<long>(KeyGuardMs);
}

void TSnoozeFrm::AwakeBtnClick(TComponent*) {
    SnoozeChosen = false;
    Close();
}

void TSnoozeFrm::SnoozeBtnClick(TComponent*) {
    SnoozeChosen = true;
    Close();
}

// Whatever closes the window (a button, the close box, Alt+F4) only hides it.
void TSnoozeFrm::FormClose(TComponent*, TCloseAction& action) { action = TCloseAction::caHide; }
