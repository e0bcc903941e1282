// The reminders window, shown after an awake answer.
#pragma once

#include "toolkit/Form.h"

class TRemindersFrm : public TForm {
public:
    explicit TRemindersFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TRemindersFrm"; }
};

extern TRemindersFrm* RemindersFrm;
