// Push buttons: the native button. A click sets the form's modal result
// (when the button has one) and then raises OnClick. Default and Cancel make
// it the button that Enter and Esc press; the button that Enter would press
// right now (the focused button, else the default one) shows the
// default-button border.
#pragma once

#include "toolkit/WinControl.h"

class TForm;

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    ~TButton() override;

    const char* ClassName() const override { return "TButton"; }

    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v);
    // The form's modal result set by a click; 0 leaves the form as it is.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    // Whether Enter would press this button now.
    bool Active() const { return active_; }

    void SetParent(TWinControl* parent) override;
    void Click() override;

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // Shows or removes the default-button border. Buttons that draw
    // themselves override this (and repaint) instead of changing the style;
    // BM_SETSTYLE from anyone else is ignored.
    virtual void SetButtonStyle(bool active);
    // The form the button is on (the top of its parents), or null.
    TForm* ParentForm() const;

private:
    void SetActive(bool v);
    // Registers with (or leaves) the form as its default and cancel button.
    void Register(TForm* form, bool enter);
    // Gives the default border to the focused button of the form, or to the
    // default buttons when focused is null.
    static void UpdateActive(TForm* form, TButton* focused);

    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    bool restyling_ = false;  // our own BM_SETSTYLE is under way
    int modalResult_ = 0;
};
