// The speed button on a real form: mouse messages over graphic controls
// reach the topmost enabled one, which holds the capture through its parent
// until the release; the press, drag and click cycle; cancelled captures;
// the glyph and its disabled look.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/SpeedButton.h"

namespace {

class TButtonTestFrm : public TForm {
public:
    explicit TButtonTestFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TButtonTestFrm"; }
    std::vector<std::string> clicks;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        for (std::string name : {"Back", "Front"})
            h.Add<void(TComponent*)>(name + "Click", [this, name](TComponent*) { clicks.push_back(name); });
    }
};

const char kDescription[] =
    "TButtonTestFrm ButtonTestFrm { ClientWidth = 200 ClientHeight = 100 PixelsPerInch = 96\n"
    "  TSpeedButton Back { Left = 10 Top = 10 Width = 40 Height = 30 Glyph = \"SETBTNGLYPH\" NumGlyphs = 2\n"
    "    OnClick = BackClick }\n"
    "  TSpeedButton Front { Left = 40 Top = 10 Width = 40 Height = 30 OnClick = FrontClick }\n"
    "}\n";

struct SpeedButtonTest : testing::Test {
    TButtonTestFrm* form = new TButtonTestFrm(Application);
    TSpeedButton *back = nullptr, *front = nullptr;
    std::vector<std::pair<TMouseButton, TShiftState>> presses;

    void SetUp() override {
        form->InitializeFromText(kDescription, "ButtonTest.form");
        back = form->Find<TSpeedButton>("Back");
        front = form->Find<TSpeedButton>("Front");
        back->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState s, int x, int y) {
            presses.emplace_back(b, s);
            EXPECT_EQ(5, x);  // in the button's own coordinates
            EXPECT_EQ(6, y);
        };
        form->Show();
    }
    void TearDown() override { delete form; }
    void Mouse(UINT msg, int x, int y, WPARAM keys) {
        SendMessageA(form->Handle(), msg, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
};

TEST_F(SpeedButtonTest, APressHoldsTheCaptureAndClicksWhenReleasedOnTheButton) {
    Mouse(WM_LBUTTONDOWN, 15, 16, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(form->Handle(), GetCapture());
    EXPECT_EQ(back, form->MouseCaptureControl());
    EXPECT_EQ(TButtonState::bsDown, back->State());
    EXPECT_TRUE(back->Dragging());
    Mouse(WM_MOUSEMOVE, -20, 5, MK_LBUTTON);  // outside the form: still ours
    EXPECT_EQ(TButtonState::bsUp, back->State());
    Mouse(WM_MOUSEMOVE, 49, 40, MK_LBUTTON);  // last column, the row below
    EXPECT_EQ(TButtonState::bsDown, back->State());
    Mouse(WM_LBUTTONUP, 49, 40, 0);
    EXPECT_EQ(std::vector<std::string>{"Back"}, form->clicks);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_FALSE(back->Dragging());
    ASSERT_EQ(1u, presses.size());
    EXPECT_EQ(TMouseButton::mbLeft, presses[0].first);
    EXPECT_EQ(ssLeft | ssShift, presses[0].second);

    Mouse(WM_LBUTTONDBLCLK, 15, 16, MK_LBUTTON);  // a double click's second press
    Mouse(WM_LBUTTONUP, 100, 16, 0);              // released off the button
    EXPECT_EQ(1u, form->clicks.size());
    EXPECT_EQ(ssLeft | ssDouble, presses[1].second);
    EXPECT_EQ(TButtonState::bsUp, back->State());

    Mouse(WM_RBUTTONDOWN, 15, 16, MK_RBUTTON);  // other buttons only report
    EXPECT_EQ(TButtonState::bsUp, back->State());
    EXPECT_EQ(TMouseButton::mbRight, presses[2].first);
    Mouse(WM_RBUTTONUP, 15, 16, 0);
    EXPECT_EQ(1u, form->clicks.size());
}

TEST_F(SpeedButtonTest, TheTopmostEnabledVisibleButtonGetsThePress) {
    back->OnMouseDown = nullptr;
    Mouse(WM_LBUTTONDOWN, 45, 16, MK_LBUTTON);  // where both lie: the later one
    Mouse(WM_LBUTTONUP, 45, 16, 0);
    front->SetEnabled(false);
    EXPECT_EQ(TButtonState::bsDisabled, front->State());
    Mouse(WM_LBUTTONDOWN, 45, 16, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 45, 16, 0);
    back->SetVisible(false);
    Mouse(WM_LBUTTONDOWN, 45, 16, MK_LBUTTON);  // nothing there: no capture
    EXPECT_EQ(nullptr, GetCapture());
    Mouse(WM_LBUTTONUP, 45, 16, 0);
    EXPECT_EQ((std::vector<std::string>{"Front", "Back"}), form->clicks);
}

TEST_F(SpeedButtonTest, ACancelledCaptureOrAButtonFreedWhileHeldEndsThePress) {
    Mouse(WM_LBUTTONDOWN, 15, 16, MK_LBUTTON);
    SendMessageA(form->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(TButtonState::bsUp, back->State());
    EXPECT_FALSE(back->Dragging());
    Mouse(WM_LBUTTONUP, 15, 16, 0);
    EXPECT_TRUE(form->clicks.empty());

    Mouse(WM_LBUTTONDOWN, 15, 16, MK_LBUTTON);
    delete back;
    EXPECT_EQ(nullptr, form->MouseCaptureControl());
    EXPECT_EQ(nullptr, GetCapture());
    Mouse(WM_LBUTTONUP, 15, 16, 0);
    EXPECT_TRUE(form->clicks.empty());
}

TEST_F(SpeedButtonTest, TheGlyphIsACopyAndADisabledSingleImageIsEmbossed) {
    EXPECT_EQ(2, back->NumGlyphs());
    BITMAP bm{};
    ASSERT_TRUE(GetObjectA(back->Glyph(), sizeof bm, &bm));
    EXPECT_EQ(32, bm.bmWidth);

    // A one-image glyph: black square on red (its bottom-left pixel).
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP glyph = CreateBitmap(6, 6, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, glyph);
    RECT all{0, 0, 6, 6}, inner{2, 2, 4, 4};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, red);
    FillRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, old);
    front->SetGlyph(glyph);
    DeleteObject(glyph);
    DeleteObject(red);
    EXPECT_EQ(RGB(255, 0, 0), front->TransparentColor());

    // Paint into a bitmap of the form's client size; the glyph lands at (57, 22).
    HBITMAP canvas = CreateBitmap(200, 100, 1, 32, nullptr);
    old = SelectObject(dc, canvas);
    front->Paint(dc);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 59, 24));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(dc, 57, 22));
    front->SetEnabled(false);
    front->Paint(dc);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), GetPixel(dc, 59, 24));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), GetPixel(dc, 61, 26));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(dc, 57, 22));
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
}

}  // namespace
