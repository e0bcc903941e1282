#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "widgets/MessageLayout.h"

namespace {

using namespace widgets;
using B = MessageButton;

MessageLayoutInput Input(MessageKind kind, MessageButtons buttons, LayoutSize text = {280, 13}) {
    MessageLayoutInput in;
    in.text = "text";
    in.kind = kind;
    in.buttons = buttons;
    in.units = DialogUnitsFromSample({6 * 52 + 51, 13});  // w = 6, h = 13
    in.screen = {1024, 768};
    in.frame = {6, 25};
    in.applicationTitle = "Dawnbell";
    in.measure = [text](const std::string&, int) { return text; };
    return in;
}

TEST(MessageLayout, WorkedExampleComesOutExactly) {
    const MessageLayout l = LayOutMessage(Input(MessageKind::Confirmation, ButtonsOKCancel));
    EXPECT_EQ("Confirm", l.caption);
    EXPECT_EQ((LayoutSize{351, 97}), l.client);
    EXPECT_EQ(32514u, l.iconId);
    EXPECT_EQ((LayoutRect{12, 13, 32, 32}), l.icon);
    EXPECT_EQ((LayoutRect{59, 13, 280, 13}), l.label);
    ASSERT_EQ(2u, l.buttons.size());
    EXPECT_EQ((LayoutRect{97, 61, 75, 23}), l.buttons[0].bounds);
    EXPECT_EQ((LayoutRect{178, 61, 75, 23}), l.buttons[1].bounds);
    // Outer 357 x 122, centred with truncating halves.
    EXPECT_EQ((LayoutRect{512 - 178, 384 - 61, 357, 122}), l.window);
}

TEST(MessageLayout, KindsGiveCaptionAndIcon) {
    const struct { MessageKind kind; const char* caption; unsigned icon; } cases[] = {
        {MessageKind::Warning, "Warning", 32515},   {MessageKind::Error, "Error", 32513},
        {MessageKind::Information, "Information", 32516}, {MessageKind::Custom, "Dawnbell", 0},
        {static_cast<MessageKind>(17), "Dawnbell", 0},  // a stray value reads as custom
    };
    for (const auto& c : cases) {
        const MessageLayout l = LayOutMessage(Input(c.kind, ButtonsOK));
        EXPECT_EQ(c.caption, l.caption);
        EXPECT_EQ(c.icon, l.iconId);
    }
}

TEST(MessageLayout, CustomKindPutsTheLabelAtTheMarginWithoutIcon) {
    const MessageLayout l = LayOutMessage(Input(MessageKind::Custom, ButtonsOK, {66, 13}));
    EXPECT_EQ((LayoutRect{}), l.icon);
    EXPECT_EQ((LayoutRect{12, 13, 66, 13}), l.label);
    EXPECT_EQ((LayoutSize{75 + 24, 13 + 23 + 16 + 26}), l.client);  // the button is wider than the text
    EXPECT_EQ((LayoutRect{12, 13 + 13 + 16, 75, 23}), l.buttons[0].bounds);
}

TEST(MessageLayout, EmptySetHasNoButtonsButKeepsTheButtonRow) {
    const MessageLayout l = LayOutMessage(Input(MessageKind::Information, 0, {12, 13}));
    EXPECT_TRUE(l.buttons.empty());
    EXPECT_EQ((LayoutSize{12 + 15 + 32 + 24, 32 + 23 + 16 + 26}), l.client);
}

TEST(MessageLayout, AllButtonsInTableOrderAndHighBitsIgnored) {
    const MessageLayout l = LayOutMessage(Input(MessageKind::Warning, 0xFFFF, {6, 13}));
    const int group = 9 * 75 + 8 * 6;
    EXPECT_EQ(group + 24, l.client.width);
    ASSERT_EQ(9u, l.buttons.size());
    const char* names[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "Help"};
    const char* captions[] = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All", "&Help"};
    const TModalResult results[] = {6, 7, 1, 2, 3, 4, 5, 8, 0};
    for (int i = 0; i < 9; ++i) {
        const MessageButtonPlace& b = l.buttons[static_cast<std::size_t>(i)];
        EXPECT_STREQ(names[i], b.name);
        EXPECT_EQ(captions[i], b.caption);
        EXPECT_EQ(results[i], b.modalResult);
        EXPECT_EQ((LayoutRect{12 + i * 81, 32 + 13 + 16, 75, 23}), b.bounds);
    }
    EXPECT_EQ(0, ButtonCount(0xFE00));
    EXPECT_THROW(ButtonInfo(static_cast<MessageButton>(9)), std::out_of_range);
}

TEST(MessageLayout, TextMeasuredWithinHalfTheScreenAndMayBeWider) {
    MessageLayoutInput in = Input(MessageKind::Error, ButtonsOK);
    in.screen = {1023, 767};
    int maxWidth = 0;
    in.measure = [&](const std::string& text, int max) {
        EXPECT_EQ("text", text);
        maxWidth = max;
        return LayoutSize{500, 65};  // five wrapped lines
    };
    MessageLayout l = LayOutMessage(in);
    EXPECT_EQ(511, maxWidth);
    // Taller than the icon: the text sets the block height.
    EXPECT_EQ(65 + 13 + 16, l.buttons[0].bounds.top);
    EXPECT_EQ((LayoutSize{500 + 15 + 32 + 24, 65 + 23 + 16 + 26}), l.client);
    EXPECT_EQ((LayoutRect{511 - 288, 383 - 77, 577, 155}), l.window);

    // One word wider than the screen widens the label; the window's left goes negative.
    in.measure = [](const std::string&, int) { return LayoutSize{1200, 13}; };
    l = LayOutMessage(in);
    EXPECT_EQ(1200, l.label.width);
    EXPECT_EQ(1200 + 15 + 32 + 24, l.client.width);
    EXPECT_EQ(511 - 638, l.window.left);
}

TEST(MessageLayout, MarksTheDefaultAndCancelButtons) {
    const struct { MessageButtons set; const char* def; const char* cancel; } cases[] = {
        {ButtonsOK, "OK", "OK"},
        {ButtonsOKCancel, "OK", "Cancel"},
        {ButtonBit(B::Abort) | ButtonBit(B::Retry) | ButtonBit(B::Ignore), "Retry", nullptr},
        {ButtonBit(B::Yes) | ButtonBit(B::No), "Yes", "No"},
        {ButtonBit(B::Yes) | ButtonBit(B::No) | ButtonBit(B::Cancel), "Yes", "Cancel"},
        {ButtonBit(B::Yes) | ButtonBit(B::No) | ButtonBit(B::OK), "OK", "No"},
        {ButtonBit(B::Abort) | ButtonBit(B::Ignore), nullptr, nullptr},
        {0, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        std::string def, cancel;
        for (const MessageButtonPlace& b : LayOutMessage(Input(MessageKind::Confirmation, c.set)).buttons) {
            if (b.isDefault) def += b.name;
            if (b.isCancel) cancel += b.name;
        }
        EXPECT_EQ(c.def ? c.def : "", def);
        EXPECT_EQ(c.cancel ? c.cancel : "", cancel);
    }
}

}  // namespace
