#include "app/Reminder.h"

#include "toolkit/FormBinding.h"

TRemindersFrm* RemindersFrm = nullptr;

void TRemindersFrm::RegisterHandlers(HandlerTable& h) { FORM_HANDLER(h, OKBtnClick); }

void TRemindersFrm::OKBtnClick(TComponent*) { Close(); }
