// Labels: a graphic control that draws its caption over its area of the
// parent with DrawTextA in its font: left, right or centred, optionally
// broken at words, on its own background or, when transparent, over
// whatever the parent drew beneath.
#pragma once

#include "toolkit/Alignment.h"
#include "toolkit/Control.h"
#include "toolkit/TextFit.h"

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);

    const char* ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // With AutoSize the label takes the size of its text (within its width
    // when it wraps).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // Whether "&" marks an underlined access letter; otherwise it is shown.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    // With ParentColor the background is the parent's colour; setting Color
    // clears it.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    // The DrawTextA flags the caption is drawn with (add DT_CALCRECT to
    // measure it the same way).
    UINT DrawTextFlags() const;

    // The font the caption is drawn in: the label's own, or a smaller size of
    // it when one line of it is wider than the label.
    HFONT DrawFont();
    void Paint(HDC dc) override;
    void Loaded() override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;

private:
    void AdjustSize();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
    bool showAccelChar_ = true;
    bool parentColor_ = true;
    TFitFont fit_;
};
