// Spin button rules.
#include "widgets/SpinCore.h"

namespace widgets {

SpinGeometry SpinLayout(int width, int height) {
    SpinGeometry g;
    g.width = width < kSpinMinWidth ? kSpinMinWidth : width;
    g.up = {0, 0, g.width, height / 2};
    g.down = {0, g.up.height - 1, g.width, height - g.up.height + 1};
    return g;
}

bool ArrowContains(int arrowWidth, int arrowHeight, int x, int y) {
    return x >= 0 && x < arrowWidth && y >= 0 && y <= arrowHeight;
}

int GlyphImageCount(int bitmapWidth, int bitmapHeight, int currentCount) {
    // An empty bitmap would divide by zero or give zero images; keep the count.
    if (bitmapHeight <= 0 || bitmapWidth <= 0 || bitmapWidth % bitmapHeight != 0) return currentCount;
    const int images = bitmapWidth / bitmapHeight;
    return images < 5 ? images : currentCount;
}

std::optional<SpinKeyAction> SpinKeyActionFor(unsigned key, SpinArrow focused) {
    switch (key) {
        case kKeyUp: return SpinKeyAction{SpinArrow::Up, true};
        case kKeyDown: return SpinKeyAction{SpinArrow::Down, true};
        case kKeySpace: return SpinKeyAction{focused, false};
        default: return std::nullopt;
    }
}

bool SpinFocus::MakeFocused(SpinArrow a, bool tabStop, bool canFocus, bool hasFocus) {
    if (!tabStop || !canFocus || a == focused_) return false;
    SetShown(focused_, false);
    focused_ = a;
    if (!hasFocus) return false;
    SetShown(a, true);
    return true;
}

}  // namespace widgets
