// Speed button: state, glyph, drawing and the press-drag-release cycle.
#include "toolkit/SpeedButton.h"

#include "platform/Exceptions.h"
#include "platform/ScopedWin32.h"
#include "platform/SystemLibraries.h"
#include "toolkit/DescriptionReader.h"

namespace {

// PSDPxax: the brush where the monochrome source is black, the destination
// where it is white.
const DWORD kRopBrushWhereBlack = 0x00B8074A;

COLORREF BottomLeftPixel(HBITMAP bitmap) {
    BITMAP bm{};
    if (!GetObjectA(bitmap, sizeof bm, &bm) || bm.bmHeight <= 0) return 0;
    scoped::MemoryDC dc(nullptr);
    scoped::SelectedObject selected(dc.Get(), bitmap);
    return GetPixel(dc.Get(), 0, bm.bmHeight - 1);
}

}  // namespace

HBITMAP LoadBitmapResource(const std::string& name) {
    HBITMAP b = LoadBitmapA(GetModuleHandleA(nullptr), name.c_str());
    if (!b) throw EReadError("no bitmap resource " + name);
    return b;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 23, 22); }

TSpeedButton::~TSpeedButton() {
    if (glyph_) DeleteObject(glyph_);
}

void TSpeedButton::SetGlyph(HBITMAP bitmap) {
    if (bitmap == glyph_) return;
    HBITMAP copy = nullptr;
    if (bitmap) {
        copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
        if (!copy) throw EOutOfResources("Out of system resources");
    }
    if (glyph_) DeleteObject(glyph_);
    glyph_ = copy;
    transparent_ = glyph_ ? BottomLeftPixel(glyph_) : 0;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int v) {
    if (v < 1) v = 1;
    if (v > 4) v = 4;
    if (v == numGlyphs_) return;
    numGlyphs_ = v;
    Invalidate();
}

void TSpeedButton::SetState(TButtonState s) {
    if (s == state_) return;
    state_ = s;
    Invalidate();
}

void TSpeedButton::EnabledChanged() {
    dragging_ = false;
    SetState(Enabled() ? TButtonState::bsUp : TButtonState::bsDisabled);
}

void TSpeedButton::Paint(HDC dc) {
    RECT r = BoundsRect();
    const bool down = state_ == TButtonState::bsDown;
    DrawEdge(dc, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    if (!glyph_) return;
    BITMAP bm{};
    GetObjectA(glyph_, sizeof bm, &bm);
    const int w = bm.bmWidth / numGlyphs_;
    int x = r.left + (Width() - w) / 2;
    int y = r.top + (Height() - bm.bmHeight) / 2;
    if (down) {
        ++x;
        ++y;
    }
    DrawGlyph(dc, x, y);
}

void TSpeedButton::DrawGlyph(HDC dc, int x, int y) {
    BITMAP bm{};
    GetObjectA(glyph_, sizeof bm, &bm);
    const int w = bm.bmWidth / numGlyphs_, h = bm.bmHeight;
    if (w <= 0 || h <= 0) return;
    int index = 0;
    if (state_ == TButtonState::bsDisabled && numGlyphs_ > 1) index = 1;
    else if (state_ == TButtonState::bsDown && numGlyphs_ > 2) index = 2;

    scoped::MemoryDC source(dc);
    HDC src = source.Get();
    scoped::SelectedObject selected(src, glyph_);
    if (state_ != TButtonState::bsDisabled || numGlyphs_ > 1) {
        platform::LateTransparentBlt(dc, x, y, w, h, src, index * w, 0, w, h, transparent_);
    } else {
        // No disabled image: emboss the glyph's shape, a highlight shifted
        // right and down under a shadow.
        scoped::MemoryDC maskSource(dc);
        HDC maskDc = maskSource.Get();
        scoped::GdiObject mask(CreateBitmap(w, h, 1, 1, nullptr));
        scoped::SelectedObject maskSelected(maskDc, mask.Get());
        SetBkColor(src, transparent_);
        BitBlt(maskDc, 0, 0, w, h, src, 0, 0, SRCCOPY);  // white where transparent
        COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
        HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        BitBlt(dc, x + 1, y + 1, w, h, maskDc, 0, 0, kRopBrushWhereBlack);
        SelectObject(dc, GetSysColorBrush(COLOR_BTNSHADOW));
        BitBlt(dc, x, y, w, h, maskDc, 0, 0, kRopBrushWhereBlack);
        SelectObject(dc, oldBrush);
        SetBkColor(dc, oldBk);
        SetTextColor(dc, oldText);
    }
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && Enabled()) {
        SetState(TButtonState::bsDown);
        dragging_ = true;
    }
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TControl::MouseMove(shift, x, y);
    if (dragging_) SetState(PointOnButton(x, y) ? TButtonState::bsDown : TButtonState::bsUp);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseUp(button, shift, x, y);
    if (!dragging_) return;
    dragging_ = false;
    const bool inside = PointOnButton(x, y);
    SetState(TButtonState::bsUp);
    if (inside) Click();
}

void TSpeedButton::MouseCaptureLost() {
    // The press ends without a click, as if released off the button.
    if (!dragging_) return;
    dragging_ = false;
    SetState(TButtonState::bsUp);
}

bool TSpeedButton::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Glyph") {
        scoped::GdiObject b(LoadBitmapResource(value.AsString()));
        SetGlyph(b.Get());
    } else if (name == "NumGlyphs") {
        SetNumGlyphs(value.AsInt());
    } else {
        return TControl::SetProperty(name, value, binder);
    }
    return true;
}
