// The grid control's window: painting, mouse and keyboard selection.
#include "toolkit/Grid.h"

#include <vector>

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "platform/ScopeExit.h"
#include "platform/ScopedWin32.h"
#include "res/StringIds.h"
#include "toolkit/DescriptionReader.h"

static_assert(kGridKeyPrior == VK_PRIOR && kGridKeyNext == VK_NEXT && kGridKeyEnd == VK_END &&
              kGridKeyHome == VK_HOME && kGridKeyLeft == VK_LEFT && kGridKeyUp == VK_UP && kGridKeyRight == VK_RIGHT &&
              kGridKeyDown == VK_DOWN);

namespace {

const UINT_PTR kSelectTimerId = 1;

int MouseX(LPARAM l) { return static_cast<short>(LOWORD(l)); }
int MouseY(LPARAM l) { return static_cast<short>(HIWORD(l)); }

// Sunken client edges exist from major version 4 of the platform on.
bool NewStyleControls() { return LOBYTE(LOWORD(GetVersion())) >= 4; }

void Fill(HDC dc, const RECT& r, COLORREF color) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    scoped::GdiObject b(CreateSolidBrush(color));
    FillRect(dc, &r, b.Get());
}

RECT ToRect(const GridPixels& p) { return RECT{p.left, p.top, p.right, p.bottom}; }

// The fixed columns (rows) in view, then the scrollable ones from the first shown.
template <class Visible>
std::vector<int> ShownIndices(int count, int fixed, int first, Visible visible) {
    std::vector<int> shown;
    for (int i = 0; i < fixed; ++i)
        if (visible(i)) shown.push_back(i);
    for (int i = first; i < count && visible(i); ++i) shown.push_back(i);
    return shown;
}

}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetColor(clWindow);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    // A control parent is a container to the dialog manager, never a tab stop.
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_ && NewStyleControls()) params.exStyle |= WS_EX_CLIENTEDGE;
        else params.style |= WS_BORDER;
    }
    params.classStyle = CS_DBLCLKS;
}

void TCustomGrid::ApplyBorder() {
    if (!HandleAllocated()) return;
    TCreateParams p;
    CreateParams(p);
    LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrA(handle_, GWL_EXSTYLE);
    style = (style & ~static_cast<LONG_PTR>(WS_BORDER)) | (p.style & WS_BORDER);
    exStyle = (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE)) | (p.exStyle & WS_EX_CLIENTEDGE);
    SetWindowLongPtrA(handle_, GWL_STYLE, style);
    SetWindowLongPtrA(handle_, GWL_EXSTYLE, exStyle);
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle v) {
    if (v != TBorderStyle::bsNone) v = TBorderStyle::bsSingle;
    if (v == borderStyle_) return;
    borderStyle_ = v;
    ApplyBorder();
}

void TCustomGrid::SetCtl3D(bool v) {
    if (v == ctl3D_) return;
    ctl3D_ = v;
    ApplyBorder();
}

void TCustomGrid::SetFixedColor(TColor v) {
    if (v == fixedColor_) return;
    fixedColor_ = v;
    Invalidate();
}

void TCustomGrid::SetColCount(int v) {
    if (v == core_.ColCount()) return;
    core_.SetColCount(v);
    Invalidate();
}

void TCustomGrid::SetRowCount(int v) {
    if (v == core_.RowCount()) return;
    core_.SetRowCount(v);
    Invalidate();
}

void TCustomGrid::SetFixedCols(int v) {
    if (v == core_.FixedCols()) return;
    core_.SetFixedCols(v);
    Invalidate();
}

void TCustomGrid::SetFixedRows(int v) {
    if (v == core_.FixedRows()) return;
    core_.SetFixedRows(v);
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int v) {
    if (v == core_.DefaultColWidth()) return;
    core_.SetDefaultColWidth(v);
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int v) {
    if (v == core_.DefaultRowHeight()) return;
    core_.SetDefaultRowHeight(v);
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int v) {
    if (v == core_.GridLineWidth()) return;
    core_.SetGridLineWidth(v);
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions v) {
    if (v == core_.Options()) return;
    core_.SetOptions(v);
    Invalidate();
}

void TCustomGrid::FontChanged() {
    TWinControl::FontChanged();
    Invalidate();
}

void TCustomGrid::SyncClientSize() {
    RECT r = ClientRect();
    core_.SetClientSize(r.right - r.left, r.bottom - r.top);
}

RECT TCustomGrid::CellRect(int col, int row) {
    SyncClientSize();
    std::optional<GridPixels> p = core_.CellRect({col, row});
    return p ? ToRect(*p) : RECT{0, 0, 0, 0};
}

void TCustomGrid::InvalidateCell(TGridCoord c) {
    if (!HandleAllocated()) return;
    if (std::optional<GridPixels> p = core_.CellRect(c)) {
        RECT r = ToRect(*p);
        InvalidateRect(handle_, &r, FALSE);
    }
}

void TCustomGrid::InvalidateSelection(const TGridRect& r) {
    if (r.left == r.right && r.top == r.bottom) InvalidateCell({r.left, r.top});
    else Invalidate();
}

