// The spin button: two arrow buttons stacked in a small window, the up arrow
// over the down arrow, that raise OnUpClick and OnDownClick. Each arrow
// repeats its click while held down (first after 400 ms, then every 100 ms).
// The spin button holds no value of its own.
#pragma once

#include <windows.h>

#include "toolkit/SpeedButton.h"
#include "toolkit/WinControl.h"
#include "widgets/ArrowRepeat.h"
#include "widgets/SpinCore.h"

class TTimer;

// A speed button that repeats its click while held, through a repeat timer
// made at the first press, and can draw a dotted focus rectangle.
class TTimerSpeedButton : public TSpeedButton, private widgets::ArrowHost {
public:
    enum Flag : unsigned { FocusShown = 1, RepeatAllowed = 2 };

    explicit TTimerSpeedButton(TComponent* owner);
    ~TTimerSpeedButton() override;

    const char* ClassName() const override { return "TTimerSpeedButton"; }

    unsigned Flags() const { return flags_; }
    void SetFlags(unsigned v);
    // The repeat timer, once a press made it.
    TTimer* RepeatTimer() const { return timer_; }

    void Paint(HDC dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseCaptureLost() override;
    // The click notification (OnClick); the repeat ticks and the keys run it too.
    void Click() override { TSpeedButton::Click(); }

protected:
    void BoundsChanged() override;
    void EnabledChanged() override;

private:
    std::unique_ptr<widgets::RepeatTimer> CreateRepeatTimer() override;
    bool HoldsCapture() const override;
    void Repaint() override;

    widgets::ArrowRepeat repeat_{*this};
    TTimer* timer_ = nullptr;  // owned through repeat_
    unsigned flags_ = RepeatAllowed;
};

class TSpinButton : public TWinControl {
public:
    explicit TSpinButton(TComponent* owner);
    ~TSpinButton() override;

    const char* ClassName() const override { return "TSpinButton"; }

    // The arrows' glyphs. A bitmap is copied (with its image count when its
    // width is 1 to 4 times its height); null loads the built-in arrow.
    HBITMAP UpGlyph() const { return up_->Glyph(); }
    void SetUpGlyph(HBITMAP bitmap);
    HBITMAP DownGlyph() const { return down_->Glyph(); }
    void SetDownGlyph(HBITMAP bitmap);

    // A control that takes the focus when an arrow is pressed with the mouse.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* c) { focusControl_ = c; }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

    TTimerSpeedButton* UpButton() const { return up_; }
    TTimerSpeedButton* DownButton() const { return down_; }
    // The arrow that shows the focus rectangle and that Space presses.
    TTimerSpeedButton* FocusedButton() const;

    void SetBounds(int left, int top, int width, int height) override;
    // Scales the spin button alone: the arrows follow its new size.
    // The suppression stays on the line it names: not laid out.
    // clang-format off
    void ScaleBy(int m, int d) override { TControl::ScaleBy(m, d); }  // NOLINT(bugprone-parent-virtual-call): skips scaling the arrows as children
    // clang-format on
    void Loaded() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TTimerSpeedButton* CreateArrow();
    TTimerSpeedButton* Arrow(widgets::SpinArrow a) const { return a == widgets::SpinArrow::Up ? up_ : down_; }
    void SetGlyphOf(TTimerSpeedButton* arrow, HBITMAP bitmap, const char* builtIn);
    // Lays the arrows out for a size; returns the width, widened to the minimum.
    int AdjustArrows(int width, int height);
    void ArrowPress(TComponent* sender, TMouseButton button);
    void ArrowClick(TComponent* sender);
    void MakeFocused(widgets::SpinArrow a);
    void ShowFocusFlags();
    // The key table; false for keys it does not know.
    bool KeyDown(unsigned key);

    TTimerSpeedButton* up_ = nullptr;
    TTimerSpeedButton* down_ = nullptr;
    widgets::SpinFocus focus_;
    TWinControl* focusControl_ = nullptr;
};
