// Grid geometry and navigation: cell places and hit testing at the month
// calendar's size, the key table, the drag steps outside the cells,
// scrolling a grid too small for its rows, and invalid counts.
#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "toolkit/GridCore.h"

namespace {

// The month calendar's grid in its 337 x 101 window (333 x 97 client area).
GridCore CalendarGrid() {
    GridCore g;
    g.SetFixedCols(0);
    g.SetFixedRows(1);
    g.SetColCount(7);
    g.SetRowCount(7);
    g.SetOptions(g.Options() & ~static_cast<unsigned>(goRangeSelect));
    g.SetClientSize(333, 97);
    g.SetDefaultColWidth((333 - 6) / 7);
    g.SetDefaultRowHeight((97 - 6) / 7);
    return g;
}

TEST(GridCore, CellPlacesAndHitTestingAtCalendarSize) {
    GridCore g = CalendarGrid();
    EXPECT_EQ(46, g.DefaultColWidth());
    EXPECT_EQ(13, g.DefaultRowHeight());
    EXPECT_EQ((GridPixels{0, 0, 46, 13}), g.CellRect({0, 0}));
    EXPECT_EQ((GridPixels{47, 14, 93, 27}), g.CellRect({1, 1}));
    // The last row fits; only its trailing grid line falls outside.
    EXPECT_EQ((GridPixels{282, 84, 328, 97}), g.CellRect({6, 6}));
    EXPECT_EQ(329, g.CellsRight());
    EXPECT_EQ(97, g.CellsBottom());
    EXPECT_EQ(6, g.LastFullVisibleRow());
    EXPECT_EQ(6, g.LastFullVisibleCol());

    // A grid line belongs to the cell before it.
    EXPECT_EQ((TGridCoord{0, 0}), g.CellAt(46, 13));
    EXPECT_EQ((TGridCoord{1, 1}), g.CellAt(47, 14));
    EXPECT_EQ((TGridCoord{6, 6}), g.CellAt(328, 96));
    EXPECT_FALSE(g.CellAt(329, 50));  // the strip right of the last column
    EXPECT_FALSE(g.CellAt(-1, 50));
    EXPECT_FALSE(g.CellAt(50, 97));
    EXPECT_FALSE(g.InScrollableCells(10, 5));  // header row
    EXPECT_TRUE(g.InScrollableCells(10, 14));
    EXPECT_FALSE(g.CellRect({7, 1}));
}

TEST(GridCore, KeysMoveWithinTheWeekRowsWithoutWrapping) {
    GridCore g = CalendarGrid();
    g.SetCurrent({3, 3}, true);
    struct Case { unsigned key; bool ctrl; TGridCoord target; };
    const Case cases[] = {
        {kGridKeyLeft, false, {2, 3}},  {kGridKeyRight, false, {4, 3}},
        {kGridKeyUp, false, {3, 2}},    {kGridKeyDown, false, {3, 4}},
        {kGridKeyHome, false, {0, 3}},  {kGridKeyEnd, false, {6, 3}},
        {kGridKeyPrior, false, {3, 1}},  // 3 - 5, clamped to the first week row
        {kGridKeyNext, false, {3, 6}},   // 3 + 5, clamped
        {kGridKeyHome, true, {0, 1}},   {kGridKeyEnd, true, {6, 6}},
        {kGridKeyPrior, true, {3, 1}},  {kGridKeyNext, true, {3, 6}},
        {kGridKeyLeft, true, {0, 3}},   {kGridKeyRight, true, {6, 3}},
        {kGridKeyUp, true, {3, 3}},     {kGridKeyDown, true, {3, 3}},
        {0x0D, false, {3, 3}},          {0x71, false, {3, 3}},  // Enter, F2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "key " << c.key << " ctrl " << c.ctrl);
        EXPECT_EQ(c.target, g.KeyTarget(c.key, c.ctrl));
    }
    // Never into the header, never past the edges, no wrap to the next week.
    g.SetCurrent({0, 1}, true);
    EXPECT_EQ((TGridCoord{0, 1}), g.KeyTarget(kGridKeyUp, false));
    EXPECT_EQ((TGridCoord{0, 1}), g.KeyTarget(kGridKeyLeft, false));
    g.SetCurrent({6, 6}, true);
    EXPECT_EQ((TGridCoord{6, 6}), g.KeyTarget(kGridKeyRight, false));
    EXPECT_EQ((TGridCoord{6, 6}), g.KeyTarget(kGridKeyDown, false));
}

TEST(GridCore, DragStepsOneCellTowardAPointerOutsideTheCells) {
    GridCore g = CalendarGrid();
    g.SetCurrent({3, 3}, true);
    EXPECT_EQ((TGridCoord{2, 3}), g.StepToward(-5, 40));
    EXPECT_EQ((TGridCoord{4, 3}), g.StepToward(330, 40));  // the strip counts as outside
    EXPECT_EQ((TGridCoord{3, 2}), g.StepToward(150, 5));    // over the header
    EXPECT_EQ((TGridCoord{3, 2}), g.StepToward(150, -30));
    EXPECT_EQ((TGridCoord{4, 4}), g.StepToward(500, 300));
    EXPECT_EQ((TGridCoord{2, 2}), g.StepToward(-1, -1));
    g.SetCurrent({0, 1}, true);
    EXPECT_EQ((TGridCoord{0, 1}), g.StepToward(-50, -50));
    g.SetCurrent({6, 6}, true);
    EXPECT_EQ((TGridCoord{6, 6}), g.StepToward(1000, 1000));
}

TEST(GridCore, ScrollsRowsIntoViewAndBackWhenTheWindowGrows) {
    GridCore g;  // 5 x 5, one fixed row and column, rows of 24 pixels
    g.SetRowCount(10);
    g.SetClientSize(400, 110);  // the header and three rows whole, a fourth cut
    EXPECT_EQ(1, g.TopRow());
    EXPECT_EQ(3, g.LastFullVisibleRow());
    EXPECT_TRUE(g.RowVisible(4));
    EXPECT_EQ((TGridCoord{1, 3}), g.KeyTarget(kGridKeyNext, false));  // page of 2
    EXPECT_EQ((TGridCoord{1, 3}), g.KeyTarget(kGridKeyNext, true));

    EXPECT_FALSE(g.ScrollIntoView({1, 3}));
    EXPECT_TRUE(g.ScrollIntoView({1, 6}));
    EXPECT_EQ(4, g.TopRow());
    EXPECT_EQ(6, g.LastFullVisibleRow());
    EXPECT_FALSE(g.CellRect({1, 3}));
    EXPECT_EQ((GridPixels{65, 25, 129, 49}), g.CellRect({1, 4}));
    EXPECT_EQ((TGridCoord{1, 4}), g.CellAt(70, 30));
    EXPECT_TRUE(g.ScrollIntoView({1, 2}));
    EXPECT_EQ(2, g.TopRow());

    EXPECT_TRUE(g.ScrollRows(-5));  // clamped to the first scrollable row
    EXPECT_EQ(1, g.TopRow());
    EXPECT_FALSE(g.ScrollRows(-1));
    EXPECT_TRUE(g.ScrollRows(100));  // no further than showing the last row whole
    EXPECT_EQ(7, g.TopRow());
    EXPECT_EQ(9, g.LastFullVisibleRow());
    // Room for every row: nothing stays scrolled out.
    g.SetClientSize(400, 400);
    EXPECT_EQ(1, g.TopRow());
    EXPECT_FALSE(g.ScrollRows(1));
}

TEST(GridCore, CountsAndFixedCountsAreChecked) {
    GridCore g;
    try {
        g.SetFixedRows(5);
        FAIL() << "as many fixed rows as rows accepted";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ("Grid index out of range", e.what());
    }
    EXPECT_THROW(g.SetFixedCols(-1), EInvalidGridOperation);
    EXPECT_THROW(g.SetColCount(1), EInvalidGridOperation);  // no room beside the fixed column
    EXPECT_EQ(5, g.ColCount());
    EXPECT_EQ(1, g.FixedCols());

    g.SetCurrent({4, 4}, true);
    g.SetRowCount(3);
    g.SetColCount(2);
    EXPECT_EQ((TGridCoord{1, 2}), g.Current());
    EXPECT_EQ((TGridCoord{1, 2}), g.Anchor());
    g.SetRowCount(5);
    g.SetFixedRows(3);  // the current cell leaves the new header
    EXPECT_EQ((TGridCoord{1, 3}), g.Current());
    EXPECT_TRUE(g.Contains({0, 0}));
    EXPECT_FALSE(g.Contains({2, 0}));
    EXPECT_FALSE(g.Contains({0, -1}));
}

TEST(GridCore, SelectionFollowsTheAnchorOnlyWithRangeSelection) {
    GridCore g;
    g.SetCurrent({1, 1}, true);
    g.SetCurrent({3, 2}, false);
    EXPECT_EQ((TGridRect{1, 1, 3, 2}), g.Selection());
    g.SetCurrent({2, 4}, false);
    EXPECT_EQ((TGridRect{1, 1, 2, 4}), g.Selection());
    g.SetOptions(g.Options() & ~static_cast<unsigned>(goRangeSelect));
    EXPECT_EQ((TGridRect{2, 4, 2, 4}), g.Selection());
    g.SetCurrent({4, 1}, false);
    EXPECT_EQ((TGridCoord{4, 1}), g.Anchor());
}

TEST(GridCore, DegenerateSizesNeitherCrashNorLoop) {
    GridCore g = CalendarGrid();
    g.SetDefaultRowHeight((3 - 6 * 10) / 7);  // a tiny window with thick lines
    EXPECT_EQ(0, g.DefaultRowHeight());
    g.SetGridLineWidth(-2);
    EXPECT_EQ(0, g.GridLineWidth());
    g.SetDefaultColWidth(0);
    EXPECT_FALSE(g.CellAt(0, 0));  // cells without pixels cannot be hit
    g.SetCurrent({3, 3}, true);
    // Rows without pixels all count as shown whole: a page is all of them.
    EXPECT_EQ((TGridCoord{3, 6}), g.KeyTarget(kGridKeyNext, false));
    g.SetClientSize(-10, -10);
    EXPECT_EQ(0, g.ClientWidth());
    EXPECT_FALSE(g.CellVisible({0, 0}));
    g.SetDefaultColWidth(1 << 30);
    EXPECT_EQ(32767, g.DefaultColWidth());
}

}  // namespace