bool TCustomGrid::CanSelectCell(int, int) { return true; }

void TCustomGrid::PaintCell(int, int, const RECT&, TGridDrawState) {}

void TCustomGrid::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TCustomGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show) {
    SyncClientSize();
    if (!core_.Contains({col, row})) throw EInvalidGridOperation(platform::LoadStr(res::SGridIndexError));
    if (!CanSelectCell(col, row)) return;
    const TGridRect before = core_.Selection();
    core_.SetCurrent({col, row}, moveAnchor);
    if (show && core_.ScrollIntoView({col, row})) {
        Invalidate();
        return;
    }
    InvalidateSelection(before);
    InvalidateSelection(core_.Selection());
}

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
    MoveCurrent(col, row, moveAnchor, true);
    Click();
}

// ---- painting ----

void TCustomGrid::Paint(HDC dc, const RECT& dirty) {
    SyncClientSize();
    scoped::SavedDC saved(dc);
    SelectObject(dc, Font().Handle());
    SetBkMode(dc, OPAQUE);
    const int line = core_.GridLineWidth();
    const std::vector<int> rows = ShownIndices(core_.RowCount(), core_.FixedRows(), core_.TopRow(),
                                               [this](int i) { return core_.RowVisible(i); });
    const std::vector<int> cols = ShownIndices(core_.ColCount(), core_.FixedCols(), core_.LeftCol(),
                                               [this](int i) { return core_.ColVisible(i); });
    for (int row : rows) {
        for (int col : cols) {
            const RECT rect = ToRect(*core_.CellRect({col, row}));
            const RECT withLines{rect.left, rect.top, rect.right + line, rect.bottom + line};
            RECT overlap;
            if (IntersectRect(&overlap, &withLines, &dirty)) PaintOneCell(dc, {col, row}, rect);
        }
    }
    // Whatever the cells do not cover shows the control's colour.
    const int right = core_.CellsRight(), bottom = core_.CellsBottom();
    const COLORREF background = ColorToRGB(Color());
    Fill(dc, RECT{right, 0, core_.ClientWidth(), core_.ClientHeight()}, background);
    Fill(dc, RECT{0, bottom, right, core_.ClientHeight()}, background);
}

void TCustomGrid::PaintOneCell(HDC dc, TGridCoord c, const RECT& rect) {
    const bool fixed = core_.IsFixed(c);
    const bool focusedCell = c == core_.Current() && Focused();
    TGridDrawState state = 0;
    if (fixed) state |= gdFixed;
    if (focusedCell) state |= gdFocused;
    // The focused cell keeps its plain colours unless asked otherwise, so
    // that the focus rectangle shows on it.
    if (!fixed && core_.Selection().Contains(c) && (!focusedCell || (Options() & goDrawFocusSelected)))
        state |= gdSelected;

    COLORREF brush, text = ColorToRGB(Font().Color());
    if (state & gdSelected) {
        brush = GetSysColor(COLOR_HIGHLIGHT);
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else if (fixed) {
        brush = ColorToRGB(fixedColor_);
    } else {
        brush = ColorToRGB(Color());
    }
    Fill(dc, rect, brush);
    SetTextColor(dc, text);
    SetBkColor(dc, brush);
    {
        // The canvas is the cell's only while it paints, also when it throws.
        canvas_ = dc;
        ScopeExit clear([this] { canvas_ = nullptr; });
        PaintCell(c.col, c.row, rect, state);
    }
    if (fixed && ctl3D_) {
        RECT edge = rect;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_TOPLEFT);
    }
    if (focusedCell) DrawFocusRect(dc, &rect);
    PaintLines(dc, c, rect, ColorToRGB(Color()));
}

void TCustomGrid::PaintLines(HDC dc, TGridCoord c, const RECT& rect, COLORREF background) {
    const int line = core_.GridLineWidth();
    if (line <= 0) return;
    const bool fixed = core_.IsFixed(c);
    const bool vert = Options() & (fixed ? goFixedVertLine : goVertLine);
    const bool horz = Options() & (fixed ? goFixedHorzLine : goHorzLine);
    COLORREF color = RGB(0, 0, 0);
    if (!fixed) color = ColorToRGB(Color()) == RGB(192, 192, 192) ? RGB(128, 128, 128) : RGB(192, 192, 192);
    // Each cell owns the line to its right, the line below it and the corner.
    Fill(dc, RECT{rect.right, rect.top, rect.right + line, rect.bottom}, vert ? color : background);
    Fill(dc, RECT{rect.left, rect.bottom, rect.right, rect.bottom + line}, horz ? color : background);
    Fill(dc, RECT{rect.right, rect.bottom, rect.right + line, rect.bottom + line}, vert || horz ? color : background);
}

// ---- mouse ----

