#include "toolkit/GroupBox.h"

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = "BUTTON";
    params.systemClass = true;
    // Clipping the children keeps the frame line off a check box that sits
    // on the top border.
    params.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

LRESULT TGroupBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: {
            // The native frame leaves its interior unpainted.
            RECT r;
            GetClientRect(handle_, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, ColorBrush());
            return 1;
        }
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            PAINTSTRUCT ps{};
            HDC dc = msg == WM_PRINTCLIENT || wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(handle_, &ps);
            DefaultHandler(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            PaintGraphicChildren(dc);
            if (ps.hdc) EndPaint(handle_, &ps);
            return 0;
        }
        case WM_NCHITTEST: {
            // The native frame lets the mouse through to the window beneath,
            // except where a graphic child of ours takes it.
            LRESULT hit = DefaultHandler(msg, wParam, lParam);
            if (hit != HTTRANSPARENT) return hit;
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ScreenToClient(handle_, &p);
            return GraphicChildAt(p.x, p.y) ? HTCLIENT : hit;
        }
        default: return TWinControl::WndProc(msg, wParam, lParam);
    }
}

bool TGroupBox::Notification(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return false;
    // The frame and caption are drawn with our colours.
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    result = reinterpret_cast<LRESULT>(ColorBrush());
    return true;
}
