// The custom-drawn grid without its window: column and row counts, fixed
// (header) columns and rows, uniform cell sizes, grid lines, the current cell
// and its anchor, the scroll origin, and the arithmetic on top of them:
// where a cell lies, which cell a pixel belongs to, which rows and columns
// are fully visible, where a key or a drag outside the cells moves the
// current cell. The Win32 grid control owns one and asks it everything.
#pragma once

#include <optional>

// A cell: column and row, both from 0 (fixed ones first).
struct TGridCoord {
    int col = 0;
    int row = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, bounds inclusive.
struct TGridRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(TGridCoord c) const { return c.col >= left && c.col <= right && c.row >= top && c.row <= bottom; }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// Pixels in client coordinates; right and bottom exclusive.
struct GridPixels {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const GridPixels&, const GridPixels&) = default;
};

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,      // lines between fixed columns
    goFixedHorzLine = 1u << 1,      // lines between fixed rows
    goVertLine = 1u << 2,           // lines between the other columns
    goHorzLine = 1u << 3,           // lines between the other rows
    goRangeSelect = 1u << 4,        // Shift and dragging select a block
    goDrawFocusSelected = 1u << 5,  // highlight the current cell also while focused
};
using TGridOptions = unsigned;

// The platform's virtual-key codes that move the current cell.
inline constexpr unsigned kGridKeyPrior = 0x21;
inline constexpr unsigned kGridKeyNext = 0x22;
inline constexpr unsigned kGridKeyEnd = 0x23;
inline constexpr unsigned kGridKeyHome = 0x24;
inline constexpr unsigned kGridKeyLeft = 0x25;
inline constexpr unsigned kGridKeyUp = 0x26;
inline constexpr unsigned kGridKeyRight = 0x27;
inline constexpr unsigned kGridKeyDown = 0x28;

// Period of the timer that steps the selection while a drag is outside the cells.
inline constexpr unsigned kGridSelectRepeatMs = 60;

// One direction of the grid (columns or rows): every cell is `size` pixels
// followed by a grid line; fixed cells stay put, the others start at `first`.
struct GridAxis {
    int count = 5;
    int fixed = 1;
    int size = 24;
    int first = 1;   // first scrollable cell shown
    int extent = 0;  // client pixels available

    // Pixel where cell i starts; -1 when it is scrolled out of view.
    int Start(int i, int line) const;
    // End of the fixed cells and their lines.
    int FixedEnd(int line) const;
    bool Visible(int i, int line) const;
    // Last cell with any pixel in view (at least first - 1 when none is).
    int LastVisible(int line) const;
    // Last cell shown whole (its trailing line may be cut); at least first.
    int LastFullVisible(int line) const;
    // End of the drawn cells and lines, within the extent.
    int CellsEnd(int line) const;
    // The cell whose pixels (its trailing line included) hold p; -1 for none.
    int At(int p, int line) const;
    // The largest useful first: the one that shows the last cells whole.
    int MaxFirst(int line) const;
};

class GridCore {
public:
    static constexpr TGridOptions kDefaultOptions =
        goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

    int ColCount() const { return cols_.count; }
    int RowCount() const { return rows_.count; }
    int FixedCols() const { return cols_.fixed; }
    int FixedRows() const { return rows_.fixed; }
    // A count must exceed its fixed count and a fixed count be 0 or more:
    // otherwise EInvalidGridOperation. The current cell, anchor and scroll
    // origin are moved back into the scrollable cells.
    void SetColCount(int v);
    void SetRowCount(int v);
    void SetFixedCols(int v);
    void SetFixedRows(int v);

    // Sizes below 0 count as 0, above 32767 as 32767.
    int DefaultColWidth() const { return cols_.size; }
    int DefaultRowHeight() const { return rows_.size; }
    int GridLineWidth() const { return line_; }
    void SetDefaultColWidth(int v);
    void SetDefaultRowHeight(int v);
    void SetGridLineWidth(int v);

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions v);

    int ClientWidth() const { return cols_.extent; }
    int ClientHeight() const { return rows_.extent; }
    void SetClientSize(int width, int height);

    TGridCoord Current() const { return current_; }
    TGridCoord Anchor() const { return anchor_; }
    bool Contains(TGridCoord c) const { return c.col >= 0 && c.row >= 0 && c.col < cols_.count && c.row < rows_.count; }
    bool IsFixed(TGridCoord c) const { return c.col < cols_.fixed || c.row < rows_.fixed; }
    // No checks: the grid control asks the selectability hook first. The
    // anchor follows when asked, and always without range selection.
    void SetCurrent(TGridCoord c, bool moveAnchor);
    // The selected block: anchor to current with range selection, else the
    // current cell alone.
    TGridRect Selection() const;

    int TopRow() const { return rows_.first; }
    int LeftCol() const { return cols_.first; }
    // Scrolls the least needed to show the cell whole; true when it scrolled.
    bool ScrollIntoView(TGridCoord c);
    // Scrolls by whole rows within the useful range; true when it scrolled.
    bool ScrollRows(int delta);

    bool ColVisible(int col) const { return cols_.Visible(col, line_); }
    bool RowVisible(int row) const { return rows_.Visible(row, line_); }
    bool CellVisible(TGridCoord c) const { return ColVisible(c.col) && RowVisible(c.row); }
    // The cell's pixels without its grid lines; none when out of view.
    std::optional<GridPixels> CellRect(TGridCoord c) const;
    // The cell at a client point (fixed cells included); none outside the cells.
    std::optional<TGridCoord> CellAt(int x, int y) const;
    // Whether the point lies on a scrollable (non-fixed) cell in view.
    bool InScrollableCells(int x, int y) const;
    int LastFullVisibleCol() const { return cols_.LastFullVisible(line_); }
    int LastFullVisibleRow() const { return rows_.LastFullVisible(line_); }
    // Right and bottom end of the drawn grid; beyond is background.
    int CellsRight() const { return cols_.CellsEnd(line_); }
    int CellsBottom() const { return rows_.CellsEnd(line_); }

    // Where a key moves the current cell, clamped to the scrollable cells;
    // the current cell itself for keys that move nothing.
    TGridCoord KeyTarget(unsigned key, bool ctrl) const;
    // One step of a drag outside the cells: one cell toward the point on
    // each axis where the point lies beyond the scrollable cells, clamped.
    TGridCoord StepToward(int x, int y) const;

private:
    TGridCoord Clamp(TGridCoord c) const;
    void Normalize();

    GridAxis cols_{5, 1, 64, 1, 0};
    GridAxis rows_{5, 1, 24, 1, 0};
    int line_ = 1;
    TGridOptions options_ = kDefaultOptions;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
};
