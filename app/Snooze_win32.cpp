#include "app/Snooze.h"

#include "app/Cascade.h"
#include "toolkit/BitBtn.h"

TSnoozeFrm* SnoozeFrm = nullptr;

void TSnoozeFrm::RegisterHandlers(HandlerTable& h) {
    h.Add<void(TComponent*)>("AwakeBtnClick", [this](TComponent* s) { AwakeBtnClick(s); });
    h.Add<void(TComponent*)>("SnoozeBtnClick", [this](TComponent* s) { SnoozeBtnClick(s); });
    h.Add<void(TComponent*, TCloseAction&)>("FormClose", [this](TComponent* s, TCloseAction& a) { FormClose(s, a); });
}

void TSnoozeFrm::ComponentsLoaded() {
    SnoozeBtn = Find<TBitBtn>("SnoozeBtn");
    AwakeBtn = Find<TBitBtn>("AwakeBtn");
}

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
    }
    TForm::VisibleChanged();
    // The newest question comes above every other window that stays on
    // top, another Dawnbell's question included.
    if (Visible()) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
