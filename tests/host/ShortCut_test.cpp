// Menu shortcuts: the values that key presses make, as the window
// descriptions store them, and the texts shown beside menu captions.
#include <gtest/gtest.h>

#include "toolkit/ShortCut.h"

namespace {

TEST(ShortCut, KeyPressesMakeTheStoredValues) {
    EXPECT_EQ(16467, MakeShortCut('S', false, true, false));
    EXPECT_EQ(16451, MakeShortCut('C', false, true, false));
    EXPECT_EQ(16462, MakeShortCut('N', false, true, false));
    EXPECT_EQ(16465, MakeShortCut('Q', false, true, false));
    EXPECT_EQ('S', MakeShortCut('S', false, false, false));
    EXPECT_EQ(scShift | scCtrl | scAlt | vk::F1, MakeShortCut(vk::F1, true, true, true));
}

TEST(ShortCut, AModifierAloneOrAKeyOutOfRangeMakesNone) {
    EXPECT_EQ(scNone, MakeShortCut(vk::Control, false, true, false));
    EXPECT_EQ(scNone, MakeShortCut(vk::Shift, true, false, false));
    EXPECT_EQ(scNone, MakeShortCut(vk::Menu, false, false, true));
    EXPECT_EQ(scNone, MakeShortCut(0, false, true, false));
    // A code above the 8 bits would run into the modifier flags.
    EXPECT_EQ(scNone, MakeShortCut(0x153, false, true, false));
}

TEST(ShortCut, TextsNameTheModifiersThenTheKey) {
    struct Case {
        TShortCut value;
        const char* text;
    } cases[] = {
        {16467, "Ctrl+S"},
        {16451, "Ctrl+C"},
        {16462, "Ctrl+N"},
        {16465, "Ctrl+Q"},
        {static_cast<TShortCut>(scCtrl | scShift | 'Z'), "Ctrl+Shift+Z"},
        {static_cast<TShortCut>(scAlt | vk::Back), "Alt+BkSp"},
        {static_cast<TShortCut>(scCtrl | scAlt | scShift | '7'), "Ctrl+Alt+Shift+7"},
        {vk::F1, "F1"},
        {vk::F12, "F12"},
        {static_cast<TShortCut>(scShift | vk::Delete), "Shift+Del"},
        {vk::Insert, "Ins"},
        {vk::Return, "Enter"},
        {vk::Escape, "Esc"},
        {vk::Prior, "PgUp"},
        {vk::Next, "PgDn"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, ShortCutToText(c.value)) << c.value;
}

TEST(ShortCut, NoneAndUnnamedKeysHaveNoText) {
    EXPECT_EQ("", ShortCutToText(scNone));
    EXPECT_EQ("", ShortCutToText(scCtrl));          // flags without a key
    EXPECT_EQ("", ShortCutToText(scCtrl | 0xBA));   // a key without a name of ours
    EXPECT_EQ("", ShortCutToText(scCtrl | 0x7C));   // one past F12
}

TEST(ShortCut, OnlyTheEditBoxesOwnKeysCountAsEditing) {
    EXPECT_TRUE(IsEditingShortCut(16451));  // Ctrl+C
    EXPECT_TRUE(IsEditingShortCut(MakeShortCut('V', false, true, false)));
    EXPECT_TRUE(IsEditingShortCut(MakeShortCut(vk::Insert, true, false, false)));
    // The menu's other shortcuts, and C with other modifiers, are not.
    for (TShortCut s : {16467, 16462, 16465}) EXPECT_FALSE(IsEditingShortCut(s)) << s;
    EXPECT_FALSE(IsEditingShortCut(MakeShortCut('C', true, true, false)));
    EXPECT_FALSE(IsEditingShortCut(MakeShortCut('C', false, true, true)));
    EXPECT_FALSE(IsEditingShortCut('C'));
}

}  // namespace
