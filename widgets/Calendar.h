// The month calendar control: a 7 x 7 grid with a header of day names and
// six week rows of day numbers, holding one selected date. The date logic
// and day layout live in CalendarCore; this class gives it a grid window,
// paints the cells, and turns clicks and keys into a new day.
#pragma once

#include <string>

#include "datetime/DateTime.h"
#include "toolkit/Grid.h"
#include "widgets/CalendarCore.h"

class TCalendar : public TCustomGrid {
public:
    explicit TCalendar(TComponent* owner);

    const char* ClassName() const override { return "TCalendar"; }

    // The date shown, always a whole day.
    datetime::DateTime SelectedDate() const { return core_.SelectedDate(); }
    // The day number that column 0 of the first week row stands for.
    int DayOffset() const { return core_.DayOffset(); }
    // True only while Relayout runs.
    bool InLayout() const { return core_.InLayout(); }

    // Year, Month and Day share one getter and one setter by element index:
    // 1 year, 2 month, 3 day. Any other index reads -1 and sets nothing.
    int GetDateElement(int index) const { return core_.DateElement(index); }
    // Ignores values below 1, a month above 12, a day beyond the current
    // month and the value held; raises EConvertError, changing nothing, for
    // a triple that is no date; otherwise relays out and raises OnChange.
    void SetDateElement(int index, int value) { core_.SetDateElement(index, value); }
    int Year() const { return GetDateElement(widgets::CalendarCore::ElementYear); }
    int Month() const { return GetDateElement(widgets::CalendarCore::ElementMonth); }
    int Day() const { return GetDateElement(widgets::CalendarCore::ElementDay); }
    void SetYear(int v) { SetDateElement(widgets::CalendarCore::ElementYear, v); }
    void SetMonth(int v) { SetDateElement(widgets::CalendarCore::ElementMonth, v); }
    void SetDay(int v) { SetDateElement(widgets::CalendarCore::ElementDay, v); }

    // Weekday of column 0: 0 Sunday ... 6 Saturday; other values are ignored.
    widgets::TDayOfWeek StartOfWeek() const { return core_.StartOfWeek(); }
    void SetStartOfWeek(int v) { core_.SetStartOfWeek(v); }
    // Turning it on selects today, without OnChange.
    bool UseCurrentDate() const { return core_.UseCurrentDate(); }
    void SetUseCurrentDate(bool v) { core_.SetUseCurrentDate(v); }
    // The user cannot move the selection; the program still can.
    bool ReadOnly() const { return core_.ReadOnly(); }
    void SetReadOnly(bool v) { core_.SetReadOnly(v); }

    // After every effective change through Year, Month or Day, except while
    // the window description is being read.
    TNotifyEvent OnChange;

    std::string CellCaption(int col, int row) const { return core_.CellCaption(col, row); }
    int DaysInMonth(int year, int month) const { return core_.DaysInMonth(year, month); }
    int DaysInCurrentMonth() const { return core_.DaysInCurrentMonth(); }
    bool YearIsLeap(int year) const { return core_.YearIsLeap(year); }
    // Recomputes the day layout, moves the current cell to the selected day
    // and repaints.
    void Relayout() { core_.Relayout(); }

    // OnClick, then the day of the current cell becomes the date's day.
    void Click() override;

    void BeginLoading() override;
    void Loaded() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    // Raises OnChange with the calendar as sender.
    virtual void DateChanged();
    bool CanSelectCell(int col, int row) override;
    void PaintCell(int col, int row, const RECT& rect, TGridDrawState state) override;
    // A drag that never reached its release puts the selection back on the
    // selected day, so that the grid never shows another day than the date.
    void SelectingCancelled() override { Relayout(); }

private:
    // Seven columns and rows share the client area; the last grid line may
    // fall outside it.
    void FitCells(int clientWidth, int clientHeight);

    widgets::CalendarCore core_;
};
