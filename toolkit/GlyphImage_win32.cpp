#include "toolkit/GlyphImage.h"

#include "platform/ScopedWin32.h"
#include "platform/SystemLibraries.h"
#include "toolkit/StartupTrace.h"

TGlyphImage::~TGlyphImage() {
    if (bitmap_) DeleteObject(bitmap_);
}

void TGlyphImage::Adopt(HBITMAP bitmap) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
    numGlyphs_ = 1;
    transparent_ = 0;
    if (!bitmap_) return;
    BITMAP bm{};
    GetObjectA(bitmap_, sizeof bm, &bm);
    if (bm.bmHeight > 0 && bm.bmWidth % bm.bmHeight == 0) {
        int n = bm.bmWidth / bm.bmHeight;
        if (n >= 1 && n <= 4) numGlyphs_ = n;
    }
    scoped::MemoryDC dc(nullptr);
    scoped::SelectedObject selected(dc.Get(), bitmap_);
    transparent_ = GetPixel(dc.Get(), 0, bm.bmHeight - 1);
}

bool TGlyphImage::LoadResource(const std::string& name) {
    STARTUP_PROBE("pictures");
    auto* b = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    Adopt(b);
    return b != nullptr;
}

void TGlyphImage::Assign(HBITMAP bitmap) {
    if (bitmap == bitmap_) return;
    Adopt(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)) : nullptr);
}

void TGlyphImage::SetNumGlyphs(int v) {
    if (v < 1) v = 1;
    if (v > 4) v = 4;
    numGlyphs_ = v;
}

SIZE TGlyphImage::ImageSize() const {
    SIZE s{0, 0};
    if (!bitmap_) return s;
    BITMAP bm{};
    GetObjectA(bitmap_, sizeof bm, &bm);
    s.cx = bm.bmWidth / numGlyphs_;
    s.cy = bm.bmHeight;
    return s;
}

void TGlyphImage::Draw(HDC dc, int x, int y, Index state) const {
    if (!bitmap_) return;
    SIZE s = ImageSize();
    scoped::MemoryDC source(dc);
    HDC src = source.Get();
    scoped::SelectedObject selected(src, bitmap_);
    if (state < numGlyphs_) {
        platform::LateTransparentBlt(dc, x, y, s.cx, s.cy, src, state * s.cx, 0, s.cx, s.cy, transparent_);
    } else if (state != giDisabled) {
        platform::LateTransparentBlt(dc, x, y, s.cx, s.cy, src, 0, 0, s.cx, s.cy, transparent_);
    } else {
        // No disabled image: the normal image's shape, embossed. The mask is
        // white where the image is transparent and black where it draws.
        scoped::GdiObject mask(CreateBitmap(s.cx, s.cy, 1, 1, nullptr));
        {
            scoped::MemoryDC maskDc(dc);
            scoped::SelectedObject maskSelected(maskDc.Get(), mask.Get());
            SetBkColor(src, transparent_);
            BitBlt(maskDc.Get(), 0, 0, s.cx, s.cy, src, 0, 0, SRCCOPY);
        }
        // Monochrome bitmaps draw black as text colour: the image part.
        scoped::SavedDC saved(dc);
        SetBkColor(dc, RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(mask.Get()), 0, x, y, s.cx, s.cy,
                   DST_BITMAP | DSS_DISABLED);
    }
}
