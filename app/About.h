// The about box.
#pragma once

#include "toolkit/Form.h"

class TAboutFrm : public TForm {
public:
    explicit TAboutFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TAboutFrm"; }
};

extern TAboutFrm* AboutFrm;
