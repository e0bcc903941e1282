#include "toolkit/TextFit.h"

#include "platform/ScopedWin32.h"

int TextWidth(HFONT font, const std::string& text, UINT format) {
    if (text.empty()) return 0;
    scoped::WindowDC dc;
    scoped::SelectedObject selected(dc.Get(), font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_CALCRECT);
    return r.right - r.left;
}

HFONT TFitFont::Fit(const TFont& font, const std::string& text, int width, UINT format) {
    height_ = font.Height();
    int full = TextWidth(font.Handle(), text, format);
    if (full <= width || width <= 0 || font.Height() >= 0) return font.Handle();
    small_.Assign(font);
    // Start from the proportional guess and step down: faces do not scale
    // their widths exactly with the height (hinting, raster sizes).
    int chars = -font.Height();
    int h = chars * width / full;
    if (h >= chars) h = chars - 1;
    const int kSmallest = 6;
    for (; h > kSmallest; --h) {
        small_.SetHeight(-h);
        if (TextWidth(small_.Handle(), text, format) <= width) break;
    }
    if (h < kSmallest) h = kSmallest;
    small_.SetHeight(-h);
    height_ = -h;
    return small_.Handle();
}
