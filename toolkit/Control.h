// Controls: components with a place in a parent window, a text, a font and a
// colour. A control keeps its properties in the object and pushes them to its
// window when it has one; setting a property to the value it holds does
// nothing. Graphic controls (no window of their own) are painted by their
// parent.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/Component.h"
#include "toolkit/Events.h"
#include "toolkit/Graphics.h"

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    virtual const char* ClassName() const { return "TControl"; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    // Caption and Text are the same string for every control.
    const std::string& Caption() const { return GetText(); }
    void SetCaption(const std::string& v) { SetText(v); }
    virtual const std::string& GetText() const { return text_; }
    virtual void SetText(const std::string& v);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    virtual void Click();

    // Mouse input in the control's own coordinates. A graphic control gets
    // it from its parent, which holds the capture for it from a press to
    // the release of the last button. The defaults raise the events.
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
        if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    }
    virtual void MouseMove(TShiftState shift, int x, int y) {
        if (OnMouseMove) OnMouseMove(this, shift, x, y);
    }
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
        if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    }
    // The capture the parent held for this control ended before the release
    // (cancel mode, a modal window, another window took it).
    virtual void MouseCaptureLost() {}

    // Multiplies place, size and font height by m / d (a window laid out for
    // another resolution).
    virtual void ScaleBy(int m, int d);

    // Repaints the control (for a graphic control, its area of the parent).
    virtual void Invalidate();
    // Graphic controls paint here, in the parent's coordinates.
    virtual void Paint(HDC) {}
    virtual bool IsWindowed() const { return false; }
    // Whether the control is shown: visible itself and every parent showing.
    bool Showing() const;

    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    // The parent's font changed: take it over while ParentFont is set.
    void ParentFontChanged();

    friend class TWinControl;

private:
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool settingParentFont_ = false;
    TColor color_ = clBtnFace;
    TAlign align_ = TAlign::alNone;
    TWinControl* parent_ = nullptr;
};

// The control whose window is h, or null for windows that are not ours.
TControl* FindControl(HWND h);
