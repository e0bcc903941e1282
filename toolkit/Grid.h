// The custom-drawn grid control: a window of cells in columns and rows, the
// first ones fixed as headers, with one current cell. It paints every cell
// through the PaintCell hook after filling it, asks CanSelectCell before the
// current cell moves, selects with the mouse (with a repeating timer that
// steps toward the pointer while a drag is outside the cells) and with the
// keyboard, and reports a selection made by the user through Click.
#pragma once

#include <functional>

#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/GridCore.h"
#include "toolkit/WinControl.h"

enum TGridDrawFlag : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = unsigned;

// A key pressed on the control; a handler that sets key to 0 cancels it.
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;

class TCustomGrid : public TWinControl {
public:
    explicit TCustomGrid(TComponent* owner);
    ~TCustomGrid() override;

    const char* ClassName() const override { return "TCustomGrid"; }

    int ColCount() const { return core_.ColCount(); }
    int RowCount() const { return core_.RowCount(); }
    int FixedCols() const { return core_.FixedCols(); }
    int FixedRows() const { return core_.FixedRows(); }
    int DefaultColWidth() const { return core_.DefaultColWidth(); }
    int DefaultRowHeight() const { return core_.DefaultRowHeight(); }
    int GridLineWidth() const { return core_.GridLineWidth(); }
    void SetGridLineWidth(int v);
    TGridOptions Options() const { return core_.Options(); }
    void SetOptions(TGridOptions v);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    // bsSingle or bsNone; other styles count as bsSingle.
    void SetBorderStyle(TBorderStyle v);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor v);

    // The current cell.
    int Col() const { return core_.Current().col; }
    int Row() const { return core_.Current().row; }
    TGridRect Selection() const { return core_.Selection(); }
    int TopRow() const { return core_.TopRow(); }
    int LeftCol() const { return core_.LeftCol(); }
    // The cell's pixels in the client area (without grid lines); empty when
    // it is out of view.
    RECT CellRect(int col, int row);
    // True while the left button selects with the mouse.
    bool Selecting() const { return selecting_; }
    void DestroyHandle() override;

    TNotifyEvent OnDblClick;
    TKeyEvent OnKeyDown;

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void SetColCount(int v);
    void SetRowCount(int v);
    void SetFixedCols(int v);
    void SetFixedRows(int v);
    // Each discards nothing but repaints: every column (row) has this size.
    void SetDefaultColWidth(int v);
    void SetDefaultRowHeight(int v);

    // A cell outside the grid raises EInvalidGridOperation. Otherwise, when
    // CanSelectCell allows, the cell becomes current (the anchor with it when
    // asked), is scrolled into view when asked, and the old and new cells
    // are repainted. Nothing is notified.
    void MoveCurrent(int col, int row, bool moveAnchor, bool show);
    // MoveCurrent with scrolling, then Click, even when the move was refused.
    void FocusCell(int col, int row, bool moveAnchor);

    // Whether (col, row) may become the current cell.
    virtual bool CanSelectCell(int col, int row);
    // Draws one cell's content on Canvas(); the grid has filled rect with the
    // cell's brush and chosen the font and its colour.
    virtual void PaintCell(int col, int row, const RECT& rect, TGridDrawState state);
    virtual void DblClick();
    // A mouse selection ended without its button release (cancel mode, the
    // capture taken away): no click notification follows.
    virtual void SelectingCancelled() {}
    // The device context being painted (null outside painting).
    HDC Canvas() const { return canvas_; }

    void CreateParams(TCreateParams& params) override;
    void FontChanged() override;

private:
    // Brings the geometry up to date with the window's client area.
    void SyncClientSize();
    void InvalidateCell(TGridCoord c);
    void InvalidateSelection(const TGridRect& r);
    void ApplyBorder();
    void Paint(HDC dc, const RECT& dirty);
    void PaintOneCell(HDC dc, TGridCoord c, const RECT& rect);
    void PaintLines(HDC dc, TGridCoord c, const RECT& rect, COLORREF background);

    LRESULT PressButton(UINT msg, WPARAM wParam, LPARAM lParam);
    void DragTo(int x, int y);
    void ReleaseButton(int x, int y);
    // Moves the current cell with the pointer: onto the cell under it, or a
    // step toward it when it is outside the cells.
    void TrackPointer(int x, int y);
    // Stops the timer and the capture; a cancelled selection is reported.
    void EndSelecting(bool cancelled);
    void PressKey(WORD key);

    GridCore core_;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    TColor fixedColor_ = clBtnFace;
    HDC canvas_ = nullptr;
    bool selecting_ = false;
    POINT pointer_{0, 0};  // last pointer position seen while selecting
};
