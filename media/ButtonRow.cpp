// The media player's button row: layout, hit testing, paint description and
// the press state of mouse and keyboard.
#include "media/ButtonRow.h"

#include <algorithm>

namespace {

const char* const kImagePrefix[] = {"EN", "DI", "CL"};
const char* const kButtonName[MPButtonCount] = {
    "MPPLAY", "MPPAUSE", "MPSTOP", "MPNEXT", "MPPREV", "MPSTEP", "MPBACK", "MPRECORD", "MPEJECT",
};
// Sizes of the shipped enabled (and coloured) images; only the disabled
// pause image differs, one pixel narrower.
const int kImageWidth[MPButtonCount] = {17, 13, 17, 21, 20, 21, 21, 13, 19};
const int kImageHeight[MPButtonCount] = {16, 16, 16, 16, 16, 16, 16, 13, 16};

}  // namespace

TButtonRow::TButtonRow(TMediaDevice& device) : device_(device) {
    for (int i = 0; i < 3; ++i) {
        for (int b = 0; b < MPButtonCount; ++b) {
            imageW_[i][b] = kImageWidth[b];
            imageH_[i][b] = kImageHeight[b];
        }
    }
    imageW_[biDisabled][btPause] = 12;
    ComputeMinimum();
    KeepSize(240, 30);
}

std::string TButtonRow::ImageName(TButtonImage image, TMPBtnType button) {
    return std::string(kImagePrefix[image]) + "_" + kButtonName[button];
}

void TButtonRow::SetImageSize(TButtonImage image, TMPBtnType button, int width, int height) {
    imageW_[image][button] = width;
    imageH_[image][button] = height;
    ComputeMinimum();
}

void TButtonRow::ComputeMinimum() {
    int w = 0, h = 0;
    for (int i = 0; i < 3; ++i) {
        for (int b = 0; b < MPButtonCount; ++b) {
            w = std::max(w, imageW_[i][b]);
            h = std::max(h, imageH_[i][b]);
        }
    }
    minButtonWidth_ = w + 8;
    minButtonHeight_ = h + 4;
}

int TButtonRow::VisibleCount() const { return std::max(1, visible_.Count()); }

TRowSize TButtonRow::Adjusted() const {
    int n = VisibleCount();
    return {std::max(n * (buttonWidth_ - 1) + 1, n * (minButtonWidth_ - 1) + 1), std::max(height_, minButtonHeight_)};
}

TRowSize TButtonRow::Resize(int width, int height) {
    KeepSize(width, height);
    TRowSize size = Adjusted();
    // Taking the adjusted size resizes once more; that second pass is stable.
    if (size.width != width_ || size.height != height_) KeepSize(size.width, size.height);
    return size;
}

void TButtonRow::KeepSize(int width, int height) {
    width_ = width;
    height_ = height;
    buttonWidth_ = (width - 1) / VisibleCount() + 1;
}

TRowSize TButtonRow::SetVisibleButtons(TButtonSet buttons) {
    visible_ = buttons;
    return Resize(VisibleCount() * (buttonWidth_ - 1) + 1, height_);
}

std::optional<int> TButtonRow::ButtonLeft(TMPBtnType b) const {
    if (!visible_.Has(b)) return std::nullopt;
    int k = 0;
    for (int i = 0; i < b; ++i) {
        if (visible_.Has(static_cast<TMPBtnType>(i))) ++k;
    }
    // Neighbours share one pixel column.
    return k * (buttonWidth_ - 1);
}

std::optional<TRowRect> TButtonRow::ButtonRect(TMPBtnType b) const {
    std::optional<int> x = ButtonLeft(b);
    if (!x) return std::nullopt;
    return TRowRect{*x, 0, *x + buttonWidth_, height_};
}

std::optional<TMPBtnType> TButtonRow::ButtonAt(int x) const {
    for (int i = 0; i < MPButtonCount; ++i) {
        auto b = static_cast<TMPBtnType>(i);
        std::optional<int> left = ButtonLeft(b);
        if (left && x >= *left && x <= *left + buttonWidth_) return b;
    }
    return std::nullopt;
}

bool TButtonRow::ButtonEnabled(TMPBtnType b) const {
    return device_.AutoEnable() ? device_.AutoEnabledButtons().Has(b) : enabled_.Has(b);
}

