// Check boxes: the native automatic check box. OnClick comes whenever the
// state changes: clicked, toggled from the keyboard, or set by the program
// to the other value.
#pragma once

#include "toolkit/Alignment.h"
#include "toolkit/WinControl.h"

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    const char* ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    // taRightJustify: the caption right of the box (the default);
    // taLeftJustify: left of it.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;

private:
    bool checked_ = false;
    TAlignment alignment_ = TAlignment::taRightJustify;
};
