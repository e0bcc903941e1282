// The about box, shown without being modal from Help, About.
#pragma once

#include "toolkit/Form.h"

class TAboutFrm : public TForm {
public:
    explicit TAboutFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TAboutFrm"; }

    // "OK": closes the box, which hides it.
    void BitBtn1Click(TComponent* sender);

protected:
    void RegisterHandlers(HandlerTable& handlers) override;
};

extern TAboutFrm* AboutFrm;
