#include "toolkit/Panel.h"

#include "platform/ScopedWin32.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"

namespace {
// One bevel of the given width, drawn inward from r; r shrinks past it.
void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
    if (cut == TBevelCut::bvNone) return;
    for (int i = 0; i < width; ++i)
        DrawEdge(dc, &r, cut == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}
}  // namespace

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::Changed() {
    Invalidate();
    Realign();
}

void TPanel::SetBevelInner(TBevelCut v) {
    if (v == bevelInner_) return;
    bevelInner_ = v;
    Changed();
}

void TPanel::SetBevelOuter(TBevelCut v) {
    if (v == bevelOuter_) return;
    bevelOuter_ = v;
    Changed();
}

void TPanel::SetBevelWidth(int v) {
    if (v < 1) v = 1;
    if (v == bevelWidth_) return;
    bevelWidth_ = v;
    Changed();
}

void TPanel::SetBorderWidth(int v) {
    if (v < 0) v = 0;
    if (v == borderWidth_) return;
    borderWidth_ = v;
    Changed();
}

void TPanel::SetBorderStyle(TBorderStyle v) {
    if (v != TBorderStyle::bsSingle) v = TBorderStyle::bsNone;
    if (v == borderStyle_) return;
    borderStyle_ = v;
    SetExStyleBit(WS_EX_CLIENTEDGE, v == TBorderStyle::bsSingle);
    Changed();
}

void TPanel::SetAlignment(TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    Invalidate();
}

void TPanel::TextChanged() {
    // The window keeps the caption too, for anyone who reads it from outside.
    TWinControl::TextChanged();
    Invalidate();
}

void TPanel::VisibleChanged() {
    // A panel shown over other controls covers them, whatever order the
    // windows were made in.
    if (Visible() && HandleAllocated())
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    TWinControl::VisibleChanged();
}

void TPanel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

RECT TPanel::ClientRect() {
    RECT r = TWinControl::ClientRect();
    if (!HandleAllocated() && borderStyle_ == TBorderStyle::bsSingle)
        InflateRect(&r, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    int inset = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone) inset += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone) inset += bevelWidth_;
    InflateRect(&r, -inset, -inset);
    return r;
}

void TPanel::PaintPanel(HDC dc) {
    RECT r;
    GetClientRect(handle_, &r);
    DrawBevel(dc, r, bevelOuter_, bevelWidth_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    DrawBevel(dc, r, bevelInner_, bevelWidth_);

    const std::string& caption = GetText();
    if (!caption.empty()) {
        scoped::SavedDC saved(dc);
        SelectObject(dc, Font().Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
        else if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, format);
    }
    PaintGraphicChildren(dc);
}

LRESULT TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT || msg == WM_PRINTCLIENT) {
        PAINTSTRUCT ps{};
        HDC dc = msg == WM_PRINTCLIENT || wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(handle_, &ps);
        PaintPanel(dc);
        if (ps.hdc) EndPaint(handle_, &ps);
        return 0;
    }
    if (msg == WM_SIZE) {
        // Bevels and a centred caption depend on the whole size.
        InvalidateRect(handle_, nullptr, TRUE);
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

bool TPanel::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    auto cut = [&value] { return EnumFromValue<TBevelCut>(value, {"bvNone", "bvLowered", "bvRaised"}, "bevel"); };
    if (name == "BevelInner") SetBevelInner(cut());
    else if (name == "BevelOuter") SetBevelOuter(cut());
    else if (name == "BevelWidth") SetBevelWidth(value.AsInt());
    else if (name == "BorderWidth") SetBorderWidth(value.AsInt());
    else if (name == "BorderStyle")
        SetBorderStyle(EnumFromValue(value, {"bsNone", "bsSingle"}, "border style") ? TBorderStyle::bsSingle
                                                                                    : TBorderStyle::bsNone);
    else if (name == "Alignment")
        SetAlignment(EnumFromValue<TAlignment>(value, {"taLeftJustify", "taRightJustify", "taCenter"}, "alignment"));
    else return TWinControl::SetProperty(name, value, binder);
    return true;
}
