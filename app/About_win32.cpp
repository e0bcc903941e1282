#include "app/About.h"

TAboutFrm* AboutFrm = nullptr;

void TAboutFrm::RegisterHandlers(HandlerTable& h) {
    h.Add<void(TComponent*)>("BitBtn1Click", [this](TComponent* s) { BitBtn1Click(s); });
}

void TAboutFrm::BitBtn1Click(TComponent*) { Close(); }
