// The snooze question "Awake yet ?".
#pragma once

#include "toolkit/Form.h"

class TSnoozeFrm : public TForm {
public:
    explicit TSnoozeFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TSnoozeFrm"; }

    // The user's last answer: true snooze, false awake.
    bool SnoozeChosen = false;

    void FormClose(TComponent* sender, TCloseAction& action);

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
};

extern TSnoozeFrm* SnoozeFrm;
