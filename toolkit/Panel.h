// Panels: a container with an outer and an inner bevel, an optional single
// border, and its caption drawn across the middle.
#pragma once

#include "toolkit/Alignment.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);

    const char* ClassName() const override { return "TPanel"; }

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    // bsNone or bsSingle (a sunken client edge).
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

    // The client area less the bevels and the border width: where aligned
    // children go.
    RECT ClientRect() override;

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void TextChanged() override;
    void VisibleChanged() override;

private:
    void PaintPanel(HDC dc);
    void Changed();

    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    TAlignment alignment_ = TAlignment::taCenter;
};
