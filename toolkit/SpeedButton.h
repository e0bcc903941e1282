// The speed button: a flat push button without a window of its own, painted
// by its parent. It shows a glyph bitmap that may hold up to four images side
// by side (up, disabled, down, latched), goes down while pressed with the
// left button and clicks when released on it.
#pragma once

#include <windows.h>

#include "toolkit/Control.h"

enum class TButtonState { bsUp, bsDisabled, bsDown };

class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    const char* ClassName() const override { return "TSpeedButton"; }

    // The glyph: the button keeps a copy of the bitmap it is given (null
    // removes it). Its transparent colour is that of its bottom-left pixel.
    HBITMAP Glyph() const { return glyph_; }
    void SetGlyph(HBITMAP bitmap);
    // How many images the glyph holds side by side, 1 to 4.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    COLORREF TransparentColor() const { return transparent_; }

    TButtonState State() const { return state_; }
    // Set by a left press, cleared by the release.
    bool Dragging() const { return dragging_; }

    void Paint(HDC dc) override;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseCaptureLost() override;

    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void SetState(TButtonState s);
    void SetDragging(bool v) { dragging_ = v; }
    void EnabledChanged() override;
    // Whether a point in the button's coordinates counts as on it while
    // dragging: the bottom edge row belongs to it too.
    bool PointOnButton(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y <= Height(); }

private:
    void DrawGlyph(HDC dc, int x, int y);

    HBITMAP glyph_ = nullptr;
    int numGlyphs_ = 1;
    COLORREF transparent_ = 0;
    TButtonState state_ = TButtonState::bsUp;
    bool dragging_ = false;
};

// Loads a bitmap resource of the program by name; throws EReadError when
// there is none. The caller frees the result.
HBITMAP LoadBitmapResource(const std::string& name);
