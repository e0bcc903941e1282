#include <gtest/gtest.h>

#include "widgets/SpinCore.h"

namespace {

using namespace widgets;

TEST(SpinLayout, SplitsTheHeightWithAOneRowOverlapAndWidensToFifteen) {
    SpinGeometry g = SpinLayout(25, 119);
    EXPECT_EQ((LayoutRect{0, 0, 25, 59}), g.up);
    EXPECT_EQ((LayoutRect{0, 58, 25, 61}), g.down);
    g = SpinLayout(10, 25);
    EXPECT_EQ(15, g.width);
    EXPECT_EQ((LayoutRect{0, 0, 15, 12}), g.up);
    EXPECT_EQ((LayoutRect{0, 11, 15, 14}), g.down);
    g = SpinLayout(15, 40);
    EXPECT_EQ((LayoutRect{0, 19, 15, 21}), g.down);
    for (int h = 0; h < 50; ++h) {
        g = SpinLayout(20, h);
        EXPECT_EQ(h, g.down.top + g.down.height) << h;  // the arrows cover every row
    }
}

TEST(SpinCore, HitTestGlyphCountAndKeys) {
    // The row below an arrow still counts, the column right of it does not.
    EXPECT_TRUE(ArrowContains(20, 12, 19, 12));
    EXPECT_FALSE(ArrowContains(20, 12, 20, 5));
    EXPECT_FALSE(ArrowContains(20, 12, 5, 13));
    EXPECT_FALSE(ArrowContains(20, 12, 5, -1));

    EXPECT_EQ(4, GlyphImageCount(36, 9, 1));
    EXPECT_EQ(1, GlyphImageCount(45, 9, 1));   // quotient 5
    EXPECT_EQ(3, GlyphImageCount(9, 6, 3));    // no whole multiple
    EXPECT_EQ(1, GlyphImageCount(9, 0, 1));    // empty bitmaps keep the count
    EXPECT_EQ(1, GlyphImageCount(0, 9, 1));

    EXPECT_EQ((SpinKeyAction{SpinArrow::Up, true}), SpinKeyActionFor(kKeyUp, SpinArrow::Down));
    EXPECT_EQ((SpinKeyAction{SpinArrow::Down, true}), SpinKeyActionFor(kKeyDown, SpinArrow::Up));
    EXPECT_EQ((SpinKeyAction{SpinArrow::Down, false}), SpinKeyActionFor(kKeySpace, SpinArrow::Down));
    EXPECT_EQ(std::nullopt, SpinKeyActionFor(0x25, SpinArrow::Up));  // Left
}

TEST(SpinFocus, MovesOnlyForATabStopAndShowsOnlyWithTheFocus) {
    SpinFocus f;
    EXPECT_FALSE(f.MakeFocused(SpinArrow::Down, false, true, true));
    EXPECT_FALSE(f.MakeFocused(SpinArrow::Down, true, false, true));
    EXPECT_EQ(SpinArrow::Up, f.Focused());

    f.GotFocus();
    EXPECT_TRUE(f.FocusShown(SpinArrow::Up));
    EXPECT_TRUE(f.MakeFocused(SpinArrow::Down, true, true, true));
    EXPECT_FALSE(f.FocusShown(SpinArrow::Up));
    EXPECT_TRUE(f.FocusShown(SpinArrow::Down));

    f.LostFocus();
    EXPECT_FALSE(f.MakeFocused(SpinArrow::Up, true, true, false));
    EXPECT_EQ(SpinArrow::Up, f.Focused());
    EXPECT_FALSE(f.FocusShown(SpinArrow::Up) || f.FocusShown(SpinArrow::Down));
}

}  // namespace
