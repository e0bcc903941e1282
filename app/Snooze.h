// The snooze question "Awake yet ?": asked modally when the alarm fires.
// The window is made once and hidden, never destroyed, when it closes, so
// the last answer carries over from one firing to the next.
#pragma once

#include "toolkit/Form.h"

class TBitBtn;

class TSnoozeFrm : public TForm {
public:
    explicit TSnoozeFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TSnoozeFrm"; }

    // The user's last answer: true snooze, false awake. Only the two
    // buttons change it; the close box leaves it as it was.
    bool SnoozeChosen = false;

    // "OK, OK, I'm awake already !"
    void AwakeBtnClick(TComponent* sender);
    // "Let me snooze, dammit !" (also Enter: the default button)
    void SnoozeBtnClick(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);

    TBitBtn* SnoozeBtn = nullptr;
    TBitBtn* AwakeBtn = nullptr;

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
    void ComponentsLoaded() override;
    void VisibleChanged() override;
};

extern TSnoozeFrm* SnoozeFrm;
