// The standard controls with real windows: built from a description, the
// no-op property set, events from the user and from the program, colours,
// the memo's lines, the status bar, panels, bevels and group boxes.
#include "win32/StdCtrlsFixture.h"

#include <commctrl.h>

#include "toolkit/SpeedButton.h"

namespace {

TEST(StdCtrls, EachControlIsBuiltFromTheDescriptionWithItsProperties) {
    TStdFrm* form = MakeStdForm();

    auto* edit = form->Find<TEdit>("CurrentEdt");
    char cls[32];
    GetClassNameA(edit->Handle(), cls, sizeof cls);
    EXPECT_STREQ("Edit", cls);
    EXPECT_EQ("CurrentEdt", WindowText(edit->Handle()));
    EXPECT_EQ(41, edit->Height());  // no automatic height
    EXPECT_EQ(clWhite, edit->Color());

    auto* props = form->Find<TEdit>("PropertiesEdt");
    LONG_PTR style = GetWindowLongPtrA(props->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongPtrA(edit->Handle(), GWL_STYLE) & WS_TABSTOP);
    // Leaf controls are no control parents: the dialog keys stop on them.
    EXPECT_FALSE(GetWindowLongPtrA(edit->Handle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    auto* chk = form->Find<TCheckBox>("UseDailyChk");
    EXPECT_EQ(BS_AUTOCHECKBOX, GetWindowLongPtrA(chk->Handle(), GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ("Use Daily", WindowText(chk->Handle()));
    EXPECT_EQ(form->Find<TGroupBox>("GroupBox1")->Handle(), GetParent(chk->Handle()));

    auto* hour = form->Find<TTrackBar>("HourBar");
    EXPECT_EQ(23, SendMessageA(hour->Handle(), TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(0, SendMessageA(hour->Handle(), TBM_GETRANGEMIN, 0, 0));
    EXPECT_TRUE(GetWindowLongPtrA(hour->Handle(), GWL_STYLE) & TBS_BOTH);
    EXPECT_TRUE(GetWindowLongPtrA(hour->Handle(), GWL_STYLE) & TBS_AUTOTICKS);
    EXPECT_EQ(1, SendMessageA(hour->Handle(), TBM_GETLINESIZE, 0, 0));
    EXPECT_EQ(2, SendMessageA(hour->Handle(), TBM_GETPAGESIZE, 0, 0));
    // A tick at every hour, both ends included.
    EXPECT_EQ(24, SendMessageA(hour->Handle(), TBM_GETNUMTICS, 0, 0));

    // Position came before Min and Max in the description: not clamped early.
    auto* track = form->Find<TTrackBar>("StartingTrackBar");
    EXPECT_EQ(1, track->Position());
    EXPECT_EQ(1, track->Min());
    EXPECT_EQ(10, track->Max());
    EXPECT_FALSE(IsWindowEnabled(track->Handle()));

    auto* status = form->Find<TStatusBar>("StatusBar");
    EXPECT_TRUE(SendMessageA(status->Handle(), SB_ISSIMPLE, 0, 0));
    char text[128] = {};
    SendMessageA(status->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("Use Calendar + Sliders to set Time.  Click \"Set!\" Button to Activate.", text);
    RECT r;
    GetWindowRect(status->Handle(), &r);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(436, r.top);
    EXPECT_EQ(460, r.bottom);
    EXPECT_EQ(419, r.right - r.left);
    // Not resizable, so no size grip.
    EXPECT_FALSE(GetWindowLongPtrA(status->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);

    auto* bevel = form->Find<TBevel>("Bevel1");
    EXPECT_EQ(TBevelShape::bsTopLine, bevel->Shape());
    EXPECT_EQ(419, bevel->Width());

    auto* memo = form->Find<TMemo>("RemindersMmo");
    style = GetWindowLongPtrA(memo->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);

    EXPECT_EQ("Find File", form->Find<TOpenDialog>("OpenFileDlg")->Title());
    delete form;
}

TEST(StdCtrls, AnUnknownEnumerationValueNamesWhatWasExpected) {
    std::string text = kStdFormText;
    text.replace(text.find("TickMarks = tmBoth"), 18, "TickMarks = tmAll");
    auto* form = new TStdFrm(Application);
    try {
        form->InitializeFromText(text, "Std.form");
        ADD_FAILURE() << "no error";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string::npos, e.Message().find("HourBar.TickMarks")) << e.Message();
        EXPECT_NE(std::string::npos, e.Message().find("tick marks tmAll")) << e.Message();
    }
    delete form;
}

TEST(CheckBox, OnClickWhenTheStateChangesByProgramOrByUser) {
    TStdFrm* form = MakeStdForm();
    auto* chk = form->Find<TCheckBox>("UseDailyChk");
    EXPECT_EQ(0, form->dailyClicks);  // none while the description was read

    chk->SetChecked(false);  // the value it holds
    EXPECT_EQ(0, form->dailyClicks);
    chk->SetChecked(true);
    EXPECT_EQ(1, form->dailyClicks);
    EXPECT_EQ(BST_CHECKED, SendMessageA(chk->Handle(), BM_GETCHECK, 0, 0));
    chk->SetChecked(true);
    EXPECT_EQ(1, form->dailyClicks);

    // A real click toggles it back; the handler already sees the new state.
    SendMessageA(chk->Handle(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(2, form->dailyClicks);
    EXPECT_FALSE(chk->Checked());
    ASSERT_EQ(2u, form->dailyStates.size());
    EXPECT_TRUE(form->dailyStates[0]);
    EXPECT_FALSE(form->dailyStates[1]);

    // The space bar on the focused box.
    chk->SetFocus();
    SendMessageA(chk->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageA(chk->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    Pump();
    EXPECT_EQ(3, form->dailyClicks);
    EXPECT_TRUE(chk->Checked());
    delete form;
}

TEST(TrackBar, OnChangeOnlyFromTheUsersScrolling) {
    TStdFrm* form = MakeStdForm();
    auto* bar = form->Find<TTrackBar>("HourBar");

    bar->SetPosition(7);
    bar->SetMax(20);
    bar->SetMin(1);
    bar->SetPosition(7);
    Pump();
    EXPECT_EQ(0, form->hourChanges);
    EXPECT_EQ(7, SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0));

    // The keyboard: one line step and the end of the move, each a notification.
    bar->SetFocus();
    SendMessageA(bar->Handle(), WM_KEYDOWN, VK_RIGHT, 0x014D0001);
    SendMessageA(bar->Handle(), WM_KEYUP, VK_RIGHT, static_cast<LPARAM>(0xC14D0001u));
    Pump();
    EXPECT_GE(form->hourChanges, 1);
    EXPECT_EQ(8, bar->Position());

    // Every scroll notification the bar sends counts, as in a drag.
    int before = form->hourChanges;
    HWND parent = GetParent(bar->Handle());
    SendMessageA(bar->Handle(), TBM_SETPOS, TRUE, 12);
    SendMessageA(parent, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 12), reinterpret_cast<LPARAM>(bar->Handle()));
    SendMessageA(bar->Handle(), TBM_SETPOS, TRUE, 13);
    SendMessageA(parent, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 13), reinterpret_cast<LPARAM>(bar->Handle()));
    SendMessageA(parent, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(before + 3, form->hourChanges);
    EXPECT_EQ(13, bar->Position());
    delete form;
}

TEST(TrackBar, ANarrowedRangeClampsThePositionSilently) {
    TStdFrm* form = MakeStdForm();
    auto* bar = form->Find<TTrackBar>("StartingTrackBar");
    bar->SetEnabled(true);
    bar->SetPosition(9);
    bar->SetMax(4);
    EXPECT_EQ(4, bar->Position());
    EXPECT_EQ(4, SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0));
    bar->SetMax(12);
    EXPECT_EQ(4, bar->Position());
    EXPECT_EQ(12, SendMessageA(bar->Handle(), TBM_GETRANGEMAX, 0, 0));
    // A maximum below the minimum cannot leave an empty range.
    bar->SetMax(0);
    EXPECT_EQ(0, bar->Min());
    EXPECT_EQ(0, bar->Position());
    Pump();
    EXPECT_EQ(0, form->trackChanges);
    delete form;
}

TEST(Edit, OnChangeForTypedAndSetTextButNotForTheSameText) {
    TStdFrm* form = MakeStdForm();
    auto* edit = form->Find<TEdit>("CurrentEdt");
    EXPECT_EQ(0, form->currentChanges);

    edit->SetText("6/20/26 07:05");
    EXPECT_EQ(1, form->currentChanges);
    EXPECT_EQ("6/20/26 07:05", WindowText(edit->Handle()));
    edit->SetText("6/20/26 07:05");
    EXPECT_EQ(1, form->currentChanges);

    // Typed at the end.
    edit->SetFocus();
    SendMessageA(edit->Handle(), EM_SETSEL, 100, 100);
    SendMessageA(edit->Handle(), WM_CHAR, '9', 1);
    EXPECT_EQ(2, form->currentChanges);
    EXPECT_EQ("6/20/26 07:059", edit->GetText());
    SendMessageA(edit->Handle(), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(3, form->currentChanges);
    EXPECT_EQ("6/20/26 07:05", edit->GetText());
    ASSERT_EQ(3u, form->currentTexts.size());
    EXPECT_EQ("6/20/26 07:059", form->currentTexts[1]);

    // Set from outside the object, as another program would.
    SendMessageA(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("07:05"));
    EXPECT_EQ(4, form->currentChanges);
    EXPECT_EQ("07:05", edit->GetText());
    delete form;
}

TEST(Edit, KeepsItsColourWhenDisabledOrReadOnly) {
    TStdFrm* form = MakeStdForm();
    auto* edit = form->Find<TEdit>("CurrentEdt");
    // A point inside the box, left of the text's end and below its glyphs.
    EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(edit->Handle(), edit->Width() - 10, 2));
    edit->SetColor(clAqua);
    edit->SetEnabled(false);
    EXPECT_EQ(RGB(0, 255, 255), ScreenPixel(edit->Handle(), edit->Width() - 10, 2));
    auto* props = form->Find<TEdit>("PropertiesEdt");
    props->SetColor(clAqua);
    EXPECT_EQ(RGB(0, 255, 255), ScreenPixel(props->Handle(), props->Width() - 10, 2));
    delete form;
}

TEST(Edit, OnlyAnAutoSizedBoxFitsItsHeightToANewFont) {
    TStdFrm* form = MakeStdForm();
    auto* fixed = form->Find<TEdit>("CurrentEdt");
    auto* fitted = form->Find<TEdit>("PropertiesEdt");
    EXPECT_EQ(21, fitted->Height());  // as described: nothing refitted at creation
    fixed->Font().SetHeight(-20);
    fitted->Font().SetHeight(-20);
    EXPECT_EQ(41, fixed->Height());
    EXPECT_GT(fitted->Height(), 21 + 5);
    RECT r;
    GetWindowRect(fitted->Handle(), &r);
    EXPECT_EQ(fitted->Height(), r.bottom - r.top);
    delete form;
}

TEST(Memo, ChangingTheScrollBarsKeepsTextAndPlace) {
    TStdFrm* form = MakeStdForm();
    auto* memo = form->Find<TMemo>("RemindersMmo");
    memo->SetText("one\r\ntwo");
    HWND before = GetWindow(memo->Handle(), GW_HWNDPREV);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    LONG_PTR style = GetWindowLongPtrA(memo->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_FALSE(style & ES_AUTOHSCROLL);  // lines wrap now
    EXPECT_EQ("one\r\ntwo", WindowText(memo->Handle()));
    EXPECT_EQ(before, GetWindow(memo->Handle(), GW_HWNDPREV));
    delete form;
}

TEST(Memo, LineCountLeavesOutALastEmptyLine) {
    TStdFrm* form = MakeStdForm();
    auto* memo = form->Find<TMemo>("RemindersMmo");
    struct Case {
        const char* text;
        int lines;
    } cases[] = {
        {"", 0}, {"a", 1}, {"a\r\n", 1}, {"\r\n", 1}, {"a\r\nb", 2}, {"a\r\nb\r\n", 2}, {"\r\n\r\n", 2}, {"a\nb", 2},
    };
    for (const Case& c : cases) {
        memo->SetText(c.text);
        EXPECT_EQ(c.lines, memo->Lines().Count()) << '"' << c.text << '"';
    }
    memo->SetText("first\r\n\r\nthird");
    EXPECT_EQ("first", memo->Lines()[0]);
    EXPECT_EQ("", memo->Lines()[1]);
    EXPECT_EQ("third", memo->Lines()[2]);
    EXPECT_THROW(memo->Lines()[3], EStringListError);
    delete form;
}

TEST(Memo, LinesAddClearAndAssignGoThroughTheText) {
    TStdFrm* form = MakeStdForm();
    auto* memo = form->Find<TMemo>("RemindersMmo");
    memo->SetText("typed without a break");
    memo->Lines().Add("added");
    EXPECT_EQ("typed without a break\r\nadded\r\n", memo->GetText());
    EXPECT_EQ(memo->GetText(), WindowText(memo->Handle()));
    EXPECT_EQ(2, memo->Lines().Count());

    // A copy of a single empty line keeps it: one line.
    TStringList one({""});
    memo->Lines().Assign(one);
    EXPECT_EQ(1, memo->Lines().Count());
    EXPECT_EQ("\r\n", memo->GetText());

    TStringList copy;
    memo->SetText("buy milk\r\ncall Bob");
    copy.Assign(memo->Lines());
    memo->Lines().Clear();
    EXPECT_EQ(0, memo->Lines().Count());
    EXPECT_EQ(2, copy.Count());
    EXPECT_EQ("call Bob", copy[1]);

    // Lines from a description.
    std::string text = kStdFormText;
    text.replace(text.find("ScrollBars = ssBoth"), 19, "ScrollBars = ssBoth Lines = [\"one\", \"\", \"three\"]");
    TStdFrm* other = MakeStdForm(text.c_str(), false);
    auto* described = other->Find<TMemo>("RemindersMmo");
    EXPECT_EQ(3, described->Lines().Count());
    EXPECT_EQ("one\r\n\r\nthree\r\n", WindowText(described->Handle()));
    delete other;
    delete form;
}

TEST(Memo, EnterBreaksTheLineAndTabLeavesTheMemo) {
    TStdFrm* form = MakeStdForm();
    form->Find<TTabbedNotebook>("ControlsNbk")->SetPageIndex(1);
    auto* memo = form->Find<TMemo>("RemindersMmo");
    memo->SetText("ab");
    memo->SetFocus();
    ASSERT_EQ(memo->Handle(), GetFocus());
    SendMessageA(memo->Handle(), EM_SETSEL, 1, 1);

    MSG enter{memo->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {0, 0}};
    EXPECT_TRUE(SendMessageA(memo->Handle(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                DLGC_WANTALLKEYS);
    MSG tab{memo->Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    EXPECT_FALSE(SendMessageA(memo->Handle(), WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) &
                 (DLGC_WANTALLKEYS | DLGC_WANTTAB));

    // Through the application's loop, as typed.
    PostMessageA(memo->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(memo->Handle(), WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
    Pump();
    EXPECT_EQ("a\r\nb", memo->GetText());
    PostMessageA(memo->Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageA(memo->Handle(), WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001u));
    Pump();
    EXPECT_EQ("a\r\nb", memo->GetText());
    EXPECT_NE(memo->Handle(), GetFocus());

    // Esc is the form's key too: the native memo, left to itself, would
    // close its parent window, here a group box.
    HWND group = GetParent(memo->Handle());
    memo->SetFocus();
    PostMessageA(memo->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(memo->Handle(), WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001u));
    Pump();
    EXPECT_TRUE(IsWindow(group));
    EXPECT_TRUE(IsWindowVisible(memo->Handle()));
    delete form;
}

TEST(Panel, DrawsItsCaptionAndKeepsChildrenInsideTheBevels) {
    TStdFrm* form = MakeStdForm();
    auto* panel = form->Find<TPanel>("MonthNamePnl");
    EXPECT_EQ("7 December, 2026", WindowText(panel->Handle()));
    EXPECT_TRUE(GetWindowLongPtrA(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT client;
    GetClientRect(panel->Handle(), &client);
    RECT inner = panel->ClientRect();
    // Outer raised bevel and inner lowered one: one pixel each.
    EXPECT_EQ(client.left + 2, inner.left);
    EXPECT_EQ(client.bottom - 2, inner.bottom);

    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetBevelInner(TBevelCut::bvNone);
    inner = panel->ClientRect();
    EXPECT_EQ(client.left, inner.left);
    delete form;
}

TEST(Panel, AlignedRightItKeepsItsWidthAtTheRightEdge) {
    const char text[] = R"(
TStdFrm Resizable {
  ClientWidth = 363 ClientHeight = 332 BorderStyle = bsSizeable PixelsPerInch = 96
  TMemo Mmo { Left = 0 Top = 0 Width = 264 Height = 332 Align = alClient ScrollBars = ssBoth }
  TPanel Panel1 { Left = 264 Top = 0 Width = 99 Height = 332 Align = alRight BevelOuter = bvNone }
  TStatusBar Bar { SimplePanel = true }
})";
    TStdFrm* form = MakeStdForm(text);
    auto* panel = form->Find<TPanel>("Panel1");
    auto* memo = form->Find<TMemo>("Mmo");
    auto* bar = form->Find<TStatusBar>("Bar");
    RECT w;
    GetWindowRect(form->Handle(), &w);
    SetWindowPos(form->Handle(), nullptr, 0, 0, w.right - w.left + 100, w.bottom - w.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    RECT c;
    GetClientRect(form->Handle(), &c);
    EXPECT_EQ(99, panel->Width());
    EXPECT_EQ(c.right - 99, panel->Left());
    EXPECT_EQ(c.right - 99, memo->Width());
    EXPECT_EQ(c.bottom, bar->Top() + bar->Height());
    EXPECT_EQ(bar->Top(), memo->Height());
    // A resizable window has the grip.
    EXPECT_TRUE(GetWindowLongPtrA(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    delete form;
}

TEST(Panel, AShownPanelCoversTheControlsLaidOutBeforeIt) {
    TStdFrm* form = MakeStdForm();
    auto* daily = form->Find<TPanel>("DailyAlarmPnl");
    auto* month = form->Find<TPanel>("MonthNamePnl");
    RECT r;
    GetWindowRect(month->Handle(), &r);
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_EQ(month->Handle(), WindowFromPoint(middle));
    daily->Show();
    Pump();
    HWND top = WindowFromPoint(middle);
    EXPECT_TRUE(top == daily->Handle() || IsChild(daily->Handle(), top));
    delete form;
}

TEST(Bevel, TheTopLineIsDrawnInTheShadowColour) {
    TStdFrm* form = MakeStdForm();
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), ScreenPixel(form->Handle(), 200, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ScreenPixel(form->Handle(), 200, 3));
    delete form;
}

TEST(GroupBox, ACheckBoxOnTheTopBorderHidesTheFrameLine) {
    TStdFrm* form = MakeStdForm();
    auto* group = form->Find<TGroupBox>("GroupBox1");
    auto* chk = form->Find<TCheckBox>("UseDailyChk");
    // The frame line runs along the group box's top, left of the check box
    // (in whatever colour the visual style gives it).
    COLORREF face = ScreenPixel(group->Handle(), 250, 0);
    int lineY = -1;
    for (int y = 1; y < 12 && lineY < 0; ++y)
        if (ScreenPixel(group->Handle(), 250, y) != face) lineY = y;
    ASSERT_GE(lineY, 0) << "no frame line found";
    // Under the check box's right end (past its caption) there is only its background.
    EXPECT_EQ(face, ScreenPixel(group->Handle(), chk->Left() + chk->Width() - 2, lineY));
    // And the group's interior is painted in its colour.
    EXPECT_EQ(ColorToRGB(clBtnFace), face);
    EXPECT_EQ(face, ScreenPixel(group->Handle(), 8, 90));
    HoldForScreenshot();
    delete form;
}

TEST(GroupBox, AGraphicChildTakesTheMouseAndTheRestPassesThrough) {
    TStdFrm* form = MakeStdForm();
    auto* group = form->Find<TGroupBox>("SettingsGrp");
    auto* button = new TSpeedButton(form);
    button->SetBounds(40, 60, 30, 30);
    button->SetParent(group);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    ShowOnTop(group->Handle());

    POINT over{55, 75}, beside{120, 75};
    ClientToScreen(group->Handle(), &over);
    ClientToScreen(group->Handle(), &beside);
    EXPECT_EQ(HTCLIENT, SendMessageA(group->Handle(), WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y)));
    EXPECT_EQ(HTTRANSPARENT, SendMessageA(group->Handle(), WM_NCHITTEST, 0, MAKELPARAM(beside.x, beside.y)));

    SetCursorPos(over.x, over.y);
    POINT at{};
    if (!GetCursorPos(&at) || at.x != over.x) GTEST_SKIP() << "no pointer on this display";
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    PumpFor(100);
    EXPECT_EQ(1, clicks);
    delete form;
}

}  // namespace
