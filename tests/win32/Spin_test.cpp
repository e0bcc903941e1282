// The spin button with real windows and messages: its layout, glyphs, the
// press-hold-release cycle on both arrows with repeat ticks, errors raised
// by the click handlers, the keys and the focus rectangle, and its painting.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"
#include "widgets/Spin.h"

namespace {

using Clock = std::chrono::steady_clock;

class TSpinTestFrm : public TForm {
public:
    explicit TSpinTestFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TSpinTestFrm"; }
    std::vector<std::string> clicks;  // "MonthSelUp", "KeySelDown", ...
    std::vector<long> times;          // milliseconds since `start`
    Clock::time_point start = Clock::now();
    bool throwing = false;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        for (std::string name : {"MonthSelUp", "MonthSelDown", "KeySelUp", "KeySelDown"})
            h.Add<void(TComponent*)>(name + "Click", [this, name](TComponent* sender) {
                EXPECT_EQ(FindComponent(name.substr(0, name.find("Sel") + 3)), sender);
                clicks.push_back(name);
                times.push_back(static_cast<long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count()));
                if (throwing) throw Exception("Month out of range");
            });
    }
};

std::string Description() {
    return "TSpinTestFrm SpinTestFrm { Left = 100 Top = 100 ClientWidth = 200 ClientHeight = 160\n"
           "  Caption = \"Spin test\" BorderStyle = bsSingle PixelsPerInch = " +
           std::to_string(ScreenPixelsPerInch()) +
           "\n"
           "  TSpinButton MonthSel { Left = 20 Top = 10 Width = 25 Height = 119 TabOrder = 1\n"
           "    Hint = \"Select Month for alarm.\" UpGlyph = \"MONTHSELUP\" DownGlyph = \"MONTHSELDOWN\"\n"
           "    OnUpClick = MonthSelUpClick OnDownClick = MonthSelDownClick }\n"
           "  TSpinButton KeySel { Left = 80 Top = 10 Width = 10 Height = 25 TabStop = true TabOrder = 2\n"
           "    OnUpClick = KeySelUpClick OnDownClick = KeySelDownClick }\n"
           "  TSpinButton OtherSel { Left = 120 Top = 10 TabStop = true TabOrder = 3 }\n"
           "}\n";
}

struct SpinTest : testing::Test {
    TSpinTestFrm* form = new TSpinTestFrm(Application);
    TSpinButton *month = nullptr, *keys = nullptr, *other = nullptr;

