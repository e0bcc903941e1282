// The spin button and its auto-repeating arrows: the repeat rules of
// ArrowRepeat and the layout and key rules of SpinCore, over the toolkit's
// window, speed button and interval timer.
#include "widgets/Spin.h"

#include "platform/ScopedWin32.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/Timer.h"

using widgets::SpinArrow;

namespace {

// The interval timer as the arrow's repeat rules see it; frees the timer.
class RepeatTimerAdapter : public widgets::RepeatTimer {
public:
    explicit RepeatTimerAdapter(TTimer* timer) : timer_(timer) {}
    ~RepeatTimerAdapter() override { delete timer_; }
    RepeatTimerAdapter(const RepeatTimerAdapter&) = delete;
    RepeatTimerAdapter& operator=(const RepeatTimerAdapter&) = delete;

    void SetOnTimer(std::function<void()> handler) override {
        timer_->SetOnTimer([handler = std::move(handler)](TComponent*) { handler(); });
    }
    void SetInterval(unsigned milliseconds) override { timer_->SetInterval(milliseconds); }
    void SetEnabled(bool enabled) override { timer_->SetEnabled(enabled); }

private:
    TTimer* timer_;
};

widgets::ArrowMouseButton ArrowButtonOf(TMouseButton b) {
    switch (b) {
        case TMouseButton::mbRight: return widgets::ArrowMouseButton::Right;
        case TMouseButton::mbMiddle: return widgets::ArrowMouseButton::Middle;
        default: return widgets::ArrowMouseButton::Left;
    }
}

}  // namespace

// ---- TTimerSpeedButton

TTimerSpeedButton::TTimerSpeedButton(TComponent* owner) : TSpeedButton(owner) {
    // The base set its size before this part existed.
    repeat_.SetSize(Width(), Height());
}

// The repeat timer goes with repeat_, before the owned components.
TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetFlags(unsigned v) {
    if (v == flags_) return;
    flags_ = v;
    repeat_.SetRepeatAllowed((v & RepeatAllowed) != 0);
    Invalidate();
}

void TTimerSpeedButton::Paint(HDC dc) {
    TSpeedButton::Paint(dc);
    if (!(flags_ & FocusShown)) return;
    RECT r = BoundsRect();
    InflateRect(&r, -3, -3);
    if (State() == TButtonState::bsDown) OffsetRect(&r, 1, 1);
    COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &r);
    SetBkColor(dc, oldBk);
    SetTextColor(dc, oldText);
}

void TTimerSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    // The suppression stays on the line it names: not laid out.
    // clang-format off
    TControl::MouseDown(button, shift, x, y);  // OnMouseDown first; NOLINT(bugprone-parent-virtual-call): the arrow repeats by itself instead of the speed button's press and click
    // clang-format on
    repeat_.MouseDown(ArrowButtonOf(button));
    Repaint();
}

void TTimerSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    // The suppression stays on the line it names: not laid out.
    // clang-format off
    TControl::MouseMove(shift, x, y);  // NOLINT(bugprone-parent-virtual-call): the arrow repeats by itself instead of the speed button's press and click
    // clang-format on
    repeat_.MouseMove(x, y);
}

void TTimerSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // The suppression stays on the line it names: not laid out.
    // clang-format off
    TControl::MouseUp(button, shift, x, y);  // NOLINT(bugprone-parent-virtual-call): the arrow repeats by itself instead of the speed button's press and click
    // clang-format on
    repeat_.MouseUp(x, y);
}

void TTimerSpeedButton::MouseCaptureLost() {
    // Like a release off the arrow: it pops up, no click, the timer stops.
    repeat_.MouseUp(-1, -1);
}

void TTimerSpeedButton::BoundsChanged() {
    TSpeedButton::BoundsChanged();
    repeat_.SetSize(Width(), Height());
}

void TTimerSpeedButton::EnabledChanged() {
    // A press in progress ends first, or its ticks would go on clicking.
    if (!Enabled()) repeat_.MouseUp(-1, -1);
    TSpeedButton::EnabledChanged();
    repeat_.SetEnabled(Enabled());
}

std::unique_ptr<widgets::RepeatTimer> TTimerSpeedButton::CreateRepeatTimer() {
    timer_ = new TTimer(this);
    return std::make_unique<RepeatTimerAdapter>(timer_);
}

bool TTimerSpeedButton::HoldsCapture() const {
    TWinControl* p = Parent();
    return p && p->HandleAllocated() && GetCapture() == p->Handle() && p->MouseCaptureControl() == this;
}

void TTimerSpeedButton::Repaint() {
    // The repeat rules keep the pressed state; the speed button draws it.
    SetDragging(repeat_.Dragging());
    if (Enabled()) SetState(repeat_.State() == widgets::ArrowState::Down ? TButtonState::bsDown : TButtonState::bsUp);
}

// ---- TSpinButton

TSpinButton::TSpinButton(TComponent* owner) : TWinControl(owner) {
    up_ = CreateArrow();
    down_ = CreateArrow();
    SetUpGlyph(nullptr);
    SetDownGlyph(nullptr);
    TSpinButton::SetBounds(Left(), Top(), widgets::kSpinDefaultWidth, widgets::kSpinDefaultHeight);
}

TSpinButton::~TSpinButton() = default;

void TSpinButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    // A control of its own, not a container: dialog navigation must stop
    // on it rather than look for tab stops inside.
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
}

