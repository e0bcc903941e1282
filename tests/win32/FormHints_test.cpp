// Hints with real windows: one tool tip per form with its timing and
// colour, the text each control gets, and the tip itself after the pointer
// rests on an enabled and on a disabled control.
#include "win32/StdCtrlsFixture.h"

#include <commctrl.h>

#include "toolkit/FormHints.h"

namespace {

std::string TipText(HWND tip) {
    char buf[256] = {};
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.lpszText = buf;
    // The tool that shows now, with the text it showed.
    if (!SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&ti))) return std::string();
    char text[256] = {};
    SendMessageA(tip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Rests the pointer on the middle of the window and waits for the tip.
std::string HoverAndReadTip(HWND target, HWND tip) {
    RECT r;
    GetWindowRect(target, &r);
    SetCursorPos((r.left + r.right) / 2 - 3, (r.top + r.bottom) / 2);
    PumpFor(60);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    for (int i = 0; i < 100 && !IsWindowVisible(tip); ++i) PumpFor(20);
    return IsWindowVisible(tip) ? TipText(tip) : std::string();
}

TEST(FormHints, OneToolTipPerFormWithItsTimingAndColour) {
    TStdFrm* form = MakeStdForm();
    TFormHints* hints = TFormHints::Install(*form);
    EXPECT_EQ(hints, TFormHints::Install(*form));  // installed once
    EXPECT_EQ(hints, TFormHints::Of(*form));
    HWND tip = hints->Handle();
    char cls[32];
    GetClassNameA(tip, cls, sizeof cls);
    EXPECT_STREQ(TOOLTIPS_CLASSA, cls);
    EXPECT_EQ(form->Handle(), GetWindow(tip, GW_OWNER));
    EXPECT_EQ(500, SendMessageA(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    EXPECT_EQ(50, SendMessageA(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0));
    EXPECT_EQ(2500, SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)));
    // Every control with a hint has a tool (windowed ones also an area for
    // while they are disabled).
    EXPECT_GE(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 14);
    delete form;
}

TEST(FormHints, TheTextFollowsShowHintVisibilityAndTheCurrentPage) {
    TStdFrm* form = MakeStdForm();
    TFormHints* hints = TFormHints::Install(*form);
    auto* hour = form->Find<TTrackBar>("HourBar");
    auto* track = form->Find<TTrackBar>("StartingTrackBar");
    EXPECT_EQ("Select hour for alarm.", hints->HintFor(*hour));
    EXPECT_EQ("", hints->HintFor(*track));  // its page does not show
    form->Find<TTabbedNotebook>("ControlsNbk")->SetPageIndex(1);
    EXPECT_EQ("Select starting track.", hints->HintFor(*track));  // disabled, still hinted
    EXPECT_EQ("", hints->HintFor(*hour));

    form->SetShowHint(false);
    EXPECT_EQ("", hints->HintFor(*track));
    track->SetShowHint(true);  // its own switch wins
    EXPECT_EQ("Select starting track.", hints->HintFor(*track));

    // What the tool tip is told when it asks, as for a real tool.
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = hints->Handle();
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(track->Handle());
    info.hdr.code = TTN_GETDISPINFOA;
    info.uFlags = TTF_IDISHWND;
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Select starting track.", info.lpszText);
    delete form;
}

TEST(FormHints, AGraphicControlInAGroupBoxIsAnAreaOfTheWindowBeneath) {
    TStdFrm* form = MakeStdForm();
    HWND tip = TFormHints::Install(*form)->Handle();
    auto* label = form->Find<TLabel>("Label2");
    auto* group = form->Find<TGroupBox>("SettingsGrp");
    // The group box lets the mouse through: the page gets it.
    HWND page = form->Find<TTabbedNotebook>("ControlsNbk")->Page(0)->Handle();
    RECT expected = label->BoundsRect();
    OffsetRect(&expected, group->Left(), group->Top());
    bool found = false;
    for (int i = 0, n = static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0)); i < n; ++i) {
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        SendMessageA(tip, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ti));
        if (ti.hwnd == page && EqualRect(&ti.rect, &expected)) found = true;
    }
    EXPECT_TRUE(found);
    EXPECT_EQ("The hour.", TFormHints::Of(*form)->HintFor(*label));
    delete form;
}

TEST(FormHints, TheTipAppearsWhenThePointerRestsOnAControl) {
    TStdFrm* form = MakeStdForm();
    HWND tip = TFormHints::Install(*form)->Handle();
    auto* hour = form->Find<TTrackBar>("HourBar");
    SetCursorPos(5, 5);
    POINT p{};
    if (!GetCursorPos(&p) || p.x != 5 || p.y != 5) GTEST_SKIP() << "no pointer on this display";
    EXPECT_EQ("Select hour for alarm.", HoverAndReadTip(hour->Handle(), tip));

    // A disabled control shows its hint too.
    SetCursorPos(0, 0);
    PumpFor(100);
    form->Find<TTabbedNotebook>("ControlsNbk")->SetPageIndex(1);
    auto* track = form->Find<TTrackBar>("StartingTrackBar");
    EXPECT_EQ("Select starting track.", HoverAndReadTip(track->Handle(), tip));
    HoldForScreenshot();
    delete form;
}

}  // namespace
