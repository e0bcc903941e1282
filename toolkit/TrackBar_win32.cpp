#include "toolkit/TrackBar.h"

#include <commctrl.h>

#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

DWORD TTrackBar::BarStyle() const {
    DWORD s = orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
    if (tickMarks_ == TTickMark::tmBoth) s |= TBS_BOTH;
    else if (tickMarks_ == TTickMark::tmTopLeft) s |= TBS_TOP;  // TBS_LEFT for vertical bars
    if (tickStyle_ == TTickStyle::tsAuto) s |= TBS_AUTOTICKS;
    else if (tickStyle_ == TTickStyle::tsNone) s |= TBS_NOTICKS;
    return s;
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = TRACKBAR_CLASSA;
    params.systemClass = true;
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    params.style |= BarStyle();
}

void TTrackBar::WindowCreated() {
    TWinControl::WindowCreated();
    Send(TBM_SETRANGEMIN, FALSE, min_);
    Send(TBM_SETRANGEMAX, FALSE, max_);
    Send(TBM_SETLINESIZE, 0, lineSize_);
    Send(TBM_SETPAGESIZE, 0, pageSize_);
    Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    Send(TBM_SETPOS, TRUE, position_);
}

void TTrackBar::StyleChanged() {
    if (!HandleAllocated()) return;
    LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
    const LONG_PTR mine = TBS_VERT | TBS_BOTH | TBS_TOP | TBS_AUTOTICKS | TBS_NOTICKS;
    SetWindowLongPtrA(handle_, GWL_STYLE, (style & ~mine) | static_cast<LONG_PTR>(BarStyle()));
    // The automatic ticks are laid out again from the frequency.
    Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT TTrackBar::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
    bool outer = programSet_;
    programSet_ = true;
    LRESULT r = SendMessageA(handle_, msg, wParam, lParam);
    programSet_ = outer;
    return r;
}

void TTrackBar::Loaded() {
    TWinControl::Loaded();
    ClampPosition();
}

void TTrackBar::ClampPosition() {
    if (position_ < min_) position_ = min_;
    if (position_ > max_) position_ = max_;
}

void TTrackBar::SetRange(int min, int max) {
    if (max < min) max = min;
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    // A range narrowed below the position takes the position with it,
    // silently: the program changed it, not the user. While the description
    // is read the order of Min, Max and Position must not matter.
    if (!Loading()) ClampPosition();
    if (HandleAllocated()) {
        Send(TBM_SETRANGEMIN, FALSE, min_);
        Send(TBM_SETRANGEMAX, FALSE, max_);
        Send(TBM_SETPOS, TRUE, position_);
        Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    }
}

void TTrackBar::SetMin(int v) { SetRange(v, v > max_ ? v : max_); }

void TTrackBar::SetMax(int v) { SetRange(v < min_ ? v : min_, v); }

void TTrackBar::SetPosition(int v) {
    if (!Loading()) {
        if (v < min_) v = min_;
        if (v > max_) v = max_;
    }
    if (v == position_) return;
    position_ = v;
    if (HandleAllocated()) Send(TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetLineSize(int v) {
    if (v == lineSize_) return;
    lineSize_ = v;
    if (HandleAllocated()) Send(TBM_SETLINESIZE, 0, lineSize_);
}

void TTrackBar::SetPageSize(int v) {
    if (v == pageSize_) return;
    pageSize_ = v;
    if (HandleAllocated()) Send(TBM_SETPAGESIZE, 0, pageSize_);
}

void TTrackBar::SetFrequency(int v) {
    if (v < 1) v = 1;
    if (v == frequency_) return;
    frequency_ = v;
    if (HandleAllocated()) {
        Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    StyleChanged();
}

void TTrackBar::SetTickMarks(TTickMark v) {
    if (v == tickMarks_) return;
    tickMarks_ = v;
    StyleChanged();
}

void TTrackBar::SetTickStyle(TTickStyle v) {
    if (v == tickStyle_) return;
    tickStyle_ = v;
    StyleChanged();
}

void TTrackBar::Changed() {
    if (OnChange) OnChange(this);
}

bool TTrackBar::Notification(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            result = 0;
            if (programSet_) return true;
            position_ = static_cast<int>(SendMessageA(handle_, TBM_GETPOS, 0, 0));
            Changed();
            return true;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, ColorToRGB(Color()));
            result = reinterpret_cast<LRESULT>(ColorBrush());
            return true;
        }
        default: return false;
    }
}

bool TTrackBar::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Min") SetMin(value.AsInt());
    else if (name == "Max") SetMax(value.AsInt());
    else if (name == "Position") SetPosition(value.AsInt());
    else if (name == "LineSize") SetLineSize(value.AsInt());
    else if (name == "PageSize") SetPageSize(value.AsInt());
    else if (name == "Frequency") SetFrequency(value.AsInt());
    else if (name == "Orientation")
        SetOrientation(EnumFromValue<TTrackBarOrientation>(value, {"trHorizontal", "trVertical"}, "orientation"));
    else if (name == "TickMarks")
        SetTickMarks(EnumFromValue<TTickMark>(value, {"tmBottomRight", "tmTopLeft", "tmBoth"}, "tick marks"));
    else if (name == "TickStyle")
        SetTickStyle(EnumFromValue<TTickStyle>(value, {"tsNone", "tsAuto", "tsManual"}, "tick style"));
    else if (name == "OnChange") OnChange = binder.Handler<void(TComponent*)>(value);
    else return TWinControl::SetProperty(name, value, binder);
    return true;
}
