// Button glyphs: a bitmap holding one to four images side by side (normal,
// disabled, pressed, down), drawn with the colour of its bottom-left pixel
// left transparent. A glyph without a disabled image is drawn embossed.
#pragma once

#include <windows.h>

#include <string>

class TGlyphImage {
public:
    enum Index { giNormal = 0, giDisabled = 1, giPressed = 2, giDown = 3 };

    TGlyphImage() = default;
    ~TGlyphImage();
    TGlyphImage(const TGlyphImage&) = delete;
    TGlyphImage& operator=(const TGlyphImage&) = delete;

    // Loads a bitmap resource of the program; false (and empty) when missing.
    bool LoadResource(const std::string& name);
    // Keeps a copy of the bitmap (null empties the glyph).
    void Assign(HBITMAP bitmap);
    bool Empty() const { return bitmap_ == nullptr; }
    HBITMAP Bitmap() const { return bitmap_; }

    // How many images the bitmap holds; set from its shape when loaded
    // (width a multiple of the height).
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);

    // The size of one image.
    SIZE ImageSize() const;
    COLORREF TransparentColor() const { return transparent_; }

    // Draws the image for the state at x, y; an image the bitmap lacks is
    // replaced by the normal one (embossed for a disabled state).
    void Draw(HDC dc, int x, int y, Index state) const;

private:
    void Adopt(HBITMAP bitmap);

    HBITMAP bitmap_ = nullptr;
    int numGlyphs_ = 1;
    COLORREF transparent_ = 0;
};
