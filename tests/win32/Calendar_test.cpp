// The month calendar in a real window: built from a description, picking a
// day with the mouse and the keyboard, dragging outside the cells, read-only
// mode, refused element sets with their error report, and what it paints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datetime/DateTime.h"
#include "datetime/FormatSettings.h"
#include "datetime/LocaleSettings.h"
#include "fakes/FakePlatform.h"
#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "widgets/Calendar.h"

namespace {

using datetime::MakeDate;

class TCalFrm : public TForm {
public:
    explicit TCalFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TCalFrm"; }
    std::vector<datetime::DateTime> changes;
    std::vector<int> clickDays;  // the day as OnClick saw it
    int dblClicks = 0;
    std::function<void(TCalendar&)> onClick;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        h.Add<void(TComponent*)>("DayCalChange", [this](TComponent* s) {
            changes.push_back(static_cast<TCalendar*>(s)->SelectedDate());
        });
        h.Add<void(TComponent*)>("DayCalClick", [this](TComponent* s) {
            auto* cal = static_cast<TCalendar*>(s);
            clickDays.push_back(cal->Day());
            if (onClick) onClick(*cal);
        });
        h.Add<void(TComponent*)>("DayCalDblClick", [this](TComponent*) { ++dblClicks; });
    }
};

// A plain tab stop to move the focus to.
class TTabBox : public TWinControl {
public:
    explicit TTabBox(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TTabBox"; }

protected:
    void CreateParams(TCreateParams& p) override {
        TWinControl::CreateParams(p);
        p.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    }
};

struct Registered {
    Registered() { ComponentRegistry::Instance().Register<TTabBox>("TTabBox"); }
} registered;

LPARAM At(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

class CalendarTest : public ::testing::Test {
protected:
    CalendarTest() : scope_(fake_) {
        fake_.SetNow(2026, 12, 15, 9, 30);  // 1 December 2026 is a Tuesday
        datetime::LoadCalendarNames();      // the fallback names: no locale items
    }
    ~CalendarTest() override {
        SetCtrl(false);
        delete form_;
    }

    // The main window's calendar: 337 x 101 at 16, 42, weeks from Sunday.
    TCalendar& Open(const std::string& extra = "") {
        form_ = new TCalFrm(Application);
        form_->InitializeFromText(
            "TCalFrm CalFrm { ClientWidth = 369 ClientHeight = 160 Caption = \"Calendar\" BorderStyle = bsSingle\n"
            "  Font.Name = \"MS Sans Serif\" Font.Height = -11 PixelsPerInch = " +
                std::to_string(ScreenPixelsPerInch()) +
                "\n  TCalendar DayCal { Left = 16 Top = 42 Width = 337 Height = 101 StartOfWeek = 0\n"
                "    UseCurrentDate = true TabOrder = 0 Hint = \"Select day for alarm.\"\n"
                "    OnChange = DayCalChange OnClick = DayCalClick OnDblClick = DayCalDblClick " +
                extra +
                " }\n"
                "  TTabBox Other { Left = 4 Top = 4 Width = 20 Height = 20 TabStop = true TabOrder = 1 }\n}\n",
            "CalFrm.form");
        form_->Show();
        cal_ = form_->Find<TCalendar>("DayCal");
        Pump();
        return *cal_;
    }

    void Pump() { Application->ProcessMessages(); }
    POINT CenterOf(int col, int row) {
        RECT r = cal_->CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Press(POINT p) { SendMessageA(cal_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(p)); }
    void Move(POINT p) { SendMessageA(cal_->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(p)); }
    void Release(POINT p) { SendMessageA(cal_->Handle(), WM_LBUTTONUP, 0, At(p)); }
    void ClickCell(int col, int row) {
        Press(CenterOf(col, row));
        Release(CenterOf(col, row));
    }
    // Through the message queue, so that the dialog keys see it first.
    void Key(WORD vk) {
        PostMessageA(cal_->Handle(), WM_KEYDOWN, vk, 1);
        Pump();
    }
    static void SetCtrl(bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    TGridCoord Current() const { return {cal_->Col(), cal_->Row()}; }

    fakes::FakePlatform fake_;
    fakes::ScopedPlatform scope_;
    datetime::ScopedFormatSettings names_;
    TCalFrm* form_ = nullptr;
    TCalendar* cal_ = nullptr;
};

TEST_F(CalendarTest, LoadsWithTodaySelectedAndCellsSizedFromTheWindow) {
    TCalendar& cal = Open();
    EXPECT_EQ(MakeDate(2026, 12, 15), cal.SelectedDate());
    EXPECT_TRUE(cal.UseCurrentDate());
    EXPECT_EQ(-1, cal.DayOffset());
    EXPECT_EQ((TGridCoord{2, 3}), Current());
    EXPECT_EQ("Select day for alarm.", cal.Hint());
    EXPECT_EQ("Sun", cal.CellCaption(0, 0));  // the names the locale settings loaded

    RECT client;
    GetClientRect(cal.Handle(), &client);
    ASSERT_EQ(333, client.right);
    ASSERT_EQ(97, client.bottom);
    EXPECT_EQ(46, cal.DefaultColWidth());
    EXPECT_EQ(13, cal.DefaultRowHeight());
    const RECT last = cal.CellRect(6, 6);
    EXPECT_EQ((std::vector<LONG>{282, 84, 328, 97}), (std::vector<LONG>{last.left, last.top, last.right, last.bottom}));

    const LONG_PTR style = GetWindowLongPtrA(cal.Handle(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(cal.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_FALSE(style & (WS_BORDER | WS_HSCROLL | WS_VSCROLL));
    EXPECT_TRUE(exStyle & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetClassLongPtrA(cal.Handle(), GCL_STYLE) & CS_DBLCLKS);
    EXPECT_EQ(DLGC_WANTARROWS, SendMessageA(cal.Handle(), WM_GETDLGCODE, 0, 0));

    cal.SetWidth(337 + 70);
    EXPECT_EQ(56, cal.DefaultColWidth());
    EXPECT_TRUE(form_->changes.empty());
}

TEST_F(CalendarTest, NoChangeEventWhileTheDescriptionIsRead) {
    TCalendar& cal = Open("Day = 20 StartOfWeek = 1 ReadOnly = true");
    EXPECT_EQ(20, cal.Day());
    EXPECT_FALSE(cal.UseCurrentDate());
    EXPECT_EQ(1, cal.StartOfWeek());
    EXPECT_TRUE(cal.ReadOnly());
    EXPECT_EQ((TGridCoord{6, 3}), Current());  // a Sunday, the last column
    EXPECT_TRUE(form_->changes.empty());
    cal.SetDay(21);
    EXPECT_EQ(1u, form_->changes.size());

    auto* bad = new TCalFrm(Application);
    try {
        bad->InitializeFromText("TCalFrm Bad { TCalendar Cal { StartOfWeek = 7 } }", "Bad.form");
        ADD_FAILURE() << "StartOfWeek 7 accepted";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("Cal.StartOfWeek")) << e.what();
    }
    delete bad;
}

TEST_F(CalendarTest, AMouseClickPicksADayAndRaisesOnChangeOnce) {
    TCalendar& cal = Open();
    form_->Find<TTabBox>("Other")->SetFocus();
    ASSERT_FALSE(cal.Focused());
    ClickCell(0, 4);  // Sunday 20 December: the press takes the focus
    EXPECT_TRUE(cal.Focused());
    EXPECT_EQ((TGridCoord{0, 4}), Current());
    EXPECT_EQ(std::vector<int>{15}, form_->clickDays);  // OnClick before the day is applied
    ASSERT_EQ(1u, form_->changes.size());
    EXPECT_EQ(MakeDate(2026, 12, 20), form_->changes[0]);
    EXPECT_FALSE(cal.UseCurrentDate());
    EXPECT_FALSE(cal.Selecting());
    EXPECT_EQ(nullptr, GetCapture());

    ClickCell(0, 4);  // the day already selected
    ClickCell(1, 1);  // blank
    EXPECT_EQ(3u, form_->clickDays.size());
    ClickCell(3, 0);  // header
    Press(POINT{330, 50});  // the strip right of the last column
    Release(POINT{330, 50});
    SendMessageA(cal.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(CenterOf(5, 2)));
    SendMessageA(cal.Handle(), WM_RBUTTONUP, 0, At(CenterOf(5, 2)));
    SendMessageA(cal.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(CenterOf(5, 2)));
    SendMessageA(cal.Handle(), WM_LBUTTONUP, 0, At(CenterOf(5, 2)));
    EXPECT_EQ(1, form_->dblClicks);
    EXPECT_EQ(3u, form_->clickDays.size());
    EXPECT_EQ(1u, form_->changes.size());
    EXPECT_EQ(20, cal.Day());
}

TEST_F(CalendarTest, KeysMoveTheDayByTheKeyTable) {
    TCalendar& cal = Open();
    cal.SetFocus();
    struct Step { WORD key; bool ctrl; int day; };
    const Step steps[] = {
        {VK_RIGHT, false, 16}, {VK_LEFT, false, 15}, {VK_UP, false, 8},   {VK_DOWN, false, 15},
        {VK_HOME, false, 13},  {VK_END, false, 19},  {VK_PRIOR, false, 5}, {VK_NEXT, false, 5},  // (6, 6) blank
        {VK_NEXT, true, 5},    {VK_END, true, 5},    {VK_HOME, true, 5},   {VK_DOWN, false, 12},
        {VK_LEFT, true, 6},    {VK_RIGHT, true, 12}, {VK_PRIOR, true, 5},  {VK_UP, true, 5},
        {VK_RETURN, false, 5}, {VK_F2, false, 5},
    };
    for (const Step& s : steps) {
        SetCtrl(s.ctrl);
        Key(s.key);
        EXPECT_EQ(s.day, cal.Day()) << "key " << s.key << " ctrl " << s.ctrl;
    }
    SetCtrl(false);
    EXPECT_EQ(11u, form_->changes.size());

    // Day 1 sits in column 2: Left finds a blank and selects nothing new.
    cal.SetDay(1);
    Key(VK_LEFT);
    EXPECT_EQ(1, cal.Day());
    EXPECT_EQ((TGridCoord{2, 1}), Current());

    // A key handler may swallow the key.
    cal.OnKeyDown = [](TComponent*, WORD& key, TShiftState) {
        if (key == VK_RIGHT) key = 0;
    };
    Key(VK_RIGHT);
    EXPECT_EQ(1, cal.Day());

    // Tab leaves the calendar instead of moving inside it.
    cal.SetFocus();
    Key(VK_TAB);
    EXPECT_EQ(form_->Find<TTabBox>("Other")->Handle(), GetFocus());
    EXPECT_EQ(1, cal.Day());
}

TEST_F(CalendarTest, ReadOnlyIgnoresTheUserButNotTheProgram) {
    TCalendar& cal = Open("ReadOnly = true");
    ClickCell(0, 4);
    Key(VK_RIGHT);
    EXPECT_EQ(15, cal.Day());
    EXPECT_EQ((TGridCoord{2, 3}), Current());
    EXPECT_TRUE(form_->changes.empty());
    cal.SetDay(20);
    EXPECT_EQ((TGridCoord{0, 4}), Current());
    EXPECT_EQ(1u, form_->changes.size());
}

TEST_F(CalendarTest, ImpossibleDatesAreRefusedWithTheirErrorReport) {
    fake_.SetNow(2026, 1, 31);
    TCalendar& cal = Open();
    const TGridCoord before = Current();
    try {
        cal.SetMonth(2);
        ADD_FAILURE() << "31 February accepted";
    } catch (const EConvertError& e) {
        EXPECT_STREQ("Invalid argument to date encode", e.what());
    }
    EXPECT_EQ(MakeDate(2026, 1, 31), cal.SelectedDate());
    EXPECT_EQ(before, Current());
    EXPECT_TRUE(cal.UseCurrentDate());
    EXPECT_TRUE(form_->changes.empty());

    // From a handler, the error reaches the report and the loop goes on.
    form_->onClick = [](TCalendar& c) { c.SetMonth(2); };
    ClickCell(before.col, before.row);
    ASSERT_EQ(1u, fake_.boxes.size());
    EXPECT_EQ("Invalid argument to date encode.", fake_.boxes[0].text);
    EXPECT_EQ(MakeDate(2026, 1, 31), cal.SelectedDate());
    form_->onClick = nullptr;
    ClickCell(0, 5);  // Sunday 25 January
    EXPECT_EQ(25, cal.Day());
    EXPECT_EQ(1u, form_->changes.size());
}

TEST_F(CalendarTest, DraggingOutsideTheCellsStepsTheSelectionOnTheTimer) {
    TCalendar& cal = Open();
    Press(CenterOf(2, 3));  // the 15th
    EXPECT_TRUE(cal.Selecting());
    EXPECT_EQ(cal.Handle(), GetCapture());
    Move(CenterOf(4, 3));  // onto another cell: follows at once
    EXPECT_EQ((TGridCoord{4, 3}), Current());

    const POINT left{-20, CenterOf(0, 3).y};
    Move(left);  // outside: only the timer steps
    EXPECT_EQ((TGridCoord{4, 3}), Current());
    SendMessageA(cal.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ((TGridCoord{3, 3}), Current());
    // The real timer steps too (kept short: another program's window taking
    // the activation would end the drag).
    const DWORD start = GetTickCount();
    while (cal.Col() == 3 && GetTickCount() - start < 1000) {
        Pump();
        Sleep(5);
    }
    ASSERT_EQ((TGridCoord{2, 3}), Current());
    for (int tick = 0; tick < 3; ++tick) SendMessageA(cal.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ((TGridCoord{0, 3}), Current());  // and no further
    EXPECT_TRUE(form_->changes.empty());       // nothing until the release
    Release(left);
    EXPECT_FALSE(cal.Selecting());
    ASSERT_EQ(1u, form_->changes.size());
    EXPECT_EQ(13, cal.Day());

    // Upward over the header: stops at the blank before the 6th.
    Press(CenterOf(0, 4));
    const POINT header{CenterOf(0, 0).x, 5};
    Move(header);
    SendMessageA(cal.Handle(), WM_TIMER, 1, 0);
    SendMessageA(cal.Handle(), WM_TIMER, 1, 0);
    SendMessageA(cal.Handle(), WM_TIMER, 1, 0);
    Release(header);
    EXPECT_EQ(6, cal.Day());

    // Cancel mode (an error report, a modal window) ends a drag without a
    // click, and the selection goes back to the day of the date.
    const size_t clicks = form_->clickDays.size();
    Press(CenterOf(3, 3));
    EXPECT_EQ((TGridCoord{3, 3}), Current());
    SendMessageA(cal.Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(cal.Selecting());
    EXPECT_EQ(nullptr, GetCapture());
    Release(CenterOf(3, 3));
    EXPECT_EQ(clicks, form_->clickDays.size());
    EXPECT_EQ(6, cal.Day());
    EXPECT_EQ((TGridCoord{0, 2}), Current());
}

TEST_F(CalendarTest, PaintsHeaderHighlightLinesAndFocus) {
    TCalendar& cal = Open();
    cal.SetFocus();
    UpdateWindow(cal.Handle());
    HDC dc = GetDC(cal.Handle());
    const RECT sel = cal.CellRect(2, 3), head = cal.CellRect(4, 0), plain = cal.CellRect(4, 4);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), GetPixel(dc, sel.left + 3, sel.top + 6));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(dc, head.left + 3, head.top + 6));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), GetPixel(dc, head.left + 3, head.top));  // raised edge
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetPixel(dc, plain.left + 3, plain.top + 6));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, head.right, head.top + 6));       // header lines
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, head.left + 6, head.bottom));
    EXPECT_EQ(RGB(192, 192, 192), GetPixel(dc, plain.right, plain.top + 6));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetPixel(dc, 331, 50));           // beyond the last column
    // The focus rectangle marks the selected cell's edge while focused.
    int marked = 0;
    for (int x = sel.left; x < sel.right; ++x) marked += GetPixel(dc, x, sel.top) != GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_GT(marked, 0);

    cal.SetColor(clSilver);
    UpdateWindow(cal.Handle());
    EXPECT_EQ(RGB(128, 128, 128), GetPixel(dc, plain.right, plain.top + 6));
    ReleaseDC(cal.Handle(), dc);
}

}  // namespace
