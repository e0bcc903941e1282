#include "app/About.h"

#include "toolkit/FormBinding.h"

TAboutFrm* AboutFrm = nullptr;

void TAboutFrm::RegisterHandlers(HandlerTable& h) { FORM_HANDLER(h, BitBtn1Click); }

void TAboutFrm::BitBtn1Click(TComponent*) { Close(); }