LRESULT TCustomGrid::PressButton(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!Focused() && CanFocus()) SetFocus();
    if (!Focused()) return 0;
    if (msg == WM_LBUTTONDBLCLK) {
        DblClick();
        return 0;
    }
    if (msg != WM_LBUTTONDOWN) return DefaultHandler(msg, wParam, lParam);
    SyncClientSize();
    const int x = MouseX(lParam), y = MouseY(lParam);
    if (!core_.InScrollableCells(x, y)) return 0;
    const TGridCoord cell = *core_.CellAt(x, y);
    selecting_ = true;
    pointer_ = {x, y};
    SetCapture(handle_);
    SetTimer(handle_, kSelectTimerId, kGridSelectRepeatMs, nullptr);
    MoveCurrent(cell.col, cell.row, true, true);
    return 0;
}

void TCustomGrid::TrackPointer(int x, int y) {
    SyncClientSize();
    const TGridCoord target = core_.InScrollableCells(x, y) ? *core_.CellAt(x, y) : core_.StepToward(x, y);
    // Dragging extends a block from the anchor where blocks are allowed.
    if (target != core_.Current()) MoveCurrent(target.col, target.row, false, true);
}

void TCustomGrid::DragTo(int x, int y) {
    if (!selecting_) return;
    pointer_ = {x, y};
    // Outside the cells the timer steps; here only a cell under the pointer counts.
    SyncClientSize();
    if (core_.InScrollableCells(x, y)) TrackPointer(x, y);
}

void TCustomGrid::ReleaseButton(int x, int y) {
    if (!selecting_) return;
    try {
        TrackPointer(x, y);
    } catch (...) {
        EndSelecting(false);
        throw;
    }
    EndSelecting(false);
    Click();
}

void TCustomGrid::DestroyHandle() {
    // The window takes its timer and mouse capture with it.
    selecting_ = false;
    TWinControl::DestroyHandle();
}

void TCustomGrid::EndSelecting(bool cancelled) {
    if (!selecting_) return;
    // Cleared first: releasing the capture sends WM_CAPTURECHANGED here.
    selecting_ = false;
    if (HandleAllocated()) {
        KillTimer(handle_, kSelectTimerId);
        if (GetCapture() == handle_) ReleaseCapture();
    }
    if (cancelled) SelectingCancelled();
}

// ---- keyboard ----

void TCustomGrid::PressKey(WORD key) {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    if (OnKeyDown) {
        OnKeyDown(this, key, shift);
        if (key == 0) return;
    }
    SyncClientSize();
    const bool ctrl = (shift & ssCtrl) != 0;
    if (ctrl && (key == VK_UP || key == VK_DOWN)) {
        if (core_.ScrollRows(key == VK_UP ? -1 : 1)) Invalidate();
        return;
    }
    const TGridCoord target = core_.KeyTarget(key, ctrl);
    if (target != core_.Current()) FocusCell(target.col, target.row, !(shift & ssShift));
}

// ---- messages ----

LRESULT TCustomGrid::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_GETDLGCODE:  // NOLINT(bugprone-branch-clone): DLGC_WANTARROWS happens to equal the 1 below
            // Arrows are ours; Tab and Shift+Tab stay with the dialog keys.
            return DLGC_WANTARROWS;
        case WM_ERASEBKGND: return 1;  // painting covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle_, &ps);
            try {
                Paint(dc, ps.rcPaint);
            } catch (...) {
                EndPaint(handle_, &ps);
                throw;
            }
            EndPaint(handle_, &ps);
            return 0;
        }
        case WM_SIZE:
            SyncClientSize();
            Invalidate();
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The focus rectangle follows the focus.
            InvalidateCell(core_.Current());
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: return PressButton(msg, wParam, lParam);
        case WM_MOUSEMOVE: DragTo(MouseX(lParam), MouseY(lParam)); return 0;
        case WM_LBUTTONUP: ReleaseButton(MouseX(lParam), MouseY(lParam)); return 0;
        case WM_TIMER:
            if (wParam != kSelectTimerId) break;
            SyncClientSize();
            if (selecting_ && !core_.InScrollableCells(pointer_.x, pointer_.y)) TrackPointer(pointer_.x, pointer_.y);
            return 0;
        case WM_CANCELMODE: EndSelecting(true); break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != handle_) EndSelecting(true);
            return 0;
        case WM_KEYDOWN: PressKey(static_cast<WORD>(wParam)); return 0;
        default: break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

bool TCustomGrid::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "BorderStyle") {
        const std::string& id = value.AsIdentifier();
        if (id == "bsNone") SetBorderStyle(TBorderStyle::bsNone);
        else if (id == "bsSingle") SetBorderStyle(TBorderStyle::bsSingle);
        else throw EReadError("unknown border style " + id);
    } else if (name == "Ctl3D") {
        SetCtl3D(value.AsBool());
    } else if (name == "GridLineWidth") {
        SetGridLineWidth(value.AsInt());
    } else if (name == "OnDblClick") {
        OnDblClick = binder.Handler<void(TComponent*)>(value);
    } else if (name == "OnKeyDown") {
        OnKeyDown = binder.Handler<void(TComponent*, WORD&, TShiftState)>(value);
    } else {
        return TWinControl::SetProperty(name, value, binder);
    }
    return true;
}