TTimerSpeedButton* TSpinButton::CreateArrow() {
    auto* a = new TTimerSpeedButton(this);
    a->OnClick = [this](TComponent* sender) { ArrowClick(sender); };
    a->OnMouseDown = [this](TComponent* sender, TMouseButton button, TShiftState, int, int) {
        ArrowPress(sender, button);
    };
    a->SetFlags(TTimerSpeedButton::RepeatAllowed);
    a->SetNumGlyphs(1);
    a->SetParent(this);
    return a;
}

TTimerSpeedButton* TSpinButton::FocusedButton() const { return Arrow(focus_.Focused()); }

void TSpinButton::SetUpGlyph(HBITMAP bitmap) { SetGlyphOf(up_, bitmap, widgets::kSpinUpGlyph); }

void TSpinButton::SetDownGlyph(HBITMAP bitmap) { SetGlyphOf(down_, bitmap, widgets::kSpinDownGlyph); }

void TSpinButton::SetGlyphOf(TTimerSpeedButton* arrow, HBITMAP bitmap, const char* builtIn) {
    if (bitmap) {
        if (bitmap == arrow->Glyph()) return;
        BITMAP bm{};
        GetObjectA(bitmap, sizeof bm, &bm);
        arrow->SetGlyph(bitmap);
        arrow->SetNumGlyphs(widgets::GlyphImageCount(bm.bmWidth, bm.bmHeight, arrow->NumGlyphs()));
        return;
    }
    scoped::GdiObject own(LoadBitmapA(GetModuleHandleA(nullptr), builtIn));
    arrow->SetGlyph(own.Get());
    arrow->SetNumGlyphs(1);
    arrow->Invalidate();
}

int TSpinButton::AdjustArrows(int width, int height) {
    const widgets::SpinGeometry g = widgets::SpinLayout(width, height);
    up_->SetBounds(g.up.left, g.up.top, g.up.width, g.up.height);
    down_->SetBounds(g.down.left, g.down.top, g.down.width, g.down.height);
    return g.width;
}

void TSpinButton::SetBounds(int left, int top, int width, int height) {
    // While the description is read the size is taken as it comes; Loaded
    // lays the arrows out once.
    if (up_ && down_ && !Loading()) width = AdjustArrows(width, height);
    TWinControl::SetBounds(left, top, width, height);
}

void TSpinButton::Loaded() {
    TWinControl::Loaded();
    const int width = AdjustArrows(Width(), Height());
    if (width != Width()) SetBounds(Left(), Top(), width, Height());
}

void TSpinButton::ArrowPress(TComponent* sender, TMouseButton button) {
    if (button != TMouseButton::mbLeft) return;
    MakeFocused(sender == up_ ? SpinArrow::Up : SpinArrow::Down);
    if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused())
        focusControl_->SetFocus();
    else if (TabStop() && !Focused() && CanFocus()) SetFocus();
}

void TSpinButton::ArrowClick(TComponent* sender) {
    if (sender == up_) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TSpinButton::MakeFocused(SpinArrow a) {
    const bool repaint = focus_.MakeFocused(a, TabStop(), CanFocus(), Focused());
    ShowFocusFlags();
    if (repaint) Invalidate();
}

void TSpinButton::ShowFocusFlags() {
    for (SpinArrow a : {SpinArrow::Up, SpinArrow::Down}) {
        TTimerSpeedButton* arrow = Arrow(a);
        unsigned flags = arrow->Flags() & ~TTimerSpeedButton::FocusShown;
        if (focus_.FocusShown(a)) flags |= TTimerSpeedButton::FocusShown;
        arrow->SetFlags(flags);
    }
}

bool TSpinButton::KeyDown(unsigned key) {
    const auto action = widgets::SpinKeyActionFor(key, focus_.Focused());
    if (!action) return false;
    if (action->makeFocused) MakeFocused(action->arrow);
    Arrow(action->arrow)->Click();
    return true;
}

LRESULT TSpinButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: return 1;  // the arrows cover the whole window
        case WM_SIZE: {
            TWinControl::WndProc(msg, wParam, lParam);
            if (Loading()) return 0;
            // The window's own size: it may have been sized from outside.
            const int height = HIWORD(lParam);
            const int width = AdjustArrows(LOWORD(lParam), height);
            if (width != LOWORD(lParam)) SetBounds(Left(), Top(), width, height);
            return 0;
        }
        case WM_SETFOCUS:
            focus_.GotFocus();
            ShowFocusFlags();
            break;
        case WM_KILLFOCUS:
            focus_.LostFocus();
            ShowFocusFlags();
            break;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (KeyDown(static_cast<unsigned>(wParam))) return 0;
            break;
        default: break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

bool TSpinButton::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "UpGlyph" || name == "DownGlyph") {
        // A bitmap resource by name; an empty name keeps the built-in arrow.
        const std::string& resource = value.AsString();
        scoped::GdiObject b(resource.empty() ? nullptr : LoadBitmapResource(resource));
        if (name == "UpGlyph") SetUpGlyph(b.Get());
        else SetDownGlyph(b.Get());
    } else if (name == "OnUpClick") {
        OnUpClick = binder.Handler<void(TComponent*)>(value);
    } else if (name == "OnDownClick") {
        OnDownClick = binder.Handler<void(TComponent*)>(value);
    } else {
        return TWinControl::SetProperty(name, value, binder);
    }
    return true;
}
