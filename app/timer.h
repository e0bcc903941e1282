// The main window: the alarm setting, arming, watching and firing.
#pragma once

#include "toolkit/Form.h"

class TTimerFrm : public TForm {
public:
    explicit TTimerFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TTimerFrm"; }

    void FormCreate(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
};

extern TTimerFrm* TimerFrm;
