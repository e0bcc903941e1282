// Labels and images, painted into a bitmap as their parent would paint them:
// background or transparency, alignment, access letters, automatic size,
// pictures from resources at their size, centred or stretched.
#include <gtest/gtest.h>

#include <string>

#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"

namespace {

const COLORREF kUnpainted = RGB(1, 2, 3);

class TGraphicFrm : public TForm {
public:
    explicit TGraphicFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TGraphicFrm"; }
};

TGraphicFrm* MakeForm(const std::string& children) {
    auto* f = new TGraphicFrm(Application);
    f->InitializeFromText("TGraphicFrm GraphicFrm { ClientWidth = 400 ClientHeight = 300 Color = clWhite\n" +
                              children + "}\n",
                          "Graphic.form");
    return f;
}

// A 400 x 300 canvas filled with a colour no control paints.
class Canvas {
public:
    Canvas() {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, 400, 300);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, 400, 300};
        HBRUSH b = CreateSolidBrush(kUnpainted);
        FillRect(dc_, &all, b);
        DeleteObject(b);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    // Columns of r that hold a pixel of colour c, leftmost and rightmost.
    std::pair<int, int> ColumnsWith(const RECT& r, COLORREF c) const {
        int first = -1, last = -1;
        for (int x = r.left; x < r.right; ++x)
            for (int y = r.top; y < r.bottom; ++y)
                if (at(x, y) == c) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST(Label, PaintsItsBackgroundUnlessTransparentAndAlignsItsText) {
    TGraphicFrm* f = MakeForm(
        "TLabel Left1 { Left = 10 Top = 10 Width = 200 Height = 20 Caption = \"Hour:\" Font.Color = clBlack }\n"
        "TLabel Right1 { Left = 10 Top = 40 Width = 200 Height = 20 Caption = \"Hour:\" Font.Color = clBlack\n"
        "  Alignment = taRightJustify Transparent = true }\n");
    auto* left = f->Find<TLabel>("Left1");
    auto* right = f->Find<TLabel>("Right1");
    EXPECT_TRUE(right->Transparent());
    Canvas c;
    left->Paint(c.dc());
    right->Paint(c.dc());
    EXPECT_EQ(RGB(255, 255, 255), c.at(209, 29));  // the form's colour behind the opaque one
    EXPECT_EQ(kUnpainted, c.at(11, 41));            // nothing behind the transparent one
    auto l = c.ColumnsWith(left->BoundsRect(), RGB(0, 0, 0));
    auto r = c.ColumnsWith(right->BoundsRect(), RGB(0, 0, 0));
    EXPECT_LT(l.first, 15);
    EXPECT_LT(l.second, 110);
    EXPECT_GT(r.first, 110);
    EXPECT_GT(r.second, 200);

    // Disabled: the engraved look, not the font's colour.
    left->SetEnabled(false);
    Canvas d;
    left->Paint(d.dc());
    EXPECT_EQ(-1, d.ColumnsWith(left->BoundsRect(), RGB(0, 0, 0)).first);
    EXPECT_NE(-1, d.ColumnsWith(left->BoundsRect(), GetSysColor(COLOR_BTNSHADOW)).first);
    delete f;
}

TEST(Label, AutoSizeFitsTheTextWithOrWithoutAccessLetters) {
    TGraphicFrm* f = MakeForm(
        "TLabel Amp { Left = 10 Top = 10 Caption = \"Tom && Jerry\" AutoSize = true }\n"
        "TLabel Raw { Left = 10 Top = 40 Caption = \"Tom && Jerry\" AutoSize = true ShowAccelChar = false }\n"
        "TLabel Wrap { Left = 10 Top = 70 Width = 60 Caption = \"one two three four\" AutoSize = true\n"
        "  WordWrap = true }\n");
    auto* amp = f->Find<TLabel>("Amp");
    auto* raw = f->Find<TLabel>("Raw");
    auto* wrap = f->Find<TLabel>("Wrap");
    EXPECT_GT(raw->Width(), amp->Width());  // "&&" is one "&" with access letters on, two without
    EXPECT_EQ(amp->Height(), raw->Height());
    EXPECT_LE(wrap->Width(), 60);
    EXPECT_GE(wrap->Height(), 2 * amp->Height());
    EXPECT_TRUE(raw->DrawTextFlags() & DT_NOPREFIX);
    EXPECT_TRUE(wrap->DrawTextFlags() & DT_WORDBREAK);

    const int oneLine = amp->Height();
    amp->SetCaption("");
    EXPECT_EQ(oneLine, amp->Height());  // an empty label keeps a line's height
    amp->SetCaption("A much longer caption than before");
    EXPECT_GT(amp->Width(), raw->Width());
    delete f;
}

TEST(Image, ShowsAResourcePictureAtItsSizeCentredOrStretched) {
    TGraphicFrm* f = MakeForm(
        "TImage Plain { Left = 0 Top = 0 Width = 300 Height = 200 Picture = \"SPLASH\" }\n"
        "TImage Centred { Left = 0 Top = 0 Width = 300 Height = 200 Picture = \"SPLASH\" Center = true }\n"
        "TImage Stretched { Left = 0 Top = 0 Width = 120 Height = 60 Picture = \"SPLASH\" Stretch = true }\n");
    auto* plain = f->Find<TImage>("Plain");
    EXPECT_EQ("SPLASH", plain->Picture());
    EXPECT_EQ(240, plain->PictureSize().cx);
    EXPECT_EQ(180, plain->PictureSize().cy);
    {
        Canvas c;
        plain->Paint(c.dc());
        EXPECT_NE(kUnpainted, c.at(0, 0));
        EXPECT_NE(kUnpainted, c.at(239, 179));
        EXPECT_EQ(kUnpainted, c.at(240, 100));
        EXPECT_EQ(kUnpainted, c.at(100, 180));
    }
    {
        Canvas c;
        f->Find<TImage>("Centred")->Paint(c.dc());
        EXPECT_EQ(kUnpainted, c.at(29, 9));
        EXPECT_NE(kUnpainted, c.at(30, 10));
        EXPECT_NE(kUnpainted, c.at(269, 189));
        EXPECT_EQ(kUnpainted, c.at(270, 190));
    }
    {
        Canvas c;
        f->Find<TImage>("Stretched")->Paint(c.dc());
        EXPECT_NE(kUnpainted, c.at(119, 59));
        EXPECT_EQ(kUnpainted, c.at(120, 60));
    }
    // An icon is drawn too; an empty name clears the picture.
    plain->SetIcon(LoadIconA(nullptr, MAKEINTRESOURCEA(32513)));
    EXPECT_EQ("", plain->Picture());
    EXPECT_EQ(32, plain->PictureSize().cx);
    plain->SetPicture("SPLASH");
    plain->SetPicture("");
    EXPECT_EQ(nullptr, plain->Bitmap());
    EXPECT_THROW(plain->SetPicture("NOSUCHPICTURE"), EInvalidOperation);
    delete f;
}

TEST(Image, AnUnknownPictureInADescriptionNamesTheImage) {
    try {
        delete MakeForm("TImage SplashImg { Picture = \"NOSUCHPICTURE\" }\n");
        ADD_FAILURE() << "an unknown picture was accepted";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("SplashImg.Picture")) << e.what();
    }
}

}  // namespace
