// Bevels: a graphic control that draws a sunken or raised box, frame or
// line over its area of the parent, for grouping and separating.
#pragma once

#include "toolkit/Control.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner);

    const char* ClassName() const override { return "TBevel"; }

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape v);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle v);

    void Paint(HDC dc) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};
