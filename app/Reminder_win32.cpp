#include "app/Reminder.h"

TRemindersFrm* RemindersFrm = nullptr;

void TRemindersFrm::RegisterHandlers(HandlerTable& h) {
    h.Add<void(TComponent*)>("OKBtnClick", [this](TComponent* s) { OKBtnClick(s); });
}

void TRemindersFrm::OKBtnClick(TComponent*) { Close(); }
