// The reminders window: shows a copy of the main window's reminder lines
// after an awake answer, without being modal.
#pragma once

#include "toolkit/Form.h"

class TRemindersFrm : public TForm {
public:
    explicit TRemindersFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TRemindersFrm"; }

    // "OK": closes the window, which hides it.
    void OKBtnClick(TComponent* sender);

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
};

extern TRemindersFrm* RemindersFrm;
