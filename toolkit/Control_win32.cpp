#include "toolkit/Control.h"

#include "platform/Exceptions.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"
#include "toolkit/WinControl.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] {
        if (!settingParentFont_) parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    if (!IsWindowed()) Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    if (!IsWindowed()) Invalidate();
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    VisibleChanged();
    if (!IsWindowed() && parent_) parent_->Invalidate();
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    EnabledChanged();
}

void TControl::SetText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    TextChanged();
}

void TControl::SetParentFont(bool v) {
    if (v == parentFont_) return;
    parentFont_ = v;
    if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    settingParentFont_ = true;
    font_.Assign(parent_->Font());
    settingParentFont_ = false;
}

void TControl::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    ColorChanged();
}

void TControl::SetAlign(TAlign v) {
    if (v == align_) return;
    align_ = v;
    if (parent_) parent_->Realign();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        ParentFontChanged();
    }
}

void TControl::SetParentComponent(TComponent* parent) {
    auto* w = dynamic_cast<TWinControl*>(parent);
    if (!w) throw EReadError(Name() + " cannot be placed in " + (parent ? parent->Name() : std::string("nothing")));
    SetParent(w);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::ScaleBy(int m, int d) {
    SetBounds(MulDiv(left_, m, d), MulDiv(top_, m, d), MulDiv(width_, m, d), MulDiv(height_, m, d));
    if (!parentFont_) {
        font_.SetHeight(MulDiv(font_.Height(), m, d));
        parentFont_ = false;
    }
}

void TControl::Invalidate() {
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

bool TControl::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Left") SetLeft(value.AsInt());
    else if (name == "Top") SetTop(value.AsInt());
    else if (name == "Width") SetWidth(value.AsInt());
    else if (name == "Height") SetHeight(value.AsInt());
    else if (name == "Visible") SetVisible(value.AsBool());
    else if (name == "Enabled") SetEnabled(value.AsBool());
    else if (name == "Caption" || name == "Text") SetText(value.AsString());
    else if (name == "Hint") SetHint(value.AsString());
    else if (name == "ShowHint") SetShowHint(value.AsBool());
    else if (name == "ParentFont") SetParentFont(value.AsBool());
    else if (name == "Color") SetColor(ColorFromValue(value));
    else if (name.compare(0, 5, "Font.") == 0) {
        if (!font_.SetProperty(name.substr(5), value)) return false;
    } else if (name == "Align") {
        SetAlign(EnumFromValue<TAlign>(value, {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
                                       "alignment"));
    } else if (name == "OnClick") {
        OnClick = binder.Handler<void(TComponent*)>(value);
    } else {
        return TComponent::SetProperty(name, value, binder);
    }
    return true;
}
