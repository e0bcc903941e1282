// The month calendar without its window: the selected date and the setter of
// its year, month and day, the day layout of the 7 x 7 grid (header row plus
// six week rows), cell captions and which cells may become current. The Win32
// calendar control owns one, forwards its properties and grid hooks to it and
// receives the core's requests (move the current cell, repaint, date changed)
// through Hooks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "datetime/DateTime.h"

namespace widgets {

// Weekday of column 0: 0 Sunday, 1 Monday, ... 6 Saturday.
using TDayOfWeek = std::uint8_t;

// A cell of the calendar grid; row 0 is the header, rows 1 to 6 the weeks.
struct CalendarCell {
    int col = 0;
    int row = 0;
    friend bool operator==(const CalendarCell&, const CalendarCell&) = default;
};

class CalendarCore {
public:
    static constexpr int ColCount = 7;
    static constexpr int RowCount = 7;

    // Indexes of the date elements served by DateElement and SetDateElement.
    enum Element : int { ElementYear = 1, ElementMonth = 2, ElementDay = 3 };

    struct Hooks {
        // Move the grid's current cell, moving neither the anchor nor the
        // view. Runs while InLayout() is true, so CanSelectCell allows it.
        std::function<void(int col, int row)> moveCurrentCell;
        // Repaint the whole control.
        std::function<void()> repaint;
        // The date changed through Year, Month or Day: OnChange.
        std::function<void()> dateChanged;
    };

    // Today selected, UseCurrentDate on, Sunday first, layout computed. No
    // hook is set yet: the owner sets them and runs Relayout once its grid
    // has its seven columns and rows.
    CalendarCore();

    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    datetime::DateTime SelectedDate() const { return selectedDate_; }
    int DayOffset() const { return dayOffset_; }
    bool InLayout() const { return inLayout_; }

    // Index 1 year, 2 month, 3 day; any other index gives -1.
    int DateElement(int index) const;
    // Ignores values below 1, a month above 12, a day beyond the current
    // month and the value already held. A triple that is no date raises
    // EConvertError and leaves everything as it was. Otherwise clears
    // UseCurrentDate, relays out and notifies dateChanged (unless loading).
    void SetDateElement(int index, int value);

    int Year() const { return DateElement(ElementYear); }
    int Month() const { return DateElement(ElementMonth); }
    int Day() const { return DateElement(ElementDay); }
    void SetYear(int value) { SetDateElement(ElementYear, value); }
    void SetMonth(int value) { SetDateElement(ElementMonth, value); }
    void SetDay(int value) { SetDateElement(ElementDay, value); }

    TDayOfWeek StartOfWeek() const { return startOfWeek_; }
    // Relays out when the value differs; values outside 0..6 are ignored.
    void SetStartOfWeek(int value);

    bool UseCurrentDate() const { return useCurrentDate_; }
    // Turning it on selects today and relays out, without dateChanged.
    void SetUseCurrentDate(bool value);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

    // While the window description is being applied: no dateChanged.
    bool Loading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }

    // 0 for a month outside 1..12.
    int DaysInMonth(int year, int month) const;
    int DaysInCurrentMonth() const;
    bool YearIsLeap(int year) const;

    // Recomputes DayOffset, moves the current cell to the selected day and
    // repaints.
    void Relayout();

    // Header: the short day name of the column; week rows: the day number,
    // or empty before day 1 and after the last day (and outside the grid).
    std::string CellCaption(int col, int row) const;
    bool CanSelectCell(int col, int row) const;

    // The day a week-row cell shows, 0 for a blank, header or outside cell.
    int DayAtCell(int col, int row) const;
    // The cell of a day of the current month; (-1, -1) for any other day.
    CalendarCell CellOfDay(int day) const;

    // The grid's click notification, after OnClick, with the grid's current
    // cell: selects the day that cell shows, if any.
    void CellClicked(int col, int row);

private:
    // Throws EConvertError like MakeDate, also for years a 16-bit field
    // cannot hold (rather than wrapping them into range).
    static datetime::DateTime EncodeDate(int year, int month, int day);
    void DateChanged();

    datetime::DateTime selectedDate_ = 0;
    int dayOffset_ = 0;
    bool readOnly_ = false;
    TDayOfWeek startOfWeek_ = 0;
    bool inLayout_ = false;
    bool useCurrentDate_ = true;
    bool loading_ = false;
    Hooks hooks_;
};

}  // namespace widgets
