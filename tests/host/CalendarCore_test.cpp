// Month calendar core: day layout, captions, the element setter with its
// refusals, change notification, and selection through a minimal grid.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "datetime/DateTime.h"
#include "datetime/FormatSettings.h"
#include "fakes/FakePlatform.h"
#include "platform/Exceptions.h"
#include "widgets/CalendarCore.h"

namespace {

using widgets::CalendarCell;
using widgets::CalendarCore;

// The grid's side of the contract: a move asks CanSelectCell; focusing a
// cell moves and then runs the click notification even when refused.
struct MiniGrid {
    CalendarCore& cal;
    CalendarCell current{0, 1};
    void MoveTo(int col, int row) {
        if (cal.CanSelectCell(col, row)) current = {col, row};
    }
    void Focus(int col, int row) {
        MoveTo(col, row);
        cal.CellClicked(current.col, current.row);
    }
};

class CalendarCoreTest : public ::testing::Test {
protected:
    CalendarCoreTest() : scope_(fake_) {
        names_->DayShortNames = {"", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    }

    // A calendar created on the given day, wired to a grid and recorders.
    CalendarCore& Make(int y, int m, int d) {
        fake_.SetNow(y, m, d, 13, 30);
        cal_.emplace();
        grid_.emplace(MiniGrid{*cal_});
        cal_->SetHooks({[this](int c, int r) {
                            EXPECT_TRUE(cal_->InLayout());
                            grid_->MoveTo(c, r);
                            ++moves_;
                        },
                        [this] { ++repaints_; },
                        [this] { changes_.push_back(cal_->SelectedDate()); }});
        cal_->Relayout();
        moves_ = repaints_ = 0;
        changes_.clear();
        return *cal_;
    }

    fakes::FakePlatform fake_;
    fakes::ScopedPlatform scope_;
    datetime::ScopedFormatSettings names_;
    std::optional<CalendarCore> cal_;
    std::optional<MiniGrid> grid_;
    int moves_ = 0, repaints_ = 0;
    std::vector<datetime::DateTime> changes_;
};

TEST_F(CalendarCoreTest, LaysOutMonthsStartingOnEveryWeekday) {
    struct Case { int y, m, sow, offset; CalendarCell first, last; };
    const Case cases[] = {
        {2026, 2, 0, 1, {0, 1}, {6, 4}},   // Sunday; rows 5 and 6 blank
        {2026, 6, 0, 0, {1, 1}, {2, 5}},   // Monday
        {2026, 9, 0, -1, {2, 1}, {3, 5}},  // Tuesday
        {2026, 7, 0, -2, {3, 1}, {5, 5}},  // Wednesday
        {2026, 1, 0, -3, {4, 1}, {6, 5}},  // Thursday
        {2026, 5, 0, -4, {5, 1}, {0, 6}},  // Friday
        {2026, 8, 0, -5, {6, 1}, {1, 6}},  // Saturday: all six week rows
        {2026, 2, 1, -5, {6, 1}, {5, 5}},  // Monday first
        {2026, 8, 6, 1, {0, 1}, {2, 5}},   // Saturday first
        {1, 1, 0, 0, {1, 1}, {3, 5}},      // 1 January 0001 is a Monday
        {9999, 12, 0, -2, {3, 1}, {5, 5}},
    };
    for (const Case& c : cases) {
        CalendarCore& cal = Make(c.y, c.m, 1);
        cal.SetStartOfWeek(c.sow);
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + " sow " + std::to_string(c.sow));
        EXPECT_EQ(c.offset, cal.DayOffset());
        EXPECT_EQ(c.first, cal.CellOfDay(1));
        EXPECT_EQ(c.last, cal.CellOfDay(cal.DaysInCurrentMonth()));
        EXPECT_EQ(c.first, grid_->current);
    }
    EXPECT_EQ("", cal_->CellCaption(3, 6));
}

TEST_F(CalendarCoreTest, EveryLayoutShowsEachDayOnceInItsWeekdayColumn) {
    CalendarCore& cal = Make(2024, 1, 1);
    for (int sow = 0; sow < 7; ++sow) {
        cal.SetStartOfWeek(sow);
        for (int m = 1; m <= 12; ++m) {
            cal.SetMonth(m);
            std::vector<int> seen;
            for (int row = 1; row < 7; ++row)
                for (int col = 0; col < 7; ++col)
                    if (int n = cal.DayAtCell(col, row)) {
                        seen.push_back(n);
                        EXPECT_EQ(std::to_string(n), cal.CellCaption(col, row));
                        const int weekday = datetime::Weekday(datetime::MakeDate(2024, m, n));
                        EXPECT_EQ(cal.CellCaption(col, 0), names_->DayShortNames[weekday]);
                        EXPECT_EQ((CalendarCell{col, row}), cal.CellOfDay(n));
                    }
            ASSERT_EQ(static_cast<size_t>(cal.DaysInCurrentMonth()), seen.size());
            for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(static_cast<int>(i) + 1, seen[i]);
        }
    }
}

TEST_F(CalendarCoreTest, HeaderFollowsStartOfWeekWithoutChangeEvent) {
    CalendarCore& cal = Make(2026, 2, 10);
    EXPECT_EQ("Sun", cal.CellCaption(0, 0));
    EXPECT_EQ("Sat", cal.CellCaption(6, 0));
    cal.SetStartOfWeek(1);
    EXPECT_EQ("Mon", cal.CellCaption(0, 0));
    EXPECT_EQ("Sun", cal.CellCaption(6, 0));
    EXPECT_EQ(1, moves_);
    EXPECT_EQ((CalendarCell{1, 3}), grid_->current);  // 10 Feb 2026, a Tuesday
    cal.SetStartOfWeek(1);
    cal.SetStartOfWeek(7);
    cal.SetStartOfWeek(-1);
    EXPECT_EQ(1, cal.StartOfWeek());
    EXPECT_EQ(1, moves_);
    EXPECT_TRUE(changes_.empty());
    EXPECT_EQ("", cal.CellCaption(7, 1));
    EXPECT_EQ("", cal.CellCaption(0, -1));
}

TEST_F(CalendarCoreTest, MonthLengthsAndLeapYears) {
    CalendarCore& cal = Make(2026, 1, 1);
    EXPECT_EQ(28, cal.DaysInMonth(1900, 2));
    EXPECT_EQ(29, cal.DaysInMonth(2000, 2));
    EXPECT_EQ(28, cal.DaysInMonth(2100, 2));
    EXPECT_EQ(29, cal.DaysInMonth(2024, 2));
    EXPECT_EQ(30, cal.DaysInMonth(2026, 4));
    EXPECT_EQ(0, cal.DaysInMonth(2026, 13));
    EXPECT_EQ(0, cal.DaysInMonth(2026, 0));
    // Years beyond 16 bits must not wrap: 67436 = 1900 + 65536 is leap.
    EXPECT_TRUE(cal.YearIsLeap(67436));
    EXPECT_TRUE(cal.YearIsLeap(-4));
    EXPECT_FALSE(cal.YearIsLeap(-100));
    EXPECT_TRUE(cal.YearIsLeap(0));
}

TEST_F(CalendarCoreTest, RefusedSetsChangeNothing) {
    CalendarCore& cal = Make(2026, 1, 31);
    const datetime::DateTime before = cal.SelectedDate();
    try {
        cal.SetMonth(2);
        FAIL() << "31 February accepted";
    } catch (const EConvertError& e) {
        EXPECT_STREQ("Invalid argument to date encode", e.what());
    }
    EXPECT_THROW(cal.SetYear(10000), EConvertError);
    EXPECT_THROW(cal.SetYear(70000), EConvertError);  // would wrap to 4464
    for (int v : {13, 0, 1}) cal.SetMonth(v);
    cal.SetYear(0);
    cal.SetYear(2026);
    cal.SetDay(-1);
    cal.SetDay(32);
    cal.SetDay(31);
    cal.SetDateElement(0, 5);
    cal.SetDateElement(4, 5);
    EXPECT_EQ(before, cal.SelectedDate());
    EXPECT_TRUE(cal.UseCurrentDate());
    EXPECT_EQ(0, moves_ + repaints_);
    EXPECT_TRUE(changes_.empty());
    EXPECT_EQ(-1, cal.DateElement(4));

    cal.SetDay(28);
    cal.SetMonth(2);
    EXPECT_EQ(datetime::MakeDate(2026, 2, 28), cal.SelectedDate());
    EXPECT_EQ(2u, changes_.size());
    EXPECT_FALSE(cal.UseCurrentDate());
}

TEST_F(CalendarCoreTest, LeapDayAndShortMonthRefusals) {
    CalendarCore& cal = Make(2024, 2, 29);
    EXPECT_THROW(cal.SetYear(2025), EConvertError);
    cal.SetYear(2028);
    EXPECT_EQ(datetime::MakeDate(2028, 2, 29), cal.SelectedDate());

    Make(2026, 4, 10).SetDay(31);
    EXPECT_TRUE(changes_.empty());
    cal_->SetDay(30);
    EXPECT_EQ(30, cal_->Day());
    EXPECT_EQ(1u, changes_.size());
    EXPECT_EQ(1, moves_);
}

TEST_F(CalendarCoreTest, YearWrapFiresTwoChangesInOrder) {
    CalendarCore& cal = Make(2026, 12, 31);
    cal.SetMonth(1);
    cal.SetYear(2027);
    ASSERT_EQ(2u, changes_.size());
    EXPECT_EQ(datetime::MakeDate(2026, 1, 31), changes_[0]);
    EXPECT_EQ(datetime::MakeDate(2027, 1, 31), changes_[1]);
    EXPECT_EQ((CalendarCell{0, 6}), grid_->current);  // January 2027 starts on a Friday
}

TEST_F(CalendarCoreTest, RangeBoundaries) {
    CalendarCore& cal = Make(1, 1, 1);
    cal.SetYear(0);
    EXPECT_EQ(1, cal.Year());
    cal.SetDay(31);
    cal.SetMonth(12);
    cal.SetYear(9999);
    EXPECT_EQ(datetime::MakeDate(9999, 12, 31), cal.SelectedDate());
    EXPECT_THROW(cal.SetYear(10000), EConvertError);
    EXPECT_EQ(3u, changes_.size());
}

TEST_F(CalendarCoreTest, NoChangeEventWhileLoading) {
    CalendarCore& cal = Make(2026, 3, 3);
    cal.SetLoading(true);
    cal.SetDay(4);
    EXPECT_EQ(4, cal.Day());
    EXPECT_TRUE(changes_.empty());
    cal.SetLoading(false);
    cal.SetDay(5);
    EXPECT_EQ(1u, changes_.size());
}

TEST_F(CalendarCoreTest, UseCurrentDateRestoresTodayQuietly) {
    CalendarCore& cal = Make(2026, 6, 20);
    cal.SetMonth(3);
    fake_.SetNow(2026, 6, 21);  // the date does not follow the clock
    EXPECT_EQ(datetime::MakeDate(2026, 3, 20), cal.SelectedDate());
    changes_.clear();
    cal.SetUseCurrentDate(true);
    EXPECT_EQ(datetime::MakeDate(2026, 6, 21), cal.SelectedDate());
    EXPECT_EQ((CalendarCell{0, 4}), grid_->current);
    EXPECT_TRUE(changes_.empty());
    cal.SetUseCurrentDate(false);
    EXPECT_EQ(2, moves_);  // turning it off does not relay out
}

TEST_F(CalendarCoreTest, ClicksSelectOnlyDayCells) {
    CalendarCore& cal = Make(2026, 2, 10);  // rows 5 and 6 blank
    grid_->Focus(3, 5);
    EXPECT_EQ(10, cal.Day());
    EXPECT_FALSE(cal.CanSelectCell(3, 5));
    cal.CellClicked(2, 0);  // header: a name, not a number
    cal.CellClicked(2, 2);  // the day already selected
    EXPECT_TRUE(changes_.empty());
    grid_->Focus(6, 4);
    EXPECT_EQ(28, cal.Day());
    EXPECT_EQ(1u, changes_.size());
}

TEST_F(CalendarCoreTest, ReadOnlyRefusesUserMovesButNotProgramSets) {
    CalendarCore& cal = Make(2026, 2, 10);
    cal.SetReadOnly(true);
    EXPECT_FALSE(cal.CanSelectCell(4, 2));
    grid_->Focus(4, 2);
    EXPECT_EQ(10, cal.Day());
    cal.SetDay(12);
    EXPECT_EQ((CalendarCell{4, 2}), grid_->current);
    EXPECT_EQ(1u, changes_.size());

    // A failing grid move must not leave the calendar stuck in layout, which
    // would let the user move a read-only selection.
    cal.SetHooks({[](int, int) { throw EInvalidGridOperation("Grid index out of range"); }, {}, {}});
    EXPECT_THROW(cal.Relayout(), EInvalidGridOperation);
    EXPECT_FALSE(cal.InLayout());
    EXPECT_FALSE(cal.CanSelectCell(4, 2));
}

}  // namespace
