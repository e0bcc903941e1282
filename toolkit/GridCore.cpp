// Grid geometry, current cell and navigation; see GridCore.h.
#include "toolkit/GridCore.h"

#include <algorithm>
#include <climits>

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "res/StringIds.h"

namespace {

constexpr int kMaxSize = 32767;

int ClampPixels(long long v) { return v > INT_MAX ? INT_MAX : static_cast<int>(v); }

[[noreturn]] void IndexError() { throw EInvalidGridOperation(platform::LoadStr(res::SGridIndexError)); }

}  // namespace

int GridAxis::Start(int i, int line) const {
    const long long step = static_cast<long long>(size) + line;
    if (i < fixed) return ClampPixels(i * step);
    if (i < first) return -1;
    return ClampPixels(fixed * step + (i - first) * step);
}

int GridAxis::FixedEnd(int line) const {
    return ClampPixels(static_cast<long long>(fixed) * (static_cast<long long>(size) + line));
}

bool GridAxis::Visible(int i, int line) const {
    if (i < 0 || i >= count) return false;
    const int s = Start(i, line);
    return s >= 0 && s < extent;
}

int GridAxis::LastVisible(int line) const {
    int last = first - 1;
    for (int i = first; i < count && Start(i, line) < extent; ++i) last = i;
    return last;
}

int GridAxis::LastFullVisible(int line) const {
    int last = first;
    for (int i = first; i < count; ++i) {
        if (static_cast<long long>(Start(i, line)) + size > extent) break;
        last = i;
    }
    return last;
}

int GridAxis::CellsEnd(int line) const {
    const int last = LastVisible(line);
    const long long end = last >= first ? static_cast<long long>(Start(last, line)) + size + line : FixedEnd(line);
    return static_cast<int>(std::min<long long>(end, extent));
}

int GridAxis::At(int p, int line) const {
    if (p < 0 || p >= extent) return -1;
    const long long step = static_cast<long long>(size) + line;
    for (int i = 0; i < fixed; ++i)
        if (p < (i + 1) * step) return i;
    for (int i = first; i < count; ++i) {
        const int s = Start(i, line);
        if (s >= extent) break;
        if (p < s + step) return i;
    }
    return -1;
}

int GridAxis::MaxFirst(int line) const {
    const long long avail = static_cast<long long>(extent) - FixedEnd(line);
    int i = count - 1;
    long long used = size;
    while (i > fixed && used + line + size <= avail) {
        used += line + size;
        --i;
    }
    return i;
}

void GridCore::SetColCount(int v) {
    if (v <= cols_.fixed) IndexError();
    cols_.count = v;
    Normalize();
}

void GridCore::SetRowCount(int v) {
    if (v <= rows_.fixed) IndexError();
    rows_.count = v;
    Normalize();
}

void GridCore::SetFixedCols(int v) {
    if (v < 0 || v >= cols_.count) IndexError();
    cols_.fixed = v;
    Normalize();
}

void GridCore::SetFixedRows(int v) {
    if (v < 0 || v >= rows_.count) IndexError();
    rows_.fixed = v;
    Normalize();
}

void GridCore::SetDefaultColWidth(int v) {
    cols_.size = std::clamp(v, 0, kMaxSize);
    Normalize();
}

void GridCore::SetDefaultRowHeight(int v) {
    rows_.size = std::clamp(v, 0, kMaxSize);
    Normalize();
}

void GridCore::SetGridLineWidth(int v) {
    line_ = std::clamp(v, 0, kMaxSize);
    Normalize();
}

void GridCore::SetOptions(TGridOptions v) {
    options_ = v;
    if (!(options_ & goRangeSelect)) anchor_ = current_;
}

void GridCore::SetClientSize(int width, int height) {
    cols_.extent = std::max(width, 0);
    rows_.extent = std::max(height, 0);
    Normalize();
}

void GridCore::SetCurrent(TGridCoord c, bool moveAnchor) {
    current_ = c;
    if (moveAnchor || !(options_ & goRangeSelect)) anchor_ = c;
}

