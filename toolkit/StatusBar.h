// Status bars: the native status bar along the bottom edge of its form. In
// simple mode it shows one text (SimpleText) across its whole width.
#pragma once

#include "toolkit/WinControl.h"

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);

    const char* ClassName() const override { return "TStatusBar"; }

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& v);
    // A size grip in the corner, shown only when the form can be resized.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);

    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void TextChanged() override;

private:
    void UpdateText();

    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
};
