// Texts that must show whole in a fixed box: a font of the same face and
// style as the control's, made smaller until the text fits the width. A
// control keeps one of these and asks it whenever its text, font or size
// changes; while the text fits, the control's own font comes back.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/Graphics.h"

class TFitFont {
public:
    TFitFont() = default;
    TFitFont(const TFitFont&) = delete;
    TFitFont& operator=(const TFitFont&) = delete;

    // font's handle when text, measured with DrawTextA and format (single
    // line), is at most width pixels wide in it; otherwise the handle of the
    // largest smaller character height at which it is.
    HFONT Fit(const TFont& font, const std::string& text, int width, UINT format = 0);
    // The character height (negative) of the last fitted font; the font's
    // own height while the text fits.
    int Height() const { return height_; }

private:
    TFont small_;
    int height_ = 0;
};

// The width of text in font, as DrawTextA with format lays it out on one line.
int TextWidth(HFONT font, const std::string& text, UINT format = 0);
