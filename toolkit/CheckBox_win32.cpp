#include "toolkit/CheckBox.h"

#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = "BUTTON";
    params.systemClass = true;
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    params.style |= BS_AUTOCHECKBOX;
    if (alignment_ == TAlignment::taLeftJustify) params.style |= BS_LEFTTEXT;
}

void TCheckBox::WindowCreated() {
    TWinControl::WindowCreated();
    SendMessageA(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    if (HandleAllocated()) SendMessageA(handle_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!Loading()) Click();
}

void TCheckBox::SetAlignment(TAlignment v) {
    if (v == TAlignment::taCenter) v = TAlignment::taRightJustify;
    if (v == alignment_) return;
    alignment_ = v;
    if (HandleAllocated()) {
        LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        style = v == TAlignment::taLeftJustify ? (style | BS_LEFTTEXT) : (style & ~static_cast<LONG_PTR>(BS_LEFTTEXT));
        SetWindowLongPtrA(handle_, GWL_STYLE, style);
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

bool TCheckBox::Notification(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                // The box has toggled itself; a click that left the state as
                // it was (none does, for an automatic box) raises nothing.
                bool now = SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
                if (now != checked_) {
                    checked_ = now;
                    Click();
                }
            }
            result = 0;
            return true;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // Its own colour behind box and caption: on a group box's border
            // it hides the frame line.
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
            SetBkColor(dc, ColorToRGB(Color()));
            result = reinterpret_cast<LRESULT>(ColorBrush());
            return true;
        }
        default: return false;
    }
}

bool TCheckBox::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Checked") SetChecked(value.AsBool());
    else if (name == "State") SetChecked(EnumFromValue(value, {"cbUnchecked", "cbChecked"}, "check box state") == 1);
    else if (name == "Alignment")
        SetAlignment(EnumFromValue<TAlignment>(value, {"taLeftJustify", "taRightJustify", "taCenter"}, "alignment"));
    else return TWinControl::SetProperty(name, value, binder);
    return true;
}
