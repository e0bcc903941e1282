#include "app/Snooze.h"

TSnoozeFrm* SnoozeFrm = nullptr;

void TSnoozeFrm::RegisterHandlers(HandlerTable& h) {
    h.Add<void(TComponent*, TCloseAction&)>("FormClose", [this](TComponent* s, TCloseAction& a) { FormClose(s, a); });
}

void TSnoozeFrm::FormClose(TComponent*, TCloseAction& action) { action = TCloseAction::caHide; }
