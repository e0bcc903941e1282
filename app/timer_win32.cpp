#include "app/timer.h"

TTimerFrm* TimerFrm = nullptr;

void TTimerFrm::RegisterHandlers(HandlerTable& h) {
    h.Add<void(TComponent*)>("FormCreate", [this](TComponent* s) { FormCreate(s); });
    h.Add<void(TComponent*, TCloseAction&)>("FormClose", [this](TComponent* s, TCloseAction& a) { FormClose(s, a); });
}

void TTimerFrm::FormCreate(TComponent*) {}

void TTimerFrm::FormClose(TComponent*, TCloseAction&) {}
