#include "app/Snooze.h"

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

void TSnoozeFrm::VisibleChanged() {
    // Every question starts on the snooze button, so that Enter answers
    // snooze even when the last answer was given with the other button.
    if (Visible()) SetActiveControl(SnoozeBtn);
    TForm::VisibleChanged();
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
