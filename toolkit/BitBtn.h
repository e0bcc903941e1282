// Bitmap buttons: a push button that draws itself with a glyph left of its
// caption: the caption's & marks the access key, the button that Enter
// would press has the default frame, the focused one a focus rectangle,
// and a pressed button draws sunken with its content shifted.
#pragma once

#include "toolkit/Button.h"
#include "toolkit/GlyphImage.h"
#include "toolkit/TextFit.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);

    const char* ClassName() const override { return "TBitBtn"; }

    TGlyphImage& Glyph() { return glyph_; }
    // Loads the glyph from a bitmap resource of the program.
    void SetGlyphResource(const std::string& name);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    // Pixels between glyph and caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    // Pixels from the edge to the glyph; -1 centres glyph and caption.
    int Margin() const { return margin_; }
    void SetMargin(int v);

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void SetButtonStyle(bool active) override;

private:
    void Draw(const DRAWITEMSTRUCT& item);
    void DrawFrame(HDC dc, RECT& r, bool pressed, bool disabled);
    void DrawContent(HDC dc, const RECT& r, bool pressed, bool disabled, bool hidePrefix);

    TGlyphImage glyph_;
    int numGlyphs_ = 0;  // as set; 0 takes the count from the bitmap's shape
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int spacing_ = 4;
    int margin_ = -1;
    bool themed_ = false;  // drawn by the visual style in the last paint
    TFitFont fit_;
};
