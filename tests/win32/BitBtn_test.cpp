// Bitmap buttons with real windows: the glyph's images as drawn on screen,
// the pressed look, clicks from mouse, Enter and access keys.
#include "win32/StdCtrlsFixture.h"

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF transparent = 0;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The pixels of a bitmap resource.
Image LoadGlyphPixels(const char* name) {
    Image img;
    auto* b = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, 0));
    if (!b) return img;
    BITMAP bm{};
    GetObjectA(b, sizeof bm, &bm);
    img.width = bm.bmWidth;
    img.height = bm.bmHeight;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, b);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) img.pixels.push_back(GetPixel(dc, x, y));
    img.transparent = GetPixel(dc, 0, img.height - 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(b);
    return img;
}

// Where image number index (16 x 16) of the glyph shows in the capture,
// matching every pixel that is not transparent; {-1, -1} when nowhere.
POINT FindImage(const Capture& shot, const Image& glyph, int index) {
    const int size = glyph.height;
    for (int oy = 0; oy + size <= shot.height; ++oy)
        for (int ox = 0; ox + size <= shot.width; ++ox) {
            bool match = true;
            for (int y = 0; y < size && match; ++y)
                for (int x = 0; x < size && match; ++x) {
                    COLORREF g = glyph.At(index * size + x, y);
                    if (g != glyph.transparent && g != shot.At(ox + x, oy + y)) match = false;
                }
            if (match) return POINT{ox, oy};
        }
    return POINT{-1, -1};
}

TEST(BitBtn, DrawsTheNormalImageLeftOfTheCaptionWithTheTransparentColourLeftOut) {
    TStdFrm* form = MakeStdForm();
    auto* btn = form->Find<TBitBtn>("SetBtn");
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongPtrA(btn->Handle(), GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(2, btn->NumGlyphs());
    Image glyph = LoadGlyphPixels("SETBTNGLYPH");
    ASSERT_EQ(32, glyph.width);

    Capture shot = CaptureClient(btn->Handle());
    POINT at = FindImage(shot, glyph, 0);
    ASSERT_GE(at.x, 0) << "normal image not drawn";
    EXPECT_LT(at.x + 16, shot.width / 2);  // left of the middle, the caption to its right
    // The transparent pixel takes the button's face, not the glyph's colour.
    EXPECT_NE(glyph.transparent, shot.At(at.x, at.y + 15));

    // Pressed: the same image one pixel down and to the right.
    SendMessageA(btn->Handle(), BM_SETSTATE, TRUE, 0);
    Capture pressed = CaptureClient(btn->Handle());
    POINT down = FindImage(pressed, glyph, 0);
    EXPECT_EQ(at.x + 1, down.x);
    EXPECT_EQ(at.y + 1, down.y);
    SendMessageA(btn->Handle(), BM_SETSTATE, FALSE, 0);
    delete form;
}

TEST(BitBtn, ADisabledButtonDrawsTheDisabledImage) {
    TStdFrm* form = MakeStdForm();
    form->Find<TTabbedNotebook>("ControlsNbk")->SetPageIndex(1);
    auto* btn = form->Find<TBitBtn>("FindWavBtn");
    Image glyph = LoadGlyphPixels("FINDFILEGLYPH");
    Capture shot = CaptureClient(btn->Handle());
    EXPECT_GE(FindImage(shot, glyph, 1).x, 0) << "disabled image not drawn";
    EXPECT_LT(FindImage(shot, glyph, 0).x, 0) << "normal image drawn while disabled";

    btn->SetEnabled(true);
    shot = CaptureClient(btn->Handle());
    EXPECT_GE(FindImage(shot, glyph, 0).x, 0) << "normal image not drawn once enabled";

    // A glyph alone sits in the middle.
    auto* run = form->Find<TBitBtn>("RunBtn");
    Image runGlyph = LoadGlyphPixels("RUNBTNGLYPH");
    shot = CaptureClient(run->Handle());
    POINT at = FindImage(shot, runGlyph, 0);
    ASSERT_GE(at.x, 0);
    EXPECT_NEAR((shot.width - 16) / 2, at.x, 1);
    HoldForScreenshot();
    delete form;
}

TEST(BitBtn, AGlyphWithoutADisabledImageIsDrawnEmbossed) {
    TStdFrm* form = MakeStdForm();
    form->Find<TTabbedNotebook>("ControlsNbk")->SetPageIndex(1);
    auto* btn = form->Find<TBitBtn>("FindExeBtn");
    btn->SetNumGlyphs(1);  // the whole bitmap is one image now
    btn->SetEnabled(false);
    Capture shot = CaptureClient(btn->Handle());
    Image glyph = LoadGlyphPixels("FINDFILEGLYPH");
    EXPECT_LT(FindImage(shot, glyph, 0).x, 0) << "normal image drawn while disabled";
    // The embossed shape: shadow pixels that come with the glyph (its
    // highlight may be the face colour itself under a visual style).
    auto count = [](const Capture& c, int colour) {
        int n = 0;
        for (COLORREF p : c.pixels) n += p == GetSysColor(colour);
        return n;
    };
    btn->Glyph().Assign(nullptr);
    Capture bare = CaptureClient(btn->Handle());
    EXPECT_GT(count(shot, COLOR_BTNSHADOW), count(bare, COLOR_BTNSHADOW) + 10);
    HoldForScreenshot();
    delete form;
}

TEST(BitBtn, ClicksFromMouseDoubleClickEnterAndAccessKey) {
    std::string text = kStdFormText;
    text.replace(text.find("Caption = \"Set !\""), 17, "Caption = \"&Set !\" Default = true");
    TStdFrm* form = MakeStdForm(text.c_str());
    auto* btn = form->Find<TBitBtn>("SetBtn");
    EXPECT_EQ(btn, form->DefaultControl);
    EXPECT_TRUE(SendMessageA(btn->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);

    SendMessageA(btn->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, form->buttonClicks);

    // A quick second press is a second click, not a lost double click.
    LPARAM p = MAKELPARAM(10, 10);
    SendMessageA(btn->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, p);
    SendMessageA(btn->Handle(), WM_LBUTTONUP, 0, p);
    SendMessageA(btn->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, p);
    SendMessageA(btn->Handle(), WM_LBUTTONUP, 0, p);
    EXPECT_EQ(3, form->buttonClicks);

    // Enter in the edit box presses the default button.
    auto* edit = form->Find<TEdit>("CurrentEdt");
    edit->SetFocus();
    PostMessageA(edit->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    EXPECT_EQ(4, form->buttonClicks);

    // The access key of the caption.
    PostMessageA(edit->Handle(), WM_SYSCHAR, 's', 0x20000001);
    Pump();
    EXPECT_EQ(5, form->buttonClicks);

    // Enter on another focused button presses that one, not the default.
    auto* cancel = form->Find<TBitBtn>("CancelBtn");
    int cancelClicks = 0;
    cancel->OnClick = [&](TComponent*) { ++cancelClicks; };
    cancel->SetFocus();
    EXPECT_TRUE(SendMessageA(cancel->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    PostMessageA(cancel->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    EXPECT_EQ(1, cancelClicks);
    EXPECT_EQ(5, form->buttonClicks);
    delete form;
}

}  // namespace
