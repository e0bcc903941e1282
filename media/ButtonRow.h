// The media player's row of buttons as plain computation: which buttons show
// and accept clicks, their layout, hit testing, what each paints, and the
// press state of mouse and keyboard. The player's window class only draws
// what Paint describes and forwards mouse and keys here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "media/MediaDevice.h"
#include "media/MediaPlayerTypes.h"

// The three images of each button, in the order of their resource prefixes.
enum TButtonImage : std::uint8_t { biEnabled, biDisabled, biColored };

struct TRowPoint {
    int x, y;
    friend bool operator==(const TRowPoint&, const TRowPoint&) = default;
};

struct TRowRect {
    int left, top, right, bottom;
    // As the platform's point-in-rectangle test: right and bottom excluded.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const TRowRect&, const TRowRect&) = default;
};

struct TRowSize {
    int width, height;
    friend bool operator==(const TRowSize&, const TRowSize&) = default;
};

// How to draw one visible button. Lines exclude their end point.
struct TButtonPaint {
    TMPBtnType button;
    TRowRect face;  // filled with the button face, outlined in the frame colour
    bool pressed;
    TRowPoint outerLine[3];  // shadow colour when pressed, else highlight colour
    bool innerShadow;        // only a button that is up has the inner shadow line
    TRowPoint innerLine[3];
    TButtonImage image;
    TRowPoint imageOrigin;  // its transparent colour becomes the button face
    bool focused;           // draw focusRect with the focus-rectangle call
    TRowRect focusRect;
};

// What the window must do after an input event.
enum TRowAction : unsigned { raNone = 0, raRepaint = 1, raCapture = 2 };

enum TRowKey { rkSpace, rkLeft, rkRight };

class TButtonRow {
public:
    explicit TButtonRow(TMediaDevice& device);

    // Bitmap resource name of an image, such as "CL_MPPLAY".
    static std::string ImageName(TButtonImage image, TMPBtnType button);
    // The loaded bitmaps' sizes (the defaults are the shipped images').
    void SetImageSize(TButtonImage image, TMPBtnType button, int width, int height);
    int ImageWidth(TButtonImage image, TMPBtnType button) const { return imageW_[image][button]; }
    int ImageHeight(TButtonImage image, TMPBtnType button) const { return imageH_[image][button]; }
    int MinButtonWidth() const { return minButtonWidth_; }
    int MinButtonHeight() const { return minButtonHeight_; }

    TButtonSet VisibleButtons() const { return visible_; }
    // Keeps each button's width, so the row grows or shrinks: returns the
    // control's new size.
    TRowSize SetVisibleButtons(TButtonSet buttons);
    TButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TButtonSet buttons) { enabled_ = buttons; }
    TButtonSet ColoredButtons() const { return colored_; }
    void SetColoredButtons(TButtonSet buttons) { colored_ = buttons; }

    // The control was resized: returns the size it must take instead (the
    // window applies it only if it differs).
    TRowSize Resize(int width, int height);
    // While a stored description is read the stored size is kept as it is.
    void KeepSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    int ButtonWidth() const { return buttonWidth_; }

    // Visible buttons counted as 1 when none is.
    int VisibleCount() const;
    // Left edge of a visible button; nullopt for a hidden one.
    std::optional<int> ButtonLeft(TMPBtnType b) const;
    std::optional<TRowRect> ButtonRect(TMPBtnType b) const;
    // The first visible button whose span, both ends included, holds x.
    std::optional<TMPBtnType> ButtonAt(int x) const;
    // Accepts clicks: by the device's set under AutoEnable, else EnabledButtons.
    bool ButtonEnabled(TMPBtnType b) const;
    TButtonImage ImageOf(TMPBtnType b, bool controlEnabled) const;
    // Every visible button, left to right.
    std::vector<TButtonPaint> Paint(bool controlEnabled, bool hasFocus) const;

    TMPBtnType FocusedButton() const { return focused_; }
    bool MouseIsDown() const { return mouseDown_; }
    bool ShownPressed() const { return shownPressed_; }

    // Left button down at x; returns TRowAction flags.
    unsigned MouseDown(int x);
    unsigned MouseMove(int x, int y);
    // Ends the press (the window releases the capture and repaints); true
    // when the click of the pressed button is due: then call ClickPressed.
    bool MouseUp();
    // The click of PressedButton, then the auto-enable rule it calls for.
    void ClickPressed();
    // Click of b: OnClick, b's operation unless cancelled, OnPostClick.
    void Click(TMPBtnType b);
    unsigned KeyDown(TRowKey key);

    // Before a button's operation; clearing doDefault cancels it.
    std::function<void(TMPBtnType button, bool& doDefault)> OnClick;
    // After it, with the device's PressedButton.
    std::function<void(TMPBtnType button)> OnPostClick;

private:
    void ApplyRuleAfterClick();
    void ComputeMinimum();
    TRowSize Adjusted() const;

    TMediaDevice& device_;
    TButtonSet visible_ = TButtonSet::All();
    TButtonSet enabled_ = TButtonSet::All();
    TButtonSet colored_ = TButtonSet::All();
    int imageW_[3][MPButtonCount];
    int imageH_[3][MPButtonCount];
    int minButtonWidth_ = 0;
    int minButtonHeight_ = 0;
    int width_ = 0;
    int height_ = 0;
    int buttonWidth_ = 1;
    TMPBtnType focused_ = btPlay;
    bool mouseDown_ = false;
    bool shownPressed_ = false;
    TRowRect pressedRect_{0, 0, 0, 0};
};
