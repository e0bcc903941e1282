#include "toolkit/Bevel.h"

#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"

TBevel::TBevel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape v) {
    if (v == shape_) return;
    shape_ = v;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle v) {
    if (v == style_) return;
    style_ = v;
    Invalidate();
}

void TBevel::Paint(HDC dc) {
    RECT r = BoundsRect();
    bool lowered = style_ == TBevelStyle::bsLowered;
    switch (shape_) {
        case TBevelShape::bsBox: DrawEdge(dc, &r, lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT); break;
        case TBevelShape::bsFrame:
            // Two offset rectangles: an etched groove, or a ridge when raised.
            DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_RECT);
            break;
        case TBevelShape::bsTopLine: DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_TOP); break;
        case TBevelShape::bsBottomLine:
            // The line sits on the last two pixel rows of the area.
            r.top = r.bottom - 2;
            DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_TOP);
            break;
        case TBevelShape::bsLeftLine: DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_LEFT); break;
        case TBevelShape::bsRightLine:
            r.left = r.right - 2;
            DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_LEFT);
            break;
        case TBevelShape::bsSpacer: break;
    }
}

bool TBevel::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Shape") {
        SetShape(EnumFromValue<TBevelShape>(
            value, {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"},
            "bevel shape"));
    } else if (name == "Style") {
        SetStyle(EnumFromValue<TBevelStyle>(value, {"bsLowered", "bsRaised"}, "bevel style"));
    } else {
        return TControl::SetProperty(name, value, binder);
    }
    return true;
}
