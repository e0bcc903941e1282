#include "toolkit/Button.h"

#include "toolkit/EnumProperty.h"
#include "toolkit/Form.h"

namespace {

template <class F>
void ForEachButton(TWinControl& parent, F f) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* c = parent.Controls(i);
        if (auto* b = dynamic_cast<TButton*>(c)) f(b);
        if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachButton(*w, f);
    }
}

}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

TButton::~TButton() { Register(ParentForm(), false); }

TForm* TButton::ParentForm() const {
    const TControl* top = this;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

void TButton::Register(TForm* form, bool enter) {
    if (!form) return;
    if (enter) {
        if (default_) form->DefaultControl = this;
        if (cancel_) form->CancelControl = this;
    } else {
        // A form must never keep a pointer to a button that left it.
        if (form->DefaultControl == this) form->DefaultControl = nullptr;
        if (form->CancelControl == this) form->CancelControl = nullptr;
    }
}

void TButton::SetParent(TWinControl* parent) {
    Register(ParentForm(), false);
    TWinControl::SetParent(parent);
    Register(ParentForm(), true);
}

void TButton::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    TForm* form = ParentForm();
    if (v) Register(form, true);
    else if (form && form->DefaultControl == this) form->DefaultControl = nullptr;
    // The focused button keeps the border; otherwise the defaults have it.
    auto* focused = dynamic_cast<TButton*>(FindControl(GetFocus()));
    if (!focused || focused->ParentForm() != form) SetActive(v);
}

void TButton::SetCancel(bool v) {
    if (v == cancel_) return;
    cancel_ = v;
    TForm* form = ParentForm();
    if (v) Register(form, true);
    else if (form && form->CancelControl == this) form->CancelControl = nullptr;
}

void TButton::SetActive(bool v) {
    if (v == active_) return;
    active_ = v;
    SetButtonStyle(v);
}

void TButton::SetButtonStyle(bool active) {
    if (!HandleAllocated()) return;
    restyling_ = true;
    SendMessageA(handle_, BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    restyling_ = false;
}

void TButton::UpdateActive(TForm* form, TButton* focused) {
    if (!form) return;
    ForEachButton(*form, [focused](TButton* b) { b->SetActive(focused ? b == focused : b->default_); });
}

void TButton::Click() {
    // The modal result first: a handler may still change it.
    if (modalResult_ != 0)
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = "BUTTON";
    params.systemClass = true;
    // A control parent would be skipped by the dialog keys' tab walk.
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    params.style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

LRESULT TButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SETFOCUS: {
            LRESULT r = TWinControl::WndProc(msg, wParam, lParam);
            UpdateActive(ParentForm(), this);
            return r;
        }
        case WM_KILLFOCUS: {
            LRESULT r = TWinControl::WndProc(msg, wParam, lParam);
            // Moving to another button of the form: that one takes over.
            auto* next = dynamic_cast<TButton*>(FindControl(reinterpret_cast<HWND>(wParam)));
            TForm* form = ParentForm();
            if (!next || next->ParentForm() != form) UpdateActive(form, nullptr);
            return r;
        }
        case BM_SETSTYLE:
            // The dialog keys restyle every push button after a Tab, by
            // their own idea of the default; the button keeps its own.
            if (!restyling_) return 0;
            return TWinControl::WndProc(msg, wParam, lParam);
        default: return TWinControl::WndProc(msg, wParam, lParam);
    }
}

bool TButton::Notification(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    return false;
}

bool TButton::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Default") {
        SetDefault(value.AsBool());
    } else if (name == "Cancel") {
        SetCancel(value.AsBool());
    } else if (name == "ModalResult") {
        if (value.GetKind() == PropertyValue::Kind::Integer) SetModalResult(value.AsInt());
        else
            SetModalResult(EnumFromValue(
                value, {"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry", "mrIgnore", "mrYes", "mrNo", "mrAll"},
                "modal result"));
    } else {
        return TWinControl::SetProperty(name, value, binder);
    }
    return true;
}
