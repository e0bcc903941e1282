// The message dialog's window: a form with no stored description, whose
// icon, text and buttons the dialog functions create in code. It keeps the
// caller's help context for its Help button, lets Enter and Esc act only
// when no Shift, Ctrl or Alt is held, and can be moved once its window
// exists.
#pragma once

#include <functional>

#include "toolkit/Form.h"
#include "widgets/LayoutTypes.h"

class TMessageForm : public TForm {
public:
    explicit TMessageForm(TComponent* owner);

    const char* ClassName() const override { return "TMessageForm"; }

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int v) { helpContext_ = v; }
    // The Help button's click: asks for the help topic; the dialog stays.
    void HelpBtnClick(TComponent* sender);

    // What the border and caption bar add to the client size.
    widgets::LayoutSize FrameSize();

    void SetBounds(int left, int top, int width, int height) override;
    bool IsFormDialogMessage(MSG& msg) override;

private:
    int helpContext_ = 0;
};

// The help system behind the dialogs' Help button; it gets the dialog's help
// context. The program installs none, and then Help does nothing.
extern std::function<void(int helpContext)> MessageDialogHelp;
