// Layout arithmetic of the message dialog: from the dialog font's average
// character size, the measured text and the screen size to the position of
// every child and of the window itself. The Win32 dialog measures and then
// creates its children where this says.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/LayoutTypes.h"
#include "widgets/MessageKinds.h"

namespace widgets {

// The string whose extent in the dialog font gives the average character size.
inline constexpr const char* kAverageCharSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

struct DialogUnits {
    int w = 0;  // average character width
    int h = 0;  // character height
};

// w is the sample's width divided by its 52 letters (truncating), h its height.
DialogUnits DialogUnitsFromSample(LayoutSize sampleExtent);

struct MessageMetrics {
    int horzMargin = 0;
    int vertMargin = 0;
    int horzSpacing = 0;  // icon to text
    int vertSpacing = 0;  // text to buttons
    int buttonWidth = 0;
    int buttonHeight = 0;
    int buttonSpacing = 0;
};

MessageMetrics ComputeMessageMetrics(DialogUnits units);

inline constexpr int kMessageIconSize = 32;

// Measures text word-wrapped within maxWidth; returns the bounding width and
// height (a word longer than maxWidth may give a larger width).
using TextMeasure = std::function<LayoutSize(const std::string& text, int maxWidth)>;

struct MessageLayoutInput {
    std::string text;
    MessageKind kind = MessageKind::Custom;
    MessageButtons buttons = 0;
    DialogUnits units;
    LayoutSize screen;             // screen width and height
    LayoutSize frame;              // what borders and caption bar add to the client size
    std::string applicationTitle;  // caption of the custom kind
    TextMeasure measure;
};

struct MessageButtonPlace {
    MessageButton button = MessageButton::OK;
    const char* name = "";
    std::string caption;
    TModalResult modalResult = ModalNone;
    bool isDefault = false;
    bool isCancel = false;
    LayoutRect bounds;
};

struct MessageLayout {
    std::string caption;
    LayoutSize client;
    LayoutRect window;    // centred outer bounds
    unsigned iconId = 0;  // 0: no icon
    LayoutRect icon;      // empty without an icon
    LayoutRect label;
    std::vector<MessageButtonPlace> buttons;  // in table (and tab) order
};

MessageLayout LayOutMessage(const MessageLayoutInput& in);

}  // namespace widgets
