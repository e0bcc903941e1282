// Portable rules of the spin button: how its two arrows split the control,
// where an arrow counts as under the pointer, how many images a glyph bitmap
// holds, what the keys do, and which arrow shows the focus rectangle.
#pragma once

#include <optional>

#include "widgets/LayoutTypes.h"

namespace widgets {

enum class SpinArrow { Up, Down };

inline constexpr int kSpinMinWidth = 15;
inline constexpr int kSpinDefaultWidth = 20;
inline constexpr int kSpinDefaultHeight = 25;
inline constexpr const char* kSpinUpGlyph = "SpinUp";  // bitmap resources of the built-in glyphs
inline constexpr const char* kSpinDownGlyph = "SpinDown";

struct SpinGeometry {
    int width = 0;  // the requested width, widened to the minimum
    LayoutRect up;
    LayoutRect down;
};

// Both arrows span the full width; the down arrow starts on the up arrow's
// last row, so they overlap by one row.
SpinGeometry SpinLayout(int width, int height);

// Whether a point in an arrow's own coordinates counts as inside it: x from 0
// to width - 1 and y from 0 to height, both inclusive.
bool ArrowContains(int arrowWidth, int arrowHeight, int x, int y);

// Image count of a glyph bitmap: width / height when the width is a whole
// multiple of the height and the quotient is 1 to 4; otherwise currentCount.
int GlyphImageCount(int bitmapWidth, int bitmapHeight, int currentCount);

// The platform's virtual-key codes the spin button answers.
inline constexpr unsigned kKeySpace = 0x20;
inline constexpr unsigned kKeyUp = 0x26;
inline constexpr unsigned kKeyDown = 0x28;

struct SpinKeyAction {
    SpinArrow arrow;   // the arrow to click
    bool makeFocused;  // make it the focused arrow first
    friend bool operator==(const SpinKeyAction&, const SpinKeyAction&) = default;
};

// Up and Down focus and click their arrow, Space clicks the focused one;
// other keys do nothing. Shift, Ctrl and Alt make no difference.
std::optional<SpinKeyAction> SpinKeyActionFor(unsigned key, SpinArrow focused);

// Which arrow is the focused one and which arrow draws the focus rectangle.
class SpinFocus {
public:
    SpinArrow Focused() const { return focused_; }
    bool FocusShown(SpinArrow a) const { return a == SpinArrow::Up ? upShown_ : downShown_; }

    // Moves the focus to arrow a, only for a spin button that is a tab stop
    // and can take the focus. Returns true when both arrows need repainting.
    bool MakeFocused(SpinArrow a, bool tabStop, bool canFocus, bool hasFocus);
    // The spin button gained or lost the keyboard focus: the focused arrow
    // shows or hides its rectangle and needs repainting.
    void GotFocus() { SetShown(focused_, true); }
    void LostFocus() { SetShown(focused_, false); }

private:
    void SetShown(SpinArrow a, bool shown) { (a == SpinArrow::Up ? upShown_ : downShown_) = shown; }

    SpinArrow focused_ = SpinArrow::Up;
    bool upShown_ = false;
    bool downShown_ = false;
};

}  // namespace widgets