TButtonImage TButtonRow::ImageOf(TMPBtnType b, bool controlEnabled) const {
    if (!controlEnabled || !ButtonEnabled(b)) return biDisabled;
    return colored_.Has(b) ? biColored : biEnabled;
}

std::vector<TButtonPaint> TButtonRow::Paint(bool controlEnabled, bool hasFocus) const {
    std::vector<TButtonPaint> row;
    const int w = buttonWidth_, h = height_;
    for (int i = 0; i < MPButtonCount; ++i) {
        auto b = static_cast<TMPBtnType>(i);
        std::optional<int> left = ButtonLeft(b);
        if (!left) continue;
        const int x = *left;
        TButtonPaint p{};
        p.button = b;
        p.face = {x, 0, x + w, h};
        p.pressed = shownPressed_ && device_.PressedButton() == b;
        p.outerLine[0] = {x + 1, h - 2};
        p.outerLine[1] = {x + 1, 1};
        p.outerLine[2] = {x + w - 1, 1};
        p.innerShadow = !p.pressed;
        if (p.innerShadow) {
            p.innerLine[0] = {x + 2, h - 2};
            p.innerLine[1] = {x + w - 2, h - 2};
            p.innerLine[2] = {x + w - 2, 1};
        }
        p.image = ImageOf(b, controlEnabled);
        const int shift = p.pressed ? 1 : 0;
        p.imageOrigin = {x + w / 2 - imageW_[p.image][b] / 2 + shift, h / 2 - imageH_[p.image][b] / 2 + shift};
        p.focused = hasFocus && focused_ == b;
        if (p.focused) p.focusRect = {x + 3 + shift, 3 + shift, x + w - 3 + shift, h - 3 + shift};
        row.push_back(p);
    }
    return row;
}

unsigned TButtonRow::MouseDown(int x) {
    std::optional<TMPBtnType> b = ButtonAt(x);
    if (!b || !ButtonEnabled(*b)) return raNone;
    device_.SetPressedButton(*b);
    focused_ = *b;
    pressedRect_ = *ButtonRect(*b);
    mouseDown_ = true;
    shownPressed_ = true;
    return raRepaint | raCapture;
}

unsigned TButtonRow::MouseMove(int x, int y) {
    if (!mouseDown_) return raNone;
    bool inside = pressedRect_.Contains(x, y);
    if (inside == shownPressed_) return raNone;
    shownPressed_ = inside;
    return raRepaint;
}

bool TButtonRow::MouseUp() {
    // The press ends before the click runs, so that nothing the click does
    // (a modal loop, an error) can leave it stuck.
    bool click = mouseDown_ && shownPressed_;
    mouseDown_ = false;
    shownPressed_ = false;
    return click;
}

void TButtonRow::ClickPressed() {
    Click(device_.PressedButton());
    ApplyRuleAfterClick();
}

void TButtonRow::Click(TMPBtnType b) {
    device_.SetPressedButton(b);
    bool doDefault = true;
    if (OnClick) OnClick(b, doDefault);
    if (doDefault) device_.RunButton(b);
    if (OnPostClick) OnPostClick(device_.PressedButton());
}

void TButtonRow::ApplyRuleAfterClick() {
    // A failed command or a closed device leaves the buttons as they were.
    if (device_.AutoEnable() && device_.ErrorCode() == 0 && device_.IsOpen())
        device_.ApplyAutoEnableRule(device_.PressedButton());
}

unsigned TButtonRow::KeyDown(TRowKey key) {
    switch (key) {
        case rkSpace:
            // The key goes by EnabledButtons even while AutoEnable draws the
            // button disabled.
            if (enabled_.Has(focused_)) {
                Click(focused_);
                ApplyRuleAfterClick();
            }
            return raNone;
        case rkLeft:
            for (int i = focused_ - 1; i >= 0; --i) {
                if (visible_.Has(static_cast<TMPBtnType>(i))) {
                    focused_ = static_cast<TMPBtnType>(i);
                    return raRepaint;
                }
            }
            return raNone;
        case rkRight:
            for (int i = focused_ + 1; i < MPButtonCount; ++i) {
                if (visible_.Has(static_cast<TMPBtnType>(i))) {
                    focused_ = static_cast<TMPBtnType>(i);
                    return raRepaint;
                }
            }
            return raNone;
    }
    return raNone;
}
