// The month calendar control's window side; see Calendar.h.
#include "widgets/Calendar.h"

#include "toolkit/DescriptionReader.h"

TCalendar::TCalendar(TComponent* owner) : TCustomGrid(owner) {
    // The core starts with today selected and UseCurrentDate on.
    SetFixedCols(0);
    SetFixedRows(1);
    SetColCount(widgets::CalendarCore::ColCount);
    SetRowCount(widgets::CalendarCore::RowCount);
    SetOptions((Options() & ~static_cast<TGridOptions>(goRangeSelect)) | goDrawFocusSelected);
    core_.SetHooks({[this](int col, int row) { MoveCurrent(col, row, false, false); }, [this] { Invalidate(); },
                    [this] { DateChanged(); }});
    core_.Relayout();
}

void TCalendar::DateChanged() {
    if (OnChange) OnChange(this);
}

void TCalendar::Click() {
    TCustomGrid::Click();
    core_.CellClicked(Col(), Row());
}

bool TCalendar::CanSelectCell(int col, int row) {
    return core_.CanSelectCell(col, row) && TCustomGrid::CanSelectCell(col, row);
}

void TCalendar::PaintCell(int col, int row, const RECT& rect, TGridDrawState) {
    const std::string text = core_.CellCaption(col, row);
    if (text.empty()) return;
    HDC dc = Canvas();
    const int length = static_cast<int>(text.size());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), length, &size);
    // Both halvings truncate toward zero, also for text wider than the cell.
    const int x = rect.left + (rect.right - rect.left - size.cx) / 2;
    const int y = rect.top + (rect.bottom - rect.top - size.cy) / 2;
    ExtTextOutA(dc, x, y, ETO_CLIPPED, &rect, text.c_str(), static_cast<UINT>(length), nullptr);
}

void TCalendar::FitCells(int clientWidth, int clientHeight) {
    const int lines = 6 * GridLineWidth();
    SetDefaultColWidth((clientWidth - lines) / 7);
    SetDefaultRowHeight((clientHeight - lines) / 7);
}

LRESULT TCalendar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SIZE) {
        // Instead of the grid's own handling: the cells follow the size.
        FitCells(LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return TCustomGrid::WndProc(msg, wParam, lParam);
}

void TCalendar::BeginLoading() {
    TCustomGrid::BeginLoading();
    core_.SetLoading(true);
}

void TCalendar::Loaded() {
    core_.SetLoading(false);
    TCustomGrid::Loaded();
}

bool TCalendar::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "StartOfWeek") {
        const int v = value.AsInt();
        if (v < 0 || v > 6) throw EReadError("StartOfWeek must be 0 to 6, not " + value.ToText());
        SetStartOfWeek(v);
    } else if (name == "UseCurrentDate") {
        SetUseCurrentDate(value.AsBool());
    } else if (name == "ReadOnly") {
        SetReadOnly(value.AsBool());
    } else if (name == "OnChange") {
        OnChange = binder.Handler<void(TComponent*)>(value);
    } else if (name == "Year" || name == "Month" || name == "Day") {
        const int index = name == "Year"    ? widgets::CalendarCore::ElementYear
                          : name == "Month" ? widgets::CalendarCore::ElementMonth
                                            : widgets::CalendarCore::ElementDay;
        try {
            SetDateElement(index, value.AsInt());
        } catch (const EConvertError& e) {
            throw EReadError(e.Message());  // the reader names the place
        }
    } else {
        return TCustomGrid::SetProperty(name, value, binder);
    }
    return true;
}
