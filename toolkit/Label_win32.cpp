#include "toolkit/Label.h"

#include "platform/ScopedWin32.h"
#include "toolkit/EnumProperty.h"
#include "toolkit/StartupTrace.h"
#include "toolkit/WinControl.h"

TLabel::TLabel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAlignment(TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    AdjustSize();
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustSize();
}

void TLabel::SetShowAccelChar(bool v) {
    if (v == showAccelChar_) return;
    showAccelChar_ = v;
    AdjustSize();
    Invalidate();
}

void TLabel::SetParentColor(bool v) {
    if (v == parentColor_) return;
    parentColor_ = v;
    Invalidate();
}

void TLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::ColorChanged() {
    parentColor_ = false;
    Invalidate();
}

void TLabel::Loaded() {
    TControl::Loaded();
    AdjustSize();
}

UINT TLabel::DrawTextFlags() const {
    UINT flags = DT_EXPANDTABS;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    switch (alignment_) {
        case TAlignment::taLeftJustify: flags |= DT_LEFT; break;
        case TAlignment::taRightJustify: flags |= DT_RIGHT; break;
        case TAlignment::taCenter: flags |= DT_CENTER; break;
    }
    return flags;
}

void TLabel::AdjustSize() {
    if (!autoSize_ || Loading()) return;
    // An empty caption still takes the height of one line.
    const std::string text = GetText().empty() ? std::string(" ") : GetText();
    STARTUP_PROBE("text measurement");
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    {
        scoped::WindowDC dc;
        scoped::SelectedObject font(dc.Get(), Font().Handle());
        DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DrawTextFlags() | DT_CALCRECT);
    }
    // A right-aligned label grows to the left, so that its text stays put.
    int left = alignment_ == TAlignment::taRightJustify ? Left() + Width() - r.right : Left();
    SetBounds(left, Top(), r.right, r.bottom);
}

HFONT TLabel::DrawFont() {
    // One line wider than the label (another face, another resolution) is
    // drawn smaller rather than cut.
    if (wordWrap_) return Font().Handle();
    return fit_.Fit(Font(), GetText(), Width(), DrawTextFlags());
}

void TLabel::Paint(HDC dc) {
    RECT r = BoundsRect();
    if (!transparent_) {
        TColor back = parentColor_ && Parent() ? Parent()->Color() : Color();
        scoped::GdiObject brush(CreateSolidBrush(ColorToRGB(back)));
        FillRect(dc, &r, brush.Get());
    }
    const std::string& text = GetText();
    if (text.empty()) return;
    const UINT flags = DrawTextFlags();
    HGDIOBJ old = SelectObject(dc, DrawFont());
    SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(text.size());
    if (Enabled()) {
        SetTextColor(dc, ColorToRGB(Font().Color()));
        DrawTextA(dc, text.c_str(), length, &r, flags);
    } else {
        // The engraved look of disabled text: a highlight, then the shadow
        // one pixel up and left of it.
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.c_str(), length, &r, flags);
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(dc, text.c_str(), length, &r, flags);
    }
    SelectObject(dc, old);
}

bool TLabel::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Alignment")
        SetAlignment(EnumFromValue<TAlignment>(value, {"taLeftJustify", "taRightJustify", "taCenter"}, "alignment"));
    else if (name == "WordWrap") SetWordWrap(value.AsBool());
    else if (name == "Transparent") SetTransparent(value.AsBool());
    else if (name == "AutoSize") SetAutoSize(value.AsBool());
    else if (name == "ShowAccelChar") SetShowAccelChar(value.AsBool());
    else if (name == "ParentColor") SetParentColor(value.AsBool());
    else return TControl::SetProperty(name, value, binder);
    return true;
}