    void SetUp() override {
        form->InitializeFromText(Description(), "SpinTest.form");
        month = form->Find<TSpinButton>("MonthSel");
        keys = form->Find<TSpinButton>("KeySel");
        other = form->Find<TSpinButton>("OtherSel");
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override { delete form; }

    // Mouse messages in the spin button's client coordinates. The system
    // pointer is put there too, so that real moves agree with the test.
    static void Mouse(TSpinButton* s, UINT msg, int x, int y, WPARAM keys = MK_LBUTTON) {
        POINT p{x, y};
        ClientToScreen(s->Handle(), &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(s->Handle(), msg, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
    static void Tick(TTimerSpeedButton* arrow) {
        SendMessageA(arrow->RepeatTimer()->WindowHandle(), WM_TIMER, 1, 0);
    }
    static RECT Bounds(TControl* c) { return c->BoundsRect(); }
    size_t Count() const { return form->clicks.size(); }
};

void ExpectRect(const RECT& r, int left, int top, int width, int height) {
    EXPECT_EQ(left, r.left);
    EXPECT_EQ(top, r.top);
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(height, r.bottom - r.top);
}

TEST_F(SpinTest, ArrowsSplitTheHeightOverlapOneRowAndTheWidthIsAtLeast15) {
    ExpectRect(Bounds(month->UpButton()), 0, 0, 25, 59);  // the main window's size
    ExpectRect(Bounds(month->DownButton()), 0, 58, 25, 61);
    RECT client;
    GetClientRect(keys->Handle(), &client);  // read at width 10
    EXPECT_EQ(15, client.right);
    ExpectRect(Bounds(keys->UpButton()), 0, 0, 15, 12);
    ExpectRect(Bounds(keys->DownButton()), 0, 11, 15, 14);
    ExpectRect(Bounds(other), 120, 10, 20, 25);  // the default size

    keys->SetBounds(80, 10, 7, 41);
    EXPECT_EQ(15, keys->Width());
    ExpectRect(Bounds(keys->DownButton()), 0, 19, 15, 22);
    SetWindowPos(keys->Handle(), nullptr, 0, 0, 12, 30, SWP_NOMOVE | SWP_NOZORDER);  // from outside
    GetClientRect(keys->Handle(), &client);
    EXPECT_EQ(15, client.right);
    ExpectRect(Bounds(keys->UpButton()), 0, 0, 15, 15);
    month->ScaleBy(120, 96);  // another resolution: the layout, not scaled arrows
    ExpectRect(Bounds(month->UpButton()), 0, 0, 31, 74);
    ExpectRect(Bounds(month->DownButton()), 0, 73, 31, 76);
}

TEST_F(SpinTest, GlyphsAreCopiesWithTheirImageCountAndNoneMeansTheBuiltInArrow) {
    BITMAP bm{};
    GetObjectA(other->UpGlyph(), sizeof bm, &bm);
    EXPECT_EQ(9, bm.bmWidth);
    EXPECT_EQ(6, bm.bmHeight);
    EXPECT_EQ(RGB(128, 128, 0), other->UpButton()->TransparentColor());
    EXPECT_EQ(RGB(128, 128, 0), other->DownButton()->TransparentColor());

    TTimerSpeedButton* up = month->UpButton();
    for (auto [width, count] : {std::pair{36, 4}, {45, 4}, {20, 4}, {18, 2}}) {
        HBITMAP b = CreateBitmap(width, 9, 1, 32, nullptr);
        month->SetUpGlyph(b);
        DeleteObject(b);  // the button holds its own copy
        EXPECT_EQ(count, up->NumGlyphs()) << width;
        EXPECT_TRUE(GetObjectA(month->UpGlyph(), sizeof bm, &bm));
        EXPECT_EQ(width, bm.bmWidth);
    }
    HBITMAP held = month->UpGlyph();
    month->SetUpGlyph(held);  // the value it holds: nothing happens
    EXPECT_EQ(held, month->UpGlyph());
    month->SetUpGlyph(nullptr);
    EXPECT_EQ(1, up->NumGlyphs());
    GetObjectA(month->UpGlyph(), sizeof bm, &bm);
    EXPECT_EQ(9, bm.bmWidth);
    EXPECT_EQ(RGB(128, 128, 0), up->TransparentColor());
}

TEST_F(SpinTest, AShortClickGivesOneClickAtTheRelease) {
    TTimerSpeedButton* up = month->UpButton();
    Mouse(month, WM_LBUTTONDOWN, 12, 20);
    EXPECT_EQ(0u, Count());
    EXPECT_EQ(month->Handle(), GetCapture());
    EXPECT_EQ(TButtonState::bsDown, up->State());
    EXPECT_TRUE(up->Dragging());
    ASSERT_NE(nullptr, up->RepeatTimer());
    EXPECT_TRUE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(400u, up->RepeatTimer()->Interval());
    Mouse(month, WM_LBUTTONUP, 12, 20, 0);
    EXPECT_EQ(std::vector<std::string>{"MonthSelUp"}, form->clicks);
    EXPECT_EQ(TButtonState::bsUp, up->State());
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(nullptr, month->DownButton()->RepeatTimer());
}

TEST_F(SpinTest, HoldingRepeatsOnlyWhileThePointerIsOnTheArrow) {
    TTimerSpeedButton* down = month->DownButton();
    Mouse(month, WM_LBUTTONDOWN, 12, 100);
    Tick(down);
    EXPECT_EQ(100u, down->RepeatTimer()->Interval());
    Tick(down);
    Tick(down);
    EXPECT_EQ(3u, Count());
    Mouse(month, WM_MOUSEMOVE, 30, 100);  // off the arrow
    EXPECT_EQ(TButtonState::bsUp, down->State());
    Tick(down);
    EXPECT_EQ(3u, Count());
    Mouse(month, WM_MOUSEMOVE, 24, 119);  // its last column and the row below
    EXPECT_EQ(TButtonState::bsDown, down->State());
    Tick(down);
    EXPECT_EQ(4u, Count());
    Mouse(month, WM_LBUTTONUP, 12, 130, 0);  // released off: no last click
    EXPECT_EQ(std::vector<std::string>(4, "MonthSelDown"), form->clicks);
    EXPECT_FALSE(down->RepeatTimer()->Enabled());
}

TEST_F(SpinTest, RealTicksComeAfter400MsThenEvery100Ms) {
    form->start = Clock::now();
    Mouse(month, WM_LBUTTONDOWN, 12, 20);
    while (Clock::now() - form->start < std::chrono::milliseconds(1050)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Application->ProcessMessages();
    }
    const size_t held = Count();
    Mouse(month, WM_LBUTTONUP, 12, 20, 0);
    ASSERT_GE(held, 4u);  // about 400, 500, ..., 1000 ms
    EXPECT_LE(held, 7u);
    EXPECT_GE(form->times[0], 390);
    EXPECT_LE(form->times[0], 700);
    for (size_t i = 1; i < held; ++i) EXPECT_GE(form->times[i] - form->times[i - 1], 80) << i;
    EXPECT_EQ(held + 1, Count());  // and one at the release
}

TEST_F(SpinTest, ARightPressRunsTheTimerButNeverClicks) {
    TTimerSpeedButton* up = month->UpButton();
    Mouse(month, WM_RBUTTONDOWN, 12, 20, MK_RBUTTON);
    EXPECT_EQ(TButtonState::bsUp, up->State());
    EXPECT_TRUE(up->RepeatTimer()->Enabled());
    Tick(up);
    Mouse(month, WM_RBUTTONUP, 12, 20, 0);
    EXPECT_EQ(0u, Count());
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
}

TEST_F(SpinTest, LosingTheCaptureEndsThePressWithoutClicks) {
    TTimerSpeedButton* up = month->UpButton();
    Mouse(month, WM_LBUTTONDOWN, 12, 20);
    SetCapture(other->Handle());  // as a modal window or another control would
    EXPECT_EQ(TButtonState::bsUp, up->State());
    EXPECT_FALSE(up->Dragging());
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    Tick(up);
    ReleaseCapture();
    Mouse(month, WM_LBUTTONUP, 12, 20, 0);
    EXPECT_EQ(0u, Count());
}

struct ReportedErrors {
    std::vector<std::pair<TComponent*, std::string>> list;
    ReportedErrors() {
        Application->OnException = [this](TComponent* s, const std::exception& e) { list.emplace_back(s, e.what()); };
    }
    ~ReportedErrors() { Application->OnException = nullptr; }
};

TEST_F(SpinTest, AHandlerErrorDuringRepeatIsReportedOnceAndStopsTheRepeats) {
    ReportedErrors errors;
    form->throwing = true;
    TTimerSpeedButton* up = month->UpButton();
    Mouse(month, WM_LBUTTONDOWN, 12, 20);
    Tick(up);
    ASSERT_EQ(1u, errors.list.size());
    EXPECT_EQ(up->RepeatTimer(), errors.list[0].first);
    EXPECT_EQ("Month out of range", errors.list[0].second);
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(nullptr, GetCapture());  // the report ended the capture
    const auto until = Clock::now() + std::chrono::milliseconds(600);
    while (Clock::now() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Application->ProcessMessages();
    }
    Mouse(month, WM_LBUTTONUP, 12, 20, 0);
    EXPECT_EQ(1u, errors.list.size());
    EXPECT_EQ(1u, Count());

    // An error from the click at the release: reported, and the timer stops.
    Mouse(month, WM_LBUTTONDOWN, 12, 20);
    Mouse(month, WM_LBUTTONUP, 12, 20, 0);
    EXPECT_EQ(2u, errors.list.size());
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
}

TEST_F(SpinTest, KeysClickTheirArrowAndMoveTheFocusRectangle) {
    EXPECT_EQ(DLGC_WANTARROWS, SendMessageA(keys->Handle(), WM_GETDLGCODE, 0, 0));
    keys->SetFocus();
    EXPECT_TRUE(keys->UpButton()->Flags() & TTimerSpeedButton::FocusShown);
    auto press = [&](WPARAM key) {
        PostMessageA(keys->Handle(), WM_KEYDOWN, key, 1);  // through the form's dialog keys
        Application->ProcessMessages();
    };
    press(VK_DOWN);
    press(VK_SPACE);
    EXPECT_EQ(keys->DownButton(), keys->FocusedButton());
    EXPECT_TRUE(keys->DownButton()->Flags() & TTimerSpeedButton::FocusShown);
    EXPECT_FALSE(keys->UpButton()->Flags() & TTimerSpeedButton::FocusShown);
    press(VK_UP);
    press(VK_LEFT);
    press('A');
    EXPECT_EQ((std::vector<std::string>{"KeySelDown", "KeySelDown", "KeySelUp"}), form->clicks);
    press(VK_TAB);  // Tab still moves on
    EXPECT_EQ(other->Handle(), GetFocus());
    EXPECT_FALSE(keys->UpButton()->Flags() & TTimerSpeedButton::FocusShown);
    EXPECT_TRUE(other->UpButton()->Flags() & TTimerSpeedButton::FocusShown);
}

TEST_F(SpinTest, APressFocusesOnlyATabStopOrTheFocusControl) {
    keys->SetFocus();
    Mouse(month, WM_LBUTTONDOWN, 12, 100);  // TabStop False, as in the main window
    Mouse(month, WM_LBUTTONUP, 12, 100, 0);
    EXPECT_EQ(keys->Handle(), GetFocus());
    EXPECT_EQ(month->UpButton(), month->FocusedButton());
    EXPECT_FALSE((month->UpButton()->Flags() | month->DownButton()->Flags()) & TTimerSpeedButton::FocusShown);

    Mouse(other, WM_LBUTTONDOWN, 10, 20);
    EXPECT_EQ(other->Handle(), GetFocus());
    EXPECT_TRUE(other->DownButton()->Flags() & TTimerSpeedButton::FocusShown);
    Mouse(other, WM_LBUTTONUP, 10, 20, 0);

    month->SetFocusControl(keys);
    Mouse(month, WM_LBUTTONDOWN, 12, 20);
    Mouse(month, WM_LBUTTONUP, 12, 20, 0);
    EXPECT_EQ(keys->Handle(), GetFocus());

    month->SetEnabled(false);  // blocks input, the arrows stay drawn enabled
    EXPECT_FALSE(IsWindowEnabled(month->Handle()));
    EXPECT_TRUE(month->UpButton()->Enabled());
    EXPECT_EQ(TButtonState::bsUp, month->UpButton()->State());
}

// Paints an arrow of `spin` on a white 32-bit bitmap of the spin's size.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    explicit Canvas(TSpinButton* spin) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), spin->Width(), -spin->Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, spin->Width(), spin->Height(), WHITENESS);
    }
    ~Canvas() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

TEST_F(SpinTest, PaintsOpaqueFacesWithTheGlyphCentredAndTheFocusRectangle) {
    other->SetFocus();
    Canvas erased(keys);
    EXPECT_EQ(1, SendMessageA(keys->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.dc), 0));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(erased.dc, 7, 4));  // no background of its own

    // Up arrow 15 x 12: the 9 x 6 glyph at (3, 3), its apex at column 4 of row 1.
    Canvas up(keys), pressed(keys), focused(keys);
    keys->UpButton()->Paint(up.dc);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(up.dc, 7, 4));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(up.dc, 6, 4));  // transparent olive
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(up.dc, 3, 3));
    Mouse(keys, WM_LBUTTONDOWN, 7, 6);
    keys->UpButton()->Paint(pressed.dc);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(pressed.dc, 8, 5));  // one pixel right and down
    EXPECT_NE(RGB(0, 0, 0), GetPixel(pressed.dc, 7, 4));
    Mouse(keys, WM_LBUTTONUP, 7, 6, 0);
    ASSERT_TRUE(keys->Focused());
    keys->UpButton()->Paint(focused.dc);
    int changed = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 15; ++x) {
            if (GetPixel(up.dc, x, y) == GetPixel(focused.dc, x, y)) continue;
            ++changed;
            EXPECT_TRUE(x == 3 || x == 11 || y == 3 || y == 8) << x << "," << y;  // 3 pixels inside
        }
    EXPECT_GT(changed, 4);
}

}  // namespace
