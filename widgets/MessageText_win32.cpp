#include "widgets/MessageText.h"

TMessageText::TMessageText(TComponent* owner) : TWinControl(owner) {}

void TMessageText::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = "STATIC";
    params.systemClass = true;
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    params.style |= SS_LEFT | SS_NOPREFIX;
}

bool TMessageText::Notification(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    result = reinterpret_cast<LRESULT>(ColorBrush());
    return true;
}