TGridRect GridCore::Selection() const {
    if (!(options_ & goRangeSelect)) return {current_.col, current_.row, current_.col, current_.row};
    return {std::min(anchor_.col, current_.col), std::min(anchor_.row, current_.row),
            std::max(anchor_.col, current_.col), std::max(anchor_.row, current_.row)};
}

namespace {

bool ScrollAxis(GridAxis& a, int i, int line) {
    if (i < a.fixed || i >= a.count) return false;
    const int old = a.first;
    if (i < a.first) a.first = i;
    while (a.first < i && i > a.LastFullVisible(line)) ++a.first;
    return a.first != old;
}

}  // namespace

bool GridCore::ScrollIntoView(TGridCoord c) {
    const bool cols = ScrollAxis(cols_, c.col, line_);
    const bool rows = ScrollAxis(rows_, c.row, line_);
    return cols || rows;
}

bool GridCore::ScrollRows(int delta) {
    const int old = rows_.first;
    rows_.first = std::clamp(rows_.first + delta, rows_.fixed, std::max(rows_.fixed, rows_.MaxFirst(line_)));
    return rows_.first != old;
}

std::optional<GridPixels> GridCore::CellRect(TGridCoord c) const {
    if (!CellVisible(c)) return std::nullopt;
    const int left = cols_.Start(c.col, line_), top = rows_.Start(c.row, line_);
    return GridPixels{left, top, ClampPixels(static_cast<long long>(left) + cols_.size),
                      ClampPixels(static_cast<long long>(top) + rows_.size)};
}

std::optional<TGridCoord> GridCore::CellAt(int x, int y) const {
    const int col = cols_.At(x, line_), row = rows_.At(y, line_);
    if (col < 0 || row < 0) return std::nullopt;
    return TGridCoord{col, row};
}

bool GridCore::InScrollableCells(int x, int y) const {
    const std::optional<TGridCoord> c = CellAt(x, y);
    return c && !IsFixed(*c);
}

TGridCoord GridCore::KeyTarget(unsigned key, bool ctrl) const {
    TGridCoord t = current_;
    // A page is what is shown beyond the first scrollable cell, at least one.
    const int pageRows = std::max(1, LastFullVisibleRow() - rows_.first);
    const int pageCols = std::max(1, LastFullVisibleCol() - cols_.first);
    switch (key) {
        case kGridKeyLeft: t.col -= ctrl ? pageCols : 1; break;
        case kGridKeyRight: t.col += ctrl ? pageCols : 1; break;
        case kGridKeyUp:
            if (!ctrl) t.row -= 1;
            break;  // Ctrl scrolls instead
        case kGridKeyDown:
            if (!ctrl) t.row += 1;
            break;
        case kGridKeyHome:
            t.col = cols_.fixed;
            if (ctrl) t.row = rows_.fixed;
            break;
        case kGridKeyEnd:
            t.col = cols_.count - 1;
            if (ctrl) t.row = rows_.count - 1;
            break;
        case kGridKeyPrior: t.row = ctrl ? rows_.first : t.row - pageRows; break;
        case kGridKeyNext: t.row = ctrl ? LastFullVisibleRow() : t.row + pageRows; break;
        default: return current_;
    }
    return Clamp(t);
}

TGridCoord GridCore::StepToward(int x, int y) const {
    TGridCoord t = current_;
    if (x < cols_.FixedEnd(line_)) --t.col;
    else if (x >= CellsRight()) ++t.col;
    if (y < rows_.FixedEnd(line_)) --t.row;
    else if (y >= CellsBottom()) ++t.row;
    return Clamp(t);
}

TGridCoord GridCore::Clamp(TGridCoord c) const {
    return {std::clamp(c.col, cols_.fixed, cols_.count - 1), std::clamp(c.row, rows_.fixed, rows_.count - 1)};
}

void GridCore::Normalize() {
    for (GridAxis* a : {&cols_, &rows_})
        a->first = std::clamp(a->first, a->fixed, std::max(a->fixed, a->MaxFirst(line_)));
    current_ = Clamp(current_);
    anchor_ = Clamp(anchor_);
}
