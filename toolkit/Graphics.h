// Colours and fonts. A colour is an RGB value (0x00BBGGRR) or, with the top
// bit set, a system colour index.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/FormDescription.h"

using TColor = unsigned long;

constexpr TColor SystemColor(int index) { return 0x80000000u | static_cast<unsigned>(index); }
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clAqua = 0xFFFF00, clRed = 0x0000FF, clYellow = 0x00FFFF,
                 clNavy = 0x800000, clGray = 0x808080, clSilver = 0xC0C0C0;
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE), clBtnText = SystemColor(COLOR_BTNTEXT),
                 clWindow = SystemColor(COLOR_WINDOW), clWindowText = SystemColor(COLOR_WINDOWTEXT),
                 clInfoBk = SystemColor(COLOR_INFOBK), clHighlight = SystemColor(COLOR_HIGHLIGHT),
                 clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT), clBtnShadow = SystemColor(COLOR_BTNSHADOW),
                 clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT), clGrayText = SystemColor(COLOR_GRAYTEXT);

// The RGB value of a colour, system colours looked up now.
COLORREF ColorToRGB(TColor c);
// Reads a colour from a description value: a name (clWhite) or a number.
TColor ColorFromValue(const PropertyValue& v);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
public:
    TFont();
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    unsigned Style() const { return style_; }
    TColor Color() const { return color_; }
    void SetName(const std::string& v);
    void SetHeight(int v);
    void SetStyle(unsigned v);
    void SetColor(TColor v);
    void Assign(const TFont& other);

    // The font handle, found on first use and again after a change: one
    // shared, never deleted object per distinct name, height and style.
    HFONT Handle() const;
    // Called after every effective change.
    std::function<void()> OnChange;

    // Sets Font.<sub> from a description; false when sub is not a font property.
    bool SetProperty(const std::string& sub, const PropertyValue& value);

private:
    void Changed();
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    mutable HFONT handle_ = nullptr;
};
