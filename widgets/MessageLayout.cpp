// Message dialog layout.
#include "widgets/MessageLayout.h"

#include <algorithm>
#include <cstring>

#include "platform/Platform.h"
#include "widgets/MulDiv.h"

namespace widgets {

DialogUnits DialogUnitsFromSample(LayoutSize sampleExtent) {
    static const int letters = static_cast<int>(std::strlen(kAverageCharSample));
    return {sampleExtent.width / letters, sampleExtent.height};
}

MessageMetrics ComputeMessageMetrics(DialogUnits u) {
    MessageMetrics m;
    m.horzMargin = MulDiv(8, u.w, 4);
    m.vertMargin = MulDiv(8, u.h, 8);
    m.horzSpacing = MulDiv(10, u.w, 4);
    m.vertSpacing = MulDiv(10, u.h, 8);
    m.buttonWidth = MulDiv(50, u.w, 4);
    m.buttonHeight = MulDiv(14, u.h, 8);
    m.buttonSpacing = MulDiv(4, u.w, 4);
    return m;
}

MessageLayout LayOutMessage(const MessageLayoutInput& in) {
    const MessageMetrics m = ComputeMessageMetrics(in.units);
    const MessageKindInfo& kind = KindInfo(in.kind);
    MessageLayout out;

    // Lines break within half the screen; W/2 truncates toward zero.
    const LayoutSize text = in.measure ? in.measure(in.text, in.screen.width / 2) : LayoutSize{};

    int iw = text.width;
    int ih = text.height;
    if (kind.iconId != 0) {
        iw = text.width + m.horzSpacing + kMessageIconSize;
        if (text.height < kMessageIconSize) ih = kMessageIconSize;
    }

    const int n = ButtonCount(in.buttons);
    const int groupWidth = n == 0 ? 0 : n * m.buttonWidth + (n - 1) * m.buttonSpacing;

    out.client.width = std::max(iw, groupWidth) + 2 * m.horzMargin;
    out.client.height = ih + m.buttonHeight + m.vertSpacing + 2 * m.vertMargin;

    out.window.width = out.client.width + in.frame.width;
    out.window.height = out.client.height + in.frame.height;
    out.window.left = in.screen.width / 2 - out.window.width / 2;
    out.window.top = in.screen.height / 2 - out.window.height / 2;

    out.caption = kind.captionId != 0 ? platform::LoadStr(kind.captionId) : in.applicationTitle;

    if (kind.iconId != 0) {
        out.iconId = kind.iconId;
        out.icon = {m.horzMargin, m.vertMargin, kMessageIconSize, kMessageIconSize};
    }
    // Right of the icon, or at the left margin without one.
    out.label = {iw - text.width + m.horzMargin, m.vertMargin, text.width, text.height};

    const auto def = DefaultButton(in.buttons);
    const auto cancel = CancelButton(in.buttons);
    int x = (out.client.width - groupWidth) / 2;
    const int y = ih + m.vertMargin + m.vertSpacing;
    for (int i = 0; i < MessageButtonCount; ++i) {
        const auto b = static_cast<MessageButton>(i);
        if (!HasButton(in.buttons, b)) continue;
        const MessageButtonInfo& info = ButtonInfo(b);
        MessageButtonPlace place;
        place.button = b;
        place.name = info.name;
        place.caption = platform::LoadStr(info.captionId);
        place.modalResult = info.modalResult;
        place.isDefault = def == b;
        place.isCancel = cancel == b;
        place.bounds = {x, y, m.buttonWidth, m.buttonHeight};
        out.buttons.push_back(std::move(place));
        x += m.buttonWidth + m.buttonSpacing;
    }
    return out;
}

}  // namespace widgets
