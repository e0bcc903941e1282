#include "toolkit/StatusBar.h"

#include <commctrl.h>

#include "toolkit/DescriptionReader.h"

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 19);
    SetAlign(TAlign::alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = STATUSCLASSNAMEA;
    params.systemClass = true;
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    // We place it ourselves (Align): the bar must not move or size itself.
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (sizeGrip_ && Parent()) {
        HWND top = GetAncestor(Parent()->Handle(), GA_ROOT);
        if (GetWindowLongPtrA(top, GWL_STYLE) & WS_THICKFRAME) params.style |= SBARS_SIZEGRIP;
    }
    params.caption.clear();
}

void TStatusBar::WindowCreated() {
    TWinControl::WindowCreated();
    SendMessageA(handle_, SB_SIMPLE, simplePanel_, 0);
    UpdateText();
}

void TStatusBar::UpdateText() {
    if (!HandleAllocated()) return;
    if (simplePanel_) {
        SendMessageA(handle_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    } else {
        // Without panels the bar is one part that shows the caption.
        int right = -1;
        SendMessageA(handle_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
        SendMessageA(handle_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(GetText().c_str()));
    }
}

void TStatusBar::SetSimplePanel(bool v) {
    if (v == simplePanel_) return;
    simplePanel_ = v;
    if (HandleAllocated()) SendMessageA(handle_, SB_SIMPLE, v, 0);
    UpdateText();
}

void TStatusBar::SetSimpleText(const std::string& v) {
    if (v == simpleText_) return;
    simpleText_ = v;
    if (simplePanel_) UpdateText();
}

void TStatusBar::TextChanged() {
    if (!simplePanel_) UpdateText();
}

void TStatusBar::SetSizeGrip(bool v) {
    if (v == sizeGrip_) return;
    sizeGrip_ = v;
    if (HandleAllocated()) {
        LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        bool show = v && (GetWindowLongPtrA(GetAncestor(handle_, GA_ROOT), GWL_STYLE) & WS_THICKFRAME);
        style = show ? (style | SBARS_SIZEGRIP) : (style & ~static_cast<LONG_PTR>(SBARS_SIZEGRIP));
        SetWindowLongPtrA(handle_, GWL_STYLE, style);
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

bool TStatusBar::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "SimplePanel") SetSimplePanel(value.AsBool());
    else if (name == "SimpleText") SetSimpleText(value.AsString());
    else if (name == "SizeGrip") SetSizeGrip(value.AsBool());
    else return TWinControl::SetProperty(name, value, binder);
    return true;
}
