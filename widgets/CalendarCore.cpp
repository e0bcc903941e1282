// The month calendar's date, layout and cell logic; see CalendarCore.h.
#include "widgets/CalendarCore.h"

#include <cstdint>
#include <limits>

#include "datetime/FormatSettings.h"
#include "datetime/LocalClock.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "platform/ScopeExit.h"
#include "res/StringIds.h"

namespace widgets {

namespace {

// A year in 400..799 with the same leap status as `year`: the Gregorian rule
// repeats every 400 years, and the date library takes 16-bit years only.
std::uint16_t YearInCycle(int year) { return static_cast<std::uint16_t>((year % 400 + 400) % 400 + 400); }

struct SplitFields {
    int year, month, day;
};

SplitFields Split(datetime::DateTime value) {
    std::uint16_t y = 0, m = 0, d = 0;
    datetime::SplitDate(value, y, m, d);
    return {y, m, d};
}

}  // namespace

CalendarCore::CalendarCore() : selectedDate_(datetime::CurrentDate()) { Relayout(); }

int CalendarCore::DateElement(int index) const {
    const SplitFields f = Split(selectedDate_);
    switch (index) {
        case ElementYear: return f.year;
        case ElementMonth: return f.month;
        case ElementDay: return f.day;
        default: return -1;
    }
}

void CalendarCore::SetDateElement(int index, int value) {
    if (value < 1) return;
    SplitFields f = Split(selectedDate_);
    switch (index) {
        case ElementYear:
            if (value == f.year) return;
            f.year = value;
            break;
        case ElementMonth:
            if (value > 12 || value == f.month) return;
            f.month = value;
            break;
        case ElementDay:
            if (value > DaysInCurrentMonth() || value == f.day) return;
            f.day = value;
            break;
        default: return;
    }
    // The day is deliberately not clamped: 31 January -> February is refused
    // here, before anything has changed.
    selectedDate_ = EncodeDate(f.year, f.month, f.day);
    useCurrentDate_ = false;
    Relayout();
    DateChanged();
}

datetime::DateTime CalendarCore::EncodeDate(int year, int month, int day) {
    constexpr int kMax = std::numeric_limits<std::uint16_t>::max();
    // Narrowing 70000 would give the valid year 4464 instead of an error.
    if (year < 0 || year > kMax || month < 0 || month > kMax || day < 0 || day > kMax)
        throw EConvertError(platform::LoadStr(res::SDateEncodeError));
    return datetime::MakeDate(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                              static_cast<std::uint16_t>(day));
}

void CalendarCore::DateChanged() {
    if (!loading_ && hooks_.dateChanged) hooks_.dateChanged();
}

void CalendarCore::SetStartOfWeek(int value) {
    if (value < 0 || value > 6 || value == startOfWeek_) return;
    startOfWeek_ = static_cast<TDayOfWeek>(value);
    Relayout();
}

void CalendarCore::SetUseCurrentDate(bool value) {
    if (value == useCurrentDate_) return;
    useCurrentDate_ = value;
    if (value) {
        selectedDate_ = datetime::CurrentDate();
        Relayout();
    }
}

int CalendarCore::DaysInMonth(int year, int month) const {
    if (month < 1 || month > 12) return 0;
    return datetime::MonthLengths(YearInCycle(year))[static_cast<std::size_t>(month - 1)];
}

int CalendarCore::DaysInCurrentMonth() const {
    const SplitFields f = Split(selectedDate_);
    return DaysInMonth(f.year, f.month);
}

bool CalendarCore::YearIsLeap(int year) const { return datetime::LeapYear(YearInCycle(year)); }

void CalendarCore::Relayout() {
    // InLayout is cleared on every way out, exceptions included.
    inLayout_ = true;
    ScopeExit done([this] { inLayout_ = false; });
    const SplitFields f = Split(selectedDate_);
    const datetime::DateTime first = EncodeDate(f.year, f.month, 1);
    // Day 1 falls in column k - 1, or in the last column when k is 0; 2 - 0
    // would push it before column 0, so that month starts at -5 instead.
    const int k = (datetime::Weekday(first) - startOfWeek_ + 7) % 7;
    dayOffset_ = k == 0 ? -5 : 2 - k;
    const int t = f.day - dayOffset_;  // >= 0: day >= 1 and DayOffset <= 1
    if (hooks_.moveCurrentCell) hooks_.moveCurrentCell(t % 7, t / 7 + 1);
    if (hooks_.repaint) hooks_.repaint();
}

std::string CalendarCore::CellCaption(int col, int row) const {
    if (col < 0 || col >= ColCount || row < 0 || row >= RowCount) return std::string();
    if (row == 0) {
        // The name table counts from 1 = Sunday.
        const int weekday = (col + startOfWeek_) % 7 + 1;
        return datetime::Formats().DayShortNames[static_cast<std::size_t>(weekday)];
    }
    const int n = DayAtCell(col, row);
    return n > 0 ? std::to_string(n) : std::string();
}

bool CalendarCore::CanSelectCell(int col, int row) const {
    if (!inLayout_ && readOnly_) return false;
    return !CellCaption(col, row).empty();
}

int CalendarCore::DayAtCell(int col, int row) const {
    if (col < 0 || col >= ColCount || row < 1 || row >= RowCount) return 0;
    const int n = col + dayOffset_ + 7 * (row - 1);
    return n >= 1 && n <= DaysInCurrentMonth() ? n : 0;
}

CalendarCell CalendarCore::CellOfDay(int day) const {
    if (day < 1 || day > DaysInCurrentMonth()) return {-1, -1};
    const int t = day - dayOffset_;
    return {t % 7, t / 7 + 1};
}

void CalendarCore::CellClicked(int col, int row) {
    // Only week-row cells carry a number; a header cell's caption is a name.
    const int n = DayAtCell(col, row);
    if (n > 0) SetDay(n);
}

}  // namespace widgets
