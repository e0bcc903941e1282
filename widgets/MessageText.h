// The message dialog's text: a native static control, so that screen readers
// and other programs read the message from the window itself. It wraps at
// words, shows "&" as it stands and is drawn in the dialog's colours, as
// the dialog measured it.
#pragma once

#include "toolkit/WinControl.h"

class TMessageText : public TWinControl {
public:
    explicit TMessageText(TComponent* owner);
    const char* ClassName() const override { return "TMessageText"; }

    // The DrawTextA flags the control lays its text out with (add
    // DT_CALCRECT to measure it the same way).
    static UINT DrawTextFlags() { return DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX; }

    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void CreateParams(TCreateParams& params) override;
};
