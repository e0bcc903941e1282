// The four windows as start-up builds them from their descriptions: every
// control of the main window at its place with its class, parent, texts,
// hints, fonts and initial state; the check boxes on their group boxes'
// borders; the daily panel over the calendar; the snooze question's answers
// (Enter, the buttons, the close box); the reminders window's strip when it
// is widened; the about box's lines.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/About.h"
#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/Startup.h"
#include "app/timer.h"
#include "datetime/DateTime.h"
#include "datetime/DateTimeFormat.h"
#include "datetime/FormatSettings.h"
#include "datetime/LocaleSettings.h"
#include "media/MPlayer.h"
#include "toolkit/Application.h"
#include "toolkit/Bevel.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/FormDescription.h"
#include "toolkit/FormHints.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/Menus.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/Panel.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabbedNotebook.h"
#include "toolkit/TextFit.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"
#include "widgets/Calendar.h"
#include "widgets/Spin.h"

namespace {

// The windows are made once, as the program makes them.
class Windows : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (TimerFrm) return;
        PrepareLocaleSettings();
        CreateDawnbellWindows(*Application);
    }

    template <class T>
    static T* Main(const std::string& name) {
        return TimerFrm->Find<T>(name);
    }
};

void Pump() { Application->ProcessMessages(); }

// Places and sizes in a window laid out at designPpi, as the screen shows them.
int Scaled(int v, int designPpi) { return MulDiv(v, ScreenPixelsPerInch(), designPpi); }

// The rectangle of a control's window in its parent window's client area.
RECT WindowPlace(TWinControl* c) {
    RECT r;
    GetWindowRect(c->Handle(), &r);
    MapWindowPoints(nullptr, GetParent(c->Handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE TextSize(const TFont& font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    size.cy = tm.tmHeight;
    return size;
}

// A bitmap's pixels as 32-bit values, whatever its own format.
std::vector<DWORD> Pixels(HBITMAP bitmap, SIZE& size) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    size = SIZE{info.bmWidth, info.bmHeight};
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = info.bmWidth;
    bi.bmiHeader.biHeight = -info.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return pixels;
}

// True when the bitmap shows exactly the program's bitmap resource.
::testing::AssertionResult ShowsResource(HBITMAP bitmap, const char* resource) {
    if (!bitmap) return ::testing::AssertionFailure() << "no bitmap";
    HBITMAP original = LoadBitmapA(GetModuleHandleA(nullptr), resource);
    if (!original) return ::testing::AssertionFailure() << "no resource " << resource;
    SIZE a{}, b{};
    bool same = Pixels(bitmap, a) == Pixels(original, b) && a.cx == b.cx && a.cy == b.cy;
    DeleteObject(original);
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the bitmap (" << a.cx << " x " << a.cy << ") is not " << resource << " ("
                                         << b.cx << " x " << b.cy << ")";
}

// True when nothing of a drawn button's glyph and caption reaches the strip
// between its frame and its focus rectangle, left and right: content cut at
// an edge would.
::testing::AssertionResult CaptionShowsWhole(HWND button, const std::string& caption) {
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT r;
    GetClientRect(button, &r);
    HDC screen = GetDC(button);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(button, screen);
    COLORREF face = GetPixel(dc, r.right / 2, 3);
    int ink = 0;
    for (int x : {2, 3, static_cast<int>(r.right) - 4, static_cast<int>(r.right) - 3})
        for (int y = 5; y < r.bottom - 5; ++y) ink += GetPixel(dc, x, y) != face;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    if (ink == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ink << " pixels of \"" << caption << "\" reach the button's edges";
}

// ---------------------------------------------------------------- main window

// A control's place as its window's description gives it.
struct Described {
    std::string name, className, parent;
    int left = 0, top = 0, width = 0, height = 0;
};

void CollectPlaces(const FormNode& node, std::vector<Described>& out) {
    for (const FormNode& child : node.children) {
        Described d{child.name, child.className, node.name};
        int found = 0;
        bool aligned = false;
        for (const PropertyAssignment& p : child.properties) {
            int* field = p.name == "Left" ? &d.left : p.name == "Top" ? &d.top : p.name == "Width" ? &d.width
                       : p.name == "Height"                          ? &d.height
                                                                     : nullptr;
            if (field) {
                *field = static_cast<int>(p.value.AsInteger());
                ++found;
            }
            aligned = aligned || (p.name == "Align" && p.value.AsIdentifier() != "alNone");
        }
        // Aligned controls take their place from their parent.
        if (found == 4 && !aligned) out.push_back(d);
        CollectPlaces(child, out);
    }
}

// Every placed control of a window's description, read from the program's
// resources as the window itself was.
std::vector<Described> DescribedPlaces(const char* resource) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, resource, reinterpret_cast<LPCSTR>(RT_RCDATA));
    std::vector<Described> places;
    if (!found) return places;
    const char* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
    FormNode root = ParseFormDescription(std::string(text, SizeofResource(module, found)), resource);
    CollectPlaces(root, places);
    return places;
}

// Every control of the four windows stands where its description puts it,
// scaled from the resolution the window was laid out for, in the parent
// the description names; a windowed control's window is where the object says.
TEST_F(Windows, EveryControlStandsWhereItsDescriptionPutsIt) {
    struct Window {
        TForm* form;
        const char* resource;
        int ppi;
        std::size_t atLeast;
    };
    for (const Window& w : {Window{TimerFrm, "TTIMERFRM", 96, 38}, Window{AboutFrm, "TABOUTFRM", 96, 5},
                            Window{SnoozeFrm, "TSNOOZEFRM", 120, 2}, Window{RemindersFrm, "TREMINDERSFRM", 120, 1}}) {
        SCOPED_TRACE(w.resource);
        std::vector<Described> places = DescribedPlaces(w.resource);
        EXPECT_GE(places.size(), w.atLeast);
        for (const Described& d : places) {
            SCOPED_TRACE(d.name);
            auto* c = dynamic_cast<TControl*>(w.form->FindComponent(d.name));
            ASSERT_NE(nullptr, c);
            EXPECT_EQ(d.className, c->ClassName());
            ASSERT_NE(nullptr, c->Parent());
            EXPECT_EQ(d.parent, c->Parent()->Name());
            EXPECT_EQ(Scaled(d.left, w.ppi), c->Left());
            EXPECT_EQ(Scaled(d.top, w.ppi), c->Top());
            EXPECT_EQ(Scaled(d.width, w.ppi), c->Width());
            EXPECT_EQ(Scaled(d.height, w.ppi), c->Height());
            if (auto* win = dynamic_cast<TWinControl*>(c)) {
                RECT r = WindowPlace(win);
                EXPECT_EQ(c->Left(), r.left);
                EXPECT_EQ(c->Top(), r.top);
                EXPECT_EQ(c->Width(), r.right - r.left);
                EXPECT_EQ(c->Height(), r.bottom - r.top);
            }
        }
    }
    // The notebook's pages start at 4, 24 inside it, scaled like the rest.
    auto* nbk = Main<TTabbedNotebook>("ControlsNbk");
    ASSERT_EQ(2, nbk->PageCount());
    for (int i = 0; i < 2; ++i) {
        RECT r = WindowPlace(nbk->Page(i));
        EXPECT_EQ(Scaled(4, 96), r.left);
        EXPECT_EQ(Scaled(24, 96), r.top);
    }
    EXPECT_NE(nullptr, dynamic_cast<TTimer*>(TimerFrm->FindComponent("Clock")));
    EXPECT_NE(nullptr, dynamic_cast<TOpenDialog*>(TimerFrm->FindComponent("OpenFileDlg")));
}

TEST_F(Windows, MainWindowHasItsFrameFontMenuAndHints) {
    EXPECT_EQ("Dawnbell", TimerFrm->Caption());
    EXPECT_EQ(227, TimerFrm->Left());
    EXPECT_EQ(103, TimerFrm->Top());
    RECT client;
    GetClientRect(TimerFrm->Handle(), &client);
    EXPECT_EQ(419, client.right);
    EXPECT_EQ(460, client.bottom);
    LONG_PTR style = GetWindowLongPtrA(TimerFrm->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ("MS Sans Serif", TimerFrm->Font().Name());
    EXPECT_EQ(-11, TimerFrm->Font().Height());
    EXPECT_EQ(0u, TimerFrm->Font().Style());
    EXPECT_EQ(clWindowText, TimerFrm->Font().Color());
    ASSERT_NE(nullptr, TimerFrm->Menu());
    EXPECT_EQ("TimerFrmMnu", TimerFrm->Menu()->Name());
    EXPECT_EQ(GetMenu(TimerFrm->Handle()), TimerFrm->Menu()->Handle());
    EXPECT_TRUE(TimerFrm->ShowHint());
    EXPECT_TRUE(TimerFrm->OnCreate);
    EXPECT_TRUE(TimerFrm->OnClose);
}

struct Texts {
    const char* name;
    const char* text;
    const char* hint;
};

const Texts kMainTexts[] = {
    {"GroupBox1", "Current Setting:", ""},
    {"UseDailyChk", "Use Daily", "Check on to set a daily alarm."},
    {"SetBtn", "Set !", "Set Alarm ON."},
    {"CancelBtn", "Cancel", "Set Alarm OFF."},
    {"CurrentEdt", nullptr, "Current alarm setting."},  // the alarm text by then
    {"PropertiesEdt", "Silent Alarm:  No Properties Set.", "Current Alarm Properties"},
    {"SettingsGrp", "Set Date/Time:", ""},
    {"DayCal", nullptr, "Select day for alarm."},
    {"MonthSel", "", "Select Month for alarm."},
    {"Label2", "Hour:", ""},
    {"HourBar", "", "Select hour for alarm."},
    {"Label3", "Minute:", ""},
    {"MinuteBar", "", "Select minute for alarm."},
    {"DailyAlarmPnl", "", ""},
    {"Label7", "Version 2.0", ""},
    {"Panel1", "Panel1", ""},
    {"Label6", "Daily Alarm", ""},
    {"GroupBox2", "CD Control", ""},
    {"StartingTrackBar", "", "Select starting track."},
    {"Label1", "Starting Track:", ""},
    {"StartingTrackEdt", "1", "Track CD play will start at."},
    {"UseCDChk", "Use CD", "Check on to use CD for alarm."},
    {"GroupBox3", "Play .wav File:", ""},
    {"WavFileEdt", "", "Path of .wav file to play for alarm."},
    {"FindWavBtn", "Browse", "Browse file system to locate .wav file."},
    {"UseWavChk", "Use .wav", "Check to use .wav file for alarm."},
    {"GroupBox4", "Reminders:", ""},
    {"RemindersMmo", "", "List of reminders to show on alarm."},
    {"WavPlayer", "", "Play/Stop .wav file."},
    {"GroupBox5", "Run .exe:", ""},
    {"ExeEdt", "", "Path of .wav file to play for alarm."},
    {"FindExeBtn", "Browse", "Browse file system to locate .wav file."},
    {"UseExeChk", "Use .exe", "Check to use .wav file for alarm."},
    {"RunBtn", "", "Browse file system to locate .wav file."},
};

TEST_F(Windows, MainWindowControlsCarryTheirTextsAndHints) {
    for (const Texts& t : kMainTexts) {
        SCOPED_TRACE(t.name);
        auto* c = Main<TControl>(t.name);
        if (t.text) {
            EXPECT_EQ(t.text, c->Caption());
        }
        EXPECT_EQ(t.hint, c->Hint());
        if (t.text && c->IsWindowed() && std::string(c->ClassName()) != "TPanel") {
            char buf[128] = {};
            GetWindowTextA(static_cast<TWinControl*>(c)->Handle(), buf, sizeof buf);
            EXPECT_STREQ(t.text, buf);
        }
    }
    auto* nbk = Main<TTabbedNotebook>("ControlsNbk");
    const char* tabs[] = {"Alarm Settings", "Properties"};
    for (int i = 0; i < 2; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(nbk->TabHandle(), TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(tabs[i], text);
    }
    EXPECT_EQ(0, nbk->PageIndex());
    EXPECT_EQ("Find File", Main<TOpenDialog>("OpenFileDlg")->Title());
}

TEST_F(Windows, HintsShowAsToolTipsOnTheMainWindow) {
    TimerFrm->Show();
    Pump();
    TFormHints* hints = TFormHints::Of(*TimerFrm);
    ASSERT_NE(nullptr, hints);
    EXPECT_EQ("Set Alarm ON.", hints->HintFor(*Main<TControl>("SetBtn")));
    EXPECT_EQ("Select hour for alarm.", hints->HintFor(*Main<TControl>("HourBar")));
    EXPECT_EQ("Current Alarm Properties", hints->HintFor(*Main<TControl>("PropertiesEdt")));
    TimerFrm->Hide();
    Pump();
}

struct State {
    const char* name;
    bool enabled, visible;
    int tabOrder;  // -1: not a windowed control
};

const State kMainStates[] = {
    {"Bevel1", true, true, -1},
    {"GroupBox1", true, true, 2},
    {"ControlsNbk", true, true, 0},
    {"UseDailyChk", true, true, 0},
    {"SetBtn", true, true, 1},
    {"CancelBtn", true, true, 2},
    {"CurrentEdt", true, true, 3},
    {"PropertiesEdt", true, true, 4},
    {"SettingsGrp", true, true, 0},
    {"MonthNamePnl", true, true, 5},
    {"DayCal", true, true, 0},
    {"MonthSel", true, true, 1},
    {"HourBar", true, true, 2},
    {"MinuteBar", true, true, 3},
    {"DailyAlarmPnl", true, false, 4},
    {"SplashImg", true, true, -1},
    {"Panel1", true, true, 0},
    {"GroupBox2", true, true, 0},
    {"StartingTrackBar", false, true, 0},
    {"StartingTrackEdt", false, true, 1},
    {"UseCDChk", true, true, 2},
    {"CDPlayer", true, false, 1},
    {"GroupBox3", true, true, 2},
    {"WavFileEdt", false, true, 0},
    {"FindWavBtn", false, true, 1},
    {"UseWavChk", true, true, 2},
    {"GroupBox4", true, true, 3},
    {"RemindersMmo", true, true, 0},
    {"WavPlayer", false, true, 4},
    {"GroupBox5", true, true, 5},
    {"ExeEdt", false, true, 0},
    {"FindExeBtn", false, true, 1},
    {"UseExeChk", true, true, 2},
    {"RunBtn", false, true, 3},
};

TEST_F(Windows, MainWindowControlsStartInTheirStatesAndTabOrders) {
    for (const State& s : kMainStates) {
        SCOPED_TRACE(s.name);
        auto* c = Main<TControl>(s.name);
        EXPECT_EQ(s.enabled, c->Enabled());
        EXPECT_EQ(s.visible, c->Visible());
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            EXPECT_EQ(s.tabOrder, w->TabOrder());
            EXPECT_EQ(s.enabled, IsWindowEnabled(w->Handle()) != FALSE);
            EXPECT_EQ(s.visible, (GetWindowLongPtrA(w->Handle(), GWL_STYLE) & WS_VISIBLE) != 0);
        }
    }
    for (const char* name : {"UseDailyChk", "UseCDChk", "UseWavChk", "UseExeChk"})
        EXPECT_FALSE(Main<TCheckBox>(name)->Checked()) << name;

    // Read-only and out of the tab order; the alarm text box is not.
    auto* props = Main<TEdit>("PropertiesEdt");
    EXPECT_TRUE(props->ReadOnly());
    EXPECT_TRUE(GetWindowLongPtrA(props->Handle(), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(props->TabStop());
    EXPECT_FALSE(GetWindowLongPtrA(props->Handle(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(Main<TEdit>("CurrentEdt")->TabStop());
    EXPECT_FALSE(Main<TEdit>("CurrentEdt")->ReadOnly());
    EXPECT_FALSE(Main<TMemo>("RemindersMmo")->ReadOnly());
}

TEST_F(Windows, TabWalksTheCurrentSettingGroupInItsOrder) {
    HWND form = TimerFrm->Handle();
    const char* order[] = {"UseDailyChk", "SetBtn", "CancelBtn", "CurrentEdt"};
    for (int i = 0; i + 1 < 4; ++i) {
        HWND next = GetNextDlgTabItem(form, Main<TWinControl>(order[i])->Handle(), FALSE);
        EXPECT_EQ(Main<TWinControl>(order[i + 1])->Handle(), next) << "after " << order[i];
    }
    // Tab follows the windows' order among their siblings.
    const char* settings[] = {"DayCal", "MonthSel", "HourBar", "MinuteBar"};
    HWND previous = nullptr;
    for (const char* name : settings) {
        HWND h = Main<TWinControl>(name)->Handle();
        if (previous) {
            EXPECT_EQ(h, GetWindow(previous, GW_HWNDNEXT)) << name;
        }
        previous = h;
    }
}

TEST_F(Windows, MainWindowFontsAndColours) {
    auto* current = Main<TEdit>("CurrentEdt");
    EXPECT_EQ("MS Sans Serif", current->Font().Name());
    EXPECT_EQ(-32, current->Font().Height());
    EXPECT_EQ(unsigned(fsBold), current->Font().Style());
    EXPECT_EQ(clBlack, current->Font().Color());
    EXPECT_EQ(clWhite, current->Color());
    EXPECT_FALSE(current->AutoSize());
    EXPECT_EQ(clBtnFace, Main<TEdit>("PropertiesEdt")->Color());
    EXPECT_EQ(clBtnFace, Main<TGroupBox>("GroupBox1")->Color());

    auto& tab = Main<TTabbedNotebook>("ControlsNbk")->TabFont();
    EXPECT_EQ("MS Sans Serif", tab.Name());
    EXPECT_EQ(-11, tab.Height());
    EXPECT_EQ(clBtnText, tab.Color());

    auto* version = Main<TLabel>("Label7");
    EXPECT_EQ("Times New Roman", version->Font().Name());
    EXPECT_EQ(-11, version->Font().Height());
    EXPECT_EQ(unsigned(fsBold), version->Font().Style());
    EXPECT_EQ(clWhite, version->Font().Color());
    EXPECT_TRUE(version->Transparent());
    // The version line shows whole within its label, at its own size when
    // that fits.
    EXPECT_LE(TextWidth(version->DrawFont(), version->Caption(), version->DrawTextFlags()), version->Width());
    if (TextWidth(version->Font().Handle(), version->Caption(), version->DrawTextFlags()) <= version->Width()) {
        EXPECT_EQ(version->Font().Handle(), version->DrawFont());
    }

    auto* panel = Main<TPanel>("Panel1");
    EXPECT_EQ(-25, panel->Font().Height());
    EXPECT_EQ(0u, panel->Font().Style());
    EXPECT_EQ(TBevelCut::bvLowered, panel->BevelInner());
    auto* daily = Main<TLabel>("Label6");
    EXPECT_EQ("MS Sans Serif", daily->Font().Name());
    EXPECT_EQ(-25, daily->Font().Height());
    EXPECT_EQ(unsigned(fsBold), daily->Font().Style());
    EXPECT_EQ(TAlignment::taCenter, daily->Alignment());
    // Over the panel's own caption: drawn on the panel's colour.
    EXPECT_FALSE(daily->Transparent());
    SIZE caption = TextSize(panel->Font(), panel->Caption());
    RECT label = daily->BoundsRect();
    EXPECT_LE(label.left, (panel->Width() - caption.cx) / 2);
    EXPECT_GE(label.right, (panel->Width() + caption.cx) / 2);
    EXPECT_LE(label.top, (panel->Height() - caption.cy) / 2);
    EXPECT_GE(label.bottom, (panel->Height() + caption.cy) / 2);

    auto* month = Main<TPanel>("MonthNamePnl");
    EXPECT_EQ(TBevelCut::bvLowered, month->BevelInner());
    EXPECT_EQ(TBorderStyle::bsSingle, month->BorderStyle());
    EXPECT_TRUE(GetWindowLongPtrA(month->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    auto* bevel = Main<TBevel>("Bevel1");
    EXPECT_EQ(TAlign::alTop, bevel->Align());
    EXPECT_EQ(TBevelShape::bsTopLine, bevel->Shape());
}

// Rows of a text's ink when drawn in the font: how tall it really shows.
int InkHeight(const TFont& font, const char* text) {
    const int size = 100;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = size;
    bi.bmiHeader.biHeight = -size;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldFont = SelectObject(dc, font.Handle());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 2, 2, text, lstrlenA(text));
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    int rows = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if ((pixels[y * size + x] & 0xFFFFFF) != 0xFFFFFF) {
                ++rows;
                break;
            }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return rows;
}

// The alarm text's font is a size that a system may lack of its face: it
// must still show at that size, not smaller nor spread out.
TEST_F(Windows, TheAlarmTextShowsAtItsSize) {
    auto* current = Main<TEdit>("CurrentEdt");
    // A digit takes most of the 32-pixel character height.
    EXPECT_GE(InkHeight(current->Font(), "8"), 22);
    EXPECT_LE(InkHeight(current->Font(), "8"), 34);
    EXPECT_GE(InkHeight(Main<TLabel>("Label6")->Font(), "D"), 16);
    // The window's own size of the face is drawn in the face itself.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, TimerFrm->Font().Handle());
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_STREQ("MS Sans Serif", face);
}

// The width of text in the font a window draws with (WM_GETFONT).
int ShownWidth(HWND h, const std::string& text) {
    return TextWidth(reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)), text, DT_NOPREFIX);
}

// The widest alarm texts this locale makes (two-digit days and months, the
// year as the locale writes it, the hour and minute form and, after a change
// of the system's settings, the locale's long time form with seconds and a
// morning or afternoon word), set by the program and typed: each shows whole,
// in bold, at the largest size that fits.
TEST_F(Windows, EveryAlarmTextShowsWhole) {
    auto* current = Main<TEdit>("CurrentEdt");
    HWND h = current->Handle();
    const std::string before = current->GetText();
    RECT client;
    GetClientRect(h, &client);
    // The room for the text: the client area within the margins, less the
    // caret's width after the last character (or the box scrolls).
    auto room = [&] {
        DWORD margins = static_cast<DWORD>(SendMessageA(h, EM_GETMARGINS, 0, 0));
        return client.right - LOWORD(margins) - HIWORD(margins) - 2;
    };
    std::vector<std::string> texts;
    for (int pass = 0; pass < 2; ++pass) {
        datetime::ScopedFormatSettings settings;
        if (pass == 1) datetime::LoadFormatSettings();
        else settings->TimePatternLong = "HH:MM";
        for (auto day : {datetime::MakeDate(2026, 12, 28), datetime::MakeDate(2088, 11, 30)})
            for (auto time : {datetime::MakeTime(23, 58, 0, 0), datetime::MakeTime(10, 48, 0, 0)})
                texts.push_back(datetime::DateText(day) + " " + datetime::TimeText(time));
        texts.push_back(datetime::TimeText(datetime::MakeTime(22, 58, 0, 0)));
    }
    TFont larger;
    larger.Assign(current->Font());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        SCOPED_TRACE(text);
        if (i % 2) {
            // Typed: the user's text goes through the window.
            SendMessageA(h, EM_SETSEL, 0, -1);
            SendMessageA(h, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        } else {
            current->SetText(text);
        }
        Pump();
        ASSERT_EQ(text, current->GetText());
        EXPECT_LE(ShownWidth(h, text), room());
        LOGFONTA shown{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)), sizeof shown, &shown);
        EXPECT_GE(shown.lfWeight, FW_BOLD);
        EXPECT_GE(current->ShownFontHeight(), current->Font().Height());
        if (current->ShownFontHeight() > current->Font().Height()) {
            // Shrunk: one pixel more would not fit.
            larger.SetHeight(current->ShownFontHeight() - 1);
            EXPECT_GT(TextWidth(larger.Handle(), text, DT_NOPREFIX), room());
        }
    }
    // A short text takes the full size back.
    current->SetText("7:05");
    Pump();
    EXPECT_EQ(current->Font().Height(), current->ShownFontHeight());
    current->SetText(before);
    Pump();
}

TEST_F(Windows, SlidersCalendarAndMonthArrowsAreSetUp) {
    struct Bar {
        const char* name;
        int min, max, frequency;
        TTickMark marks;
    };
    const Bar bars[] = {{"HourBar", 0, 23, 1, TTickMark::tmBoth},
                        {"MinuteBar", 0, 59, 2, TTickMark::tmBoth},
                        {"StartingTrackBar", 1, 10, 1, TTickMark::tmBottomRight}};
    for (const Bar& b : bars) {
        SCOPED_TRACE(b.name);
        auto* bar = Main<TTrackBar>(b.name);
        EXPECT_EQ(b.min, bar->Min());
        EXPECT_EQ(b.max, bar->Max());
        EXPECT_EQ(b.frequency, bar->Frequency());
        EXPECT_EQ(b.marks, bar->TickMarks());
        EXPECT_EQ(TTickStyle::tsAuto, bar->TickStyle());
        EXPECT_EQ(TTrackBarOrientation::trHorizontal, bar->Orientation());
        EXPECT_EQ(1, bar->LineSize());
        EXPECT_EQ(2, bar->PageSize());
        EXPECT_EQ(b.min, SendMessageA(bar->Handle(), TBM_GETRANGEMIN, 0, 0));
        EXPECT_EQ(b.max, SendMessageA(bar->Handle(), TBM_GETRANGEMAX, 0, 0));
        LONG_PTR style = GetWindowLongPtrA(bar->Handle(), GWL_STYLE);
        EXPECT_TRUE(style & TBS_AUTOTICKS);
        EXPECT_EQ(b.marks == TTickMark::tmBoth, (style & TBS_BOTH) != 0);
    }
    EXPECT_EQ(1, Main<TTrackBar>("StartingTrackBar")->Position());

    auto* cal = Main<TCalendar>("DayCal");
    EXPECT_EQ(0, static_cast<int>(cal->StartOfWeek()));
    EXPECT_TRUE(cal->UseCurrentDate());

    auto* sel = Main<TSpinButton>("MonthSel");
    EXPECT_TRUE(ShowsResource(sel->UpGlyph(), "MONTHSELUP"));
    EXPECT_TRUE(ShowsResource(sel->DownGlyph(), "MONTHSELDOWN"));
}

TEST_F(Windows, ButtonsShowTheirGlyphs) {
    struct Glyph {
        const char* name;
        const char* resource;
    };
    const Glyph glyphs[] = {{"SetBtn", "SETBTNGLYPH"},
                            {"CancelBtn", "CANCELBTNGLYPH"},
                            {"FindWavBtn", "FINDFILEGLYPH"},
                            {"FindExeBtn", "FINDFILEGLYPH"},
                            {"RunBtn", "RUNBTNGLYPH"}};
    for (const Glyph& g : glyphs) {
        auto* btn = Main<TBitBtn>(g.name);
        EXPECT_TRUE(ShowsResource(btn->Glyph().Bitmap(), g.resource)) << g.name;
        EXPECT_EQ(2, btn->NumGlyphs()) << g.name;  // normal and disabled
    }
    auto* splash = Main<TImage>("SplashImg");
    EXPECT_EQ("SPLASH", splash->Picture());
    EXPECT_TRUE(splash->Stretch());
}

TEST_F(Windows, MediaPlayersClockAndStatusBar) {
    auto* cd = Main<TMediaPlayer>("CDPlayer");
    EXPECT_FALSE(cd->Visible());
    EXPECT_FALSE(IsWindowVisible(cd->Handle()));
    EXPECT_TRUE(cd->VisibleButtons() == (TButtonSet{btPlay, btStop}));
    EXPECT_EQ(dtCDAudio, cd->DeviceType());
    EXPECT_TRUE(cd->Shareable());
    EXPECT_TRUE(cd->OnNotify);

    auto* wav = Main<TMediaPlayer>("WavPlayer");
    EXPECT_TRUE(wav->Visible());
    EXPECT_FALSE(wav->Enabled());
    EXPECT_TRUE(wav->VisibleButtons() == (TButtonSet{btPlay, btStop}));
    EXPECT_EQ(dtAutoSelect, wav->DeviceType());
    EXPECT_TRUE(wav->OnNotify);

    auto* clock = Main<TTimer>("Clock");
    EXPECT_EQ(0u, clock->Interval());
    EXPECT_TRUE(clock->OnTimer());

    auto* bar = Main<TStatusBar>("StatusBar");
    const char* text = "Use Calendar + Sliders to set Time.  Click \"Set!\" Button to Activate.";
    EXPECT_TRUE(bar->SimplePanel());
    EXPECT_EQ(text, bar->SimpleText());
    EXPECT_EQ(TAlign::alBottom, bar->Align());
    EXPECT_TRUE(SendMessageA(bar->Handle(), SB_ISSIMPLE, 0, 0));
    char shown[128] = {};
    SendMessageA(bar->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(text, shown);
}

TEST_F(Windows, EveryEventIsBoundToAHandlerAndNoOther) {
    EXPECT_TRUE(Main<TCalendar>("DayCal")->OnChange);
    EXPECT_TRUE(Main<TSpinButton>("MonthSel")->OnUpClick);
    EXPECT_TRUE(Main<TSpinButton>("MonthSel")->OnDownClick);
    EXPECT_TRUE(Main<TTabbedNotebook>("ControlsNbk")->OnChange);
    for (const char* name : {"HourBar", "MinuteBar", "StartingTrackBar"})
        EXPECT_TRUE(Main<TTrackBar>(name)->OnChange) << name;
    for (const char* name : {"UseDailyChk", "SetBtn", "CancelBtn", "UseCDChk", "UseWavChk", "FindWavBtn", "UseExeChk",
                             "FindExeBtn", "RunBtn"})
        EXPECT_TRUE(Main<TControl>(name)->OnClick) << name;
    for (const char* name : {"WavFileEdt", "ExeEdt"}) EXPECT_TRUE(Main<TEdit>(name)->OnChange) << name;
    // Controls that no code listens to.
    for (const char* name : {"CurrentEdt", "PropertiesEdt", "StartingTrackEdt"})
        EXPECT_FALSE(Main<TEdit>(name)->OnChange) << name;
    EXPECT_FALSE(Main<TMemo>("RemindersMmo")->OnChange);
    EXPECT_FALSE(Main<TControl>("MonthNamePnl")->OnClick);

    // The calendar and both sliders write the alarm text.
    auto* current = Main<TEdit>("CurrentEdt");
    for (TComponent* source : {static_cast<TComponent*>(Main<TCalendar>("DayCal")),
                               static_cast<TComponent*>(Main<TTrackBar>("HourBar")),
                               static_cast<TComponent*>(Main<TTrackBar>("MinuteBar"))}) {
        current->SetText("stale");
        if (auto* cal = dynamic_cast<TCalendar*>(source)) cal->OnChange(cal);
        else static_cast<TTrackBar*>(source)->OnChange(source);
        EXPECT_NE("stale", current->GetText()) << source->Name();
    }
}

// "Use" check boxes sit on the top border line of their group boxes, right of
// the group's caption, and show their whole text.
TEST_F(Windows, UseCheckBoxesSitOnTheirGroupBordersRightOfTheCaption) {
    for (const char* name : {"UseDailyChk", "UseCDChk", "UseWavChk", "UseExeChk"}) {
        SCOPED_TRACE(name);
        auto* chk = Main<TCheckBox>(name);
        auto* group = dynamic_cast<TGroupBox*>(chk->Parent());
        ASSERT_NE(nullptr, group);
        SIZE caption = TextSize(group->Font(), group->Caption());
        // The frame's top line runs through the middle of the caption.
        int line = caption.cy / 2;
        EXPECT_LE(chk->Top(), line);
        EXPECT_GE(chk->Top() + chk->Height(), line);
        // The caption starts a few pixels in from the left edge.
        EXPECT_GT(chk->Left(), 8 + caption.cx);
        EXPECT_LE(chk->Left() + chk->Width(), group->Width());
        SIZE text = TextSize(chk->Font(), chk->Caption());
        EXPECT_LE(GetSystemMetrics(SM_CXMENUCHECK) + 4 + text.cx, chk->Width());
    }
}

TEST_F(Windows, DailyPanelCoversCalendarMonthCaptionAndArrowsOnly) {
    auto* panel = Main<TPanel>("DailyAlarmPnl");
    auto* group = Main<TGroupBox>("SettingsGrp");
    RECT cover = panel->BoundsRect();
    auto inside = [&](const RECT& r) {
        return r.left >= cover.left && r.top >= cover.top && r.right <= cover.right && r.bottom <= cover.bottom;
    };
    for (const char* name : {"MonthNamePnl", "DayCal", "MonthSel"})
        EXPECT_TRUE(inside(Main<TControl>(name)->BoundsRect())) << name;
    RECT overlap;
    for (const char* name : {"HourBar", "MinuteBar", "Label2", "Label3"}) {
        RECT r = Main<TControl>(name)->BoundsRect();
        EXPECT_FALSE(IntersectRect(&overlap, &r, &cover)) << name;
    }

    // Shown, it lies above every control it covers.
    panel->SetVisible(true);
    for (const char* name : {"MonthNamePnl", "DayCal", "MonthSel"}) {
        RECT r = Main<TControl>(name)->BoundsRect();
        for (POINT p : {POINT{r.left + 1, r.top + 1}, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2},
                        POINT{r.right - 2, r.bottom - 2}})
            EXPECT_EQ(panel->Handle(), ChildWindowFromPointEx(group->Handle(), p, CWP_ALL))
                << name << " at " << p.x << ", " << p.y;
    }
    POINT hour{Main<TControl>("HourBar")->Left() + 5, Main<TControl>("HourBar")->Top() + 5};
    EXPECT_EQ(Main<TWinControl>("HourBar")->Handle(), ChildWindowFromPointEx(group->Handle(), hour, CWP_ALL));
    panel->SetVisible(false);
}

// The windows Tab stops at, walking the main window once round from h.
std::vector<HWND> TabStops(HWND from) {
    std::vector<HWND> stops;
    HWND h = from;
    for (int i = 0; i < 64; ++i) {
        h = GetNextDlgTabItem(TimerFrm->Handle(), h, FALSE);
        if (!h || h == from) break;
        stops.push_back(h);
    }
    return stops;
}

TEST_F(Windows, TabNeverStopsOnTheCalendarUnderTheDailyPanel) {
    auto* daily = Main<TCheckBox>("UseDailyChk");
    HWND calendar = Main<TWinControl>("DayCal")->Handle();
    HWND arrows = Main<TWinControl>("MonthSel")->Handle();
    auto count = [](const std::vector<HWND>& v, HWND h) { return std::count(v.begin(), v.end(), h); };
    std::vector<HWND> before = TabStops(daily->Handle());
    EXPECT_EQ(1, count(before, calendar));
    SendMessageA(daily->Handle(), BM_CLICK, 0, 0);
    Pump();
    ASSERT_TRUE(daily->Checked());
    std::vector<HWND> covered = TabStops(daily->Handle());
    EXPECT_EQ(0, count(covered, calendar));
    EXPECT_EQ(0, count(covered, arrows));
    EXPECT_EQ(1, count(covered, Main<TWinControl>("HourBar")->Handle()));
    SendMessageA(daily->Handle(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(before, TabStops(daily->Handle()));
}

TEST_F(Windows, WavPlayerLiesOverItsGroupLeftOfBrowse) {
    auto* wav = Main<TMediaPlayer>("WavPlayer");
    auto* group = Main<TGroupBox>("GroupBox3");
    RECT r = wav->BoundsRect(), g = group->BoundsRect(), overlap;
    EXPECT_TRUE(IntersectRect(&overlap, &r, &g));
    EXPECT_LT(r.right - g.left, Main<TControl>("FindWavBtn")->Left());
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_EQ(wav->Handle(), ChildWindowFromPointEx(wav->Parent()->Handle(), centre, CWP_ALL));
}

// ---------------------------------------------------------------- snooze window

// Runs act once the snooze window shows modally, then gives up after a while
// by closing it (so that a failure cannot hang the run).
struct ModalScript {
    std::function<void()> act;
    bool acted = false;
    int ticks = 0;
};
ModalScript* gScript = nullptr;

void CALLBACK ScriptTick(HWND, UINT, UINT_PTR, DWORD) {
    if (!gScript || !SnoozeFrm->Modal()) return;
    if (!gScript->acted) {
        gScript->acted = true;
        gScript->act();
    } else if (++gScript->ticks > 40) {
        ADD_FAILURE() << "the snooze window stayed open";
        SnoozeFrm->SetModalResult(mrCancel);
    }
}

void AskSnooze(std::function<void()> act) {
    ModalScript script;
    script.act = std::move(act);
    gScript = &script;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, ScriptTick);
    SnoozeFrm->ShowModal();
    KillTimer(nullptr, timer);
    gScript = nullptr;
    EXPECT_TRUE(script.acted);
    EXPECT_FALSE(SnoozeFrm->Visible());
    EXPECT_FALSE(IsWindowVisible(SnoozeFrm->Handle()));
}

void PressKey(HWND h, WPARAM key) {
    PostMessageA(h, WM_KEYDOWN, key, 1);
    PostMessageA(h, WM_KEYUP, key, 0xC0000001);
}

TEST_F(Windows, SnoozeWindowIsAStayOnTopDialogLaidOutAt120) {
    EXPECT_EQ("Awake yet ?", SnoozeFrm->Caption());
    EXPECT_EQ(200, SnoozeFrm->Left());
    EXPECT_EQ(108, SnoozeFrm->Top());
    RECT client;
    GetClientRect(SnoozeFrm->Handle(), &client);
    EXPECT_EQ(Scaled(518, 120), client.right);
    EXPECT_EQ(Scaled(107, 120), client.bottom);
    LONG_PTR style = GetWindowLongPtrA(SnoozeFrm->Handle(), GWL_STYLE);
    LONG_PTR ex = GetWindowLongPtrA(SnoozeFrm->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ("MS Sans Serif", SnoozeFrm->Font().Name());
    EXPECT_EQ(Scaled(-14, 120), SnoozeFrm->Font().Height());
    EXPECT_TRUE(SnoozeFrm->OnClose);

    struct Btn {
        const char* name;
        int left;
        const char* caption;
        const char* glyph;
        int tabOrder;
    };
    SnoozeFrm->Show();
    Pump();
    for (const Btn& b : {Btn{"SnoozeBtn", 286, "Let me snooze, dammit !", "SNOOZEBTNGLYPH", 0},
                         Btn{"AwakeBtn", 30, "OK, OK, I'm awake already !", "AWAKEBTNGLYPH", 1}}) {
        SCOPED_TRACE(b.name);
        auto* btn = SnoozeFrm->Find<TBitBtn>(b.name);
        EXPECT_EQ(SnoozeFrm, btn->Parent());
        EXPECT_EQ(Scaled(b.left, 120), btn->Left());
        EXPECT_EQ(Scaled(30, 120), btn->Top());
        EXPECT_EQ(Scaled(208, 120), btn->Width());
        EXPECT_EQ(Scaled(50, 120), btn->Height());
        EXPECT_EQ(b.caption, btn->Caption());
        EXPECT_TRUE(ShowsResource(btn->Glyph().Bitmap(), b.glyph));
        EXPECT_EQ(b.tabOrder, btn->TabOrder());
        EXPECT_FALSE(btn->Cancel());
        EXPECT_TRUE(btn->OnClick);
        // The caption, " !" included, and the glyph show whole on the button.
        EXPECT_TRUE(CaptionShowsWhole(btn->Handle(), b.caption));
    }
    SnoozeFrm->Hide();
    Pump();
    // Enter presses snooze; nothing answers Escape.
    EXPECT_TRUE(SnoozeFrm->Find<TBitBtn>("SnoozeBtn")->Default());
    EXPECT_FALSE(SnoozeFrm->Find<TBitBtn>("AwakeBtn")->Default());
    EXPECT_EQ(SnoozeFrm->Find<TControl>("SnoozeBtn"), SnoozeFrm->DefaultControl);
    EXPECT_EQ(nullptr, SnoozeFrm->CancelControl);
    EXPECT_EQ(SnoozeFrm->Find<TBitBtn>("AwakeBtn")->Handle(),
              GetNextDlgTabItem(SnoozeFrm->Handle(), SnoozeFrm->Find<TBitBtn>("SnoozeBtn")->Handle(), FALSE));
}

TEST_F(Windows, SnoozeAnswersComeFromTheButtonsAndTheCloseBoxKeepsTheLastOne) {
    auto* snooze = SnoozeFrm->Find<TBitBtn>("SnoozeBtn");
    auto* awake = SnoozeFrm->Find<TBitBtn>("AwakeBtn");
    auto closeBox = [] { PostMessageA(SnoozeFrm->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); };

    // Nothing answered since start-up: the close box counts as awake.
    EXPECT_FALSE(SnoozeFrm->SnoozeChosen);
    AskSnooze(closeBox);
    EXPECT_FALSE(SnoozeFrm->SnoozeChosen);

    AskSnooze([&] { SendMessageA(snooze->Handle(), BM_CLICK, 0, 0); });
    EXPECT_TRUE(SnoozeFrm->SnoozeChosen);
    AskSnooze(closeBox);
    EXPECT_TRUE(SnoozeFrm->SnoozeChosen);

    AskSnooze([&] { SendMessageA(awake->Handle(), BM_CLICK, 0, 0); });
    EXPECT_FALSE(SnoozeFrm->SnoozeChosen);
    AskSnooze(closeBox);
    EXPECT_FALSE(SnoozeFrm->SnoozeChosen);

    // The handlers themselves, as the description binds them.
    SnoozeFrm->SnoozeBtnClick(snooze);
    EXPECT_TRUE(SnoozeFrm->SnoozeChosen);
    SnoozeFrm->AwakeBtnClick(awake);
    EXPECT_FALSE(SnoozeFrm->SnoozeChosen);
    EXPECT_FALSE(SnoozeFrm->Visible());
}

TEST_F(Windows, KeysAnswerTheQuestionOnlyAfterItsFirstMomentAndEscapeNever) {
    auto* snooze = SnoozeFrm->Find<TBitBtn>("SnoozeBtn");
    auto* awake = SnoozeFrm->Find<TBitBtn>("AwakeBtn");
    // The last answer came from the other button, which had the focus then.
    AskSnooze([&] {
        awake->SetFocus();
        SendMessageA(awake->Handle(), BM_CLICK, 0, 0);
    });
    ASSERT_FALSE(SnoozeFrm->SnoozeChosen);

    // The keys' times are stamped here, so that what counts as the first
    // moment does not depend on how soon the script runs.
    DWORD stamp = 0;
    const int stamper = Application->AddMessageFilter([&](MSG& m) {
        if (stamp != 0 && m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) m.time = stamp;
        return false;
    });
    const DWORD before = GetTickCount();
    // Enter typed for another window just before the question came.
    PressKey(snooze->Handle(), VK_RETURN);
    bool openAtFirst = false, openAfterEscape = false;
    HWND focus = nullptr;
    AskSnooze([&] {
        const DWORD now = GetTickCount();  // the question is showing
        focus = GetFocus();
        HWND to = focus ? focus : snooze->Handle();
        auto settle = [] {
            for (int i = 0; i < 5; ++i) {
                Pump();
                Sleep(10);
            }
        };
        // Within the first moment neither Enter nor Space answers.
        stamp = before + SnoozeFrm->KeyGuardMs - 1;
        PressKey(to, VK_RETURN);
        PressKey(to, VK_SPACE);
        settle();
        // Nor does a key held down from before, when it repeats later.
        stamp = now + SnoozeFrm->KeyGuardMs;
        PostMessageA(to, WM_KEYDOWN, VK_RETURN, 1 | (1L << 30));
        settle();
        openAtFirst = SnoozeFrm->Modal() && IsWindowVisible(SnoozeFrm->Handle());
        // Afterwards Escape still does nothing and Enter snoozes.
        PressKey(to, VK_ESCAPE);
        settle();
        openAfterEscape = SnoozeFrm->Modal() && IsWindowVisible(SnoozeFrm->Handle());
        PressKey(to, VK_RETURN);
    });
    Application->RemoveMessageFilter(stamper);
    EXPECT_EQ(snooze->Handle(), focus);
    EXPECT_TRUE(openAtFirst);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(SnoozeFrm->SnoozeChosen);
}

// ---------------------------------------------------------------- reminders window

TEST_F(Windows, RemindersWindowIsLaidOutAt120WithTheMemoLeftOfTheStrip) {
    EXPECT_EQ("Reminders", RemindersFrm->Caption());
    EXPECT_EQ(298, RemindersFrm->Left());
    EXPECT_EQ(107, RemindersFrm->Top());
    RECT outer;
    GetWindowRect(RemindersFrm->Handle(), &outer);
    EXPECT_EQ(Scaled(371, 120), outer.right - outer.left);
    EXPECT_EQ(Scaled(364, 120), outer.bottom - outer.top);
    LONG_PTR style = GetWindowLongPtrA(RemindersFrm->Handle(), GWL_STYLE);
    EXPECT_EQ(WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
              style & (WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(Scaled(-14, 120), RemindersFrm->Font().Height());
    EXPECT_FALSE(RemindersFrm->ShowHint());

    auto* memo = RemindersFrm->Find<TMemo>("RemindersMmo");
    auto* panel = RemindersFrm->Find<TPanel>("Panel1");
    auto* ok = RemindersFrm->Find<TBitBtn>("OKBtn");
    EXPECT_EQ(RemindersFrm, memo->Parent());
    EXPECT_EQ(RemindersFrm, panel->Parent());
    EXPECT_EQ(panel, ok->Parent());
    RECT client;
    GetClientRect(RemindersFrm->Handle(), &client);
    EXPECT_EQ(TAlign::alRight, panel->Align());
    EXPECT_EQ(Scaled(99, 120), panel->Width());
    EXPECT_EQ(client.right - panel->Width(), panel->Left());
    EXPECT_EQ(0, panel->Top());
    EXPECT_EQ(client.bottom, panel->Height());
    EXPECT_EQ(TBevelCut::bvNone, panel->BevelOuter());
    EXPECT_EQ("", panel->Caption());
    EXPECT_EQ(1, panel->TabOrder());
    EXPECT_EQ(TAlign::alClient, memo->Align());
    EXPECT_EQ(0, memo->Left());
    EXPECT_EQ(0, memo->Top());
    EXPECT_EQ(panel->Left(), memo->Width());
    EXPECT_EQ(client.bottom, memo->Height());
    EXPECT_EQ(0, memo->TabOrder());

    EXPECT_EQ(Scaled(5, 120), ok->Left());
    EXPECT_EQ(Scaled(5, 120), ok->Top());
    EXPECT_EQ(Scaled(92, 120), ok->Width());
    EXPECT_EQ(Scaled(31, 120), ok->Height());
    EXPECT_EQ("OK", ok->Caption());
    EXPECT_EQ("Close form.", ok->Hint());
    EXPECT_TRUE(ShowsResource(ok->Glyph().Bitmap(), "OKBTNGLYPH"));
    EXPECT_EQ(0, ok->TabOrder());

    EXPECT_EQ("MS Sans Serif", memo->Font().Name());
    EXPECT_EQ(Scaled(-15, 120), memo->Font().Height());
    EXPECT_EQ(clBlack, memo->Font().Color());
    EXPECT_EQ(TScrollStyle::ssBoth, memo->ScrollBars());
    EXPECT_EQ(WS_HSCROLL | WS_VSCROLL, GetWindowLongPtrA(memo->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_FALSE(memo->ReadOnly());
    ASSERT_EQ(1, memo->Lines().Count());
    EXPECT_EQ("", memo->Lines().Strings(0));
}

TEST_F(Windows, WideningTheRemindersWindowWidensTheMemoAndKeepsOkInTheStrip) {
    auto* memo = RemindersFrm->Find<TMemo>("RemindersMmo");
    auto* panel = RemindersFrm->Find<TPanel>("Panel1");
    auto* ok = RemindersFrm->Find<TBitBtn>("OKBtn");
    RemindersFrm->Show();
    Pump();
    RECT outer;
    GetWindowRect(RemindersFrm->Handle(), &outer);
    int memoWidth = memo->Width(), panelWidth = panel->Width();
    SetWindowPos(RemindersFrm->Handle(), nullptr, 0, 0, outer.right - outer.left + 200, outer.bottom - outer.top + 60,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    RECT client;
    GetClientRect(RemindersFrm->Handle(), &client);
    EXPECT_EQ(memoWidth + 200, memo->Width());
    EXPECT_EQ(client.bottom, memo->Height());
    EXPECT_EQ(panelWidth, panel->Width());
    EXPECT_EQ(client.right - panelWidth, panel->Left());
    EXPECT_EQ(client.bottom, panel->Height());
    // The button's window lies in the strip, right of the memo.
    RECT memoRect, okRect;
    GetWindowRect(memo->Handle(), &memoRect);
    GetWindowRect(ok->Handle(), &okRect);
    EXPECT_GE(okRect.left, memoRect.right);
    EXPECT_EQ(Scaled(5, 120), WindowPlace(ok).left);
    SetWindowPos(RemindersFrm->Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    EXPECT_EQ(memoWidth, memo->Width());

    // Hints are not shown in this window; OK hides it.
    ASSERT_NE(nullptr, TFormHints::Of(*RemindersFrm));
    EXPECT_EQ("", TFormHints::Of(*RemindersFrm)->HintFor(*ok));
    SendMessageA(ok->Handle(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(RemindersFrm->Visible());
    EXPECT_FALSE(IsWindowVisible(RemindersFrm->Handle()));
    EXPECT_FALSE(Application->Terminated());
}

// ---------------------------------------------------------------- about box

TEST_F(Windows, AboutBoxShowsThePictureTheContactLinesAndOk) {
    EXPECT_EQ("About Dawnbell", AboutFrm->Caption());
    EXPECT_EQ(200, AboutFrm->Left());
    EXPECT_EQ(108, AboutFrm->Top());
    RECT client;
    GetClientRect(AboutFrm->Handle(), &client);
    EXPECT_EQ(435, client.right);
    EXPECT_EQ(195, client.bottom);
    LONG_PTR style = GetWindowLongPtrA(AboutFrm->Handle(), GWL_STYLE);
    EXPECT_TRUE(GetWindowLongPtrA(AboutFrm->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(-11, AboutFrm->Font().Height());

    EXPECT_EQ(TBevelShape::bsFrame, AboutFrm->Find<TBevel>("Bevel1")->Shape());
    auto* splash = AboutFrm->Find<TImage>("Splash");
    EXPECT_EQ("SPLASH", splash->Picture());
    EXPECT_TRUE(splash->Center());
    EXPECT_FALSE(splash->Stretch());
    EXPECT_EQ(240, splash->PictureSize().cx);
    EXPECT_EQ(180, splash->PictureSize().cy);
    auto* version = AboutFrm->Find<TLabel>("Label6");
    EXPECT_EQ("Version 2.0", version->Caption());
    EXPECT_EQ("Times New Roman", version->Font().Name());
    EXPECT_EQ(unsigned(fsBold), version->Font().Style());
    EXPECT_EQ(clWhite, version->Font().Color());
    EXPECT_TRUE(version->Transparent());
    // The version line shows whole within its label, at its own size when
    // that fits.
    EXPECT_LE(TextWidth(version->DrawFont(), version->Caption(), version->DrawTextFlags()), version->Width());
    if (TextWidth(version->Font().Handle(), version->Caption(), version->DrawTextFlags()) <= version->Width()) {
        EXPECT_EQ(version->Font().Handle(), version->DrawFont());
    }

    auto* memo = AboutFrm->Find<TMemo>("Memo1");
    EXPECT_FALSE(memo->Enabled());
    EXPECT_FALSE(IsWindowEnabled(memo->Handle()));
    EXPECT_EQ(TBorderStyle::bsNone, memo->BorderStyle());
    EXPECT_FALSE(GetWindowLongPtrA(memo->Handle(), GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrA(memo->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(clBtnFace, memo->Color());
    EXPECT_EQ(-11, memo->Font().Height());
    EXPECT_EQ(unsigned(fsBold), memo->Font().Style());
    EXPECT_EQ(clBlack, memo->Font().Color());
    EXPECT_EQ(2, memo->TabOrder());
    // Six lines, each whole on one line of the memo.
    ASSERT_EQ(6, memo->Lines().Count());
    RECT area;
    SendMessageA(memo->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    for (int i = 0; i < 6; ++i) {
        std::string line = memo->Lines().Strings(i);
        EXPECT_FALSE(line.empty()) << i;
        EXPECT_LE(TextSize(memo->Font(), line).cx, area.right - area.left) << line;
    }
    // No line wraps: six lines and the empty one after the last line break.
    EXPECT_EQ(7, SendMessageA(memo->Handle(), EM_GETLINECOUNT, 0, 0));
    EXPECT_LE(6 * TextSize(memo->Font(), "Ag").cy, memo->Height());
    bool web = false, mail = false, freeSoftware = false;
    for (int i = 0; i < 6; ++i) {
        std::string line = memo->Lines().Strings(i);
        web = web || line.find("www.example.com") != std::string::npos;
        mail = mail || line.find("@example.com") != std::string::npos;
        freeSoftware = freeSoftware || line.find("free software") != std::string::npos;
    }
    EXPECT_TRUE(web);
    EXPECT_TRUE(mail);
    EXPECT_TRUE(freeSoftware);

    auto* ok = AboutFrm->Find<TBitBtn>("BitBtn1");
    EXPECT_EQ("OK", ok->Caption());
    EXPECT_TRUE(ShowsResource(ok->Glyph().Bitmap(), "OKBTNGLYPH"));
    EXPECT_EQ(0, ok->TabOrder());
    AboutFrm->Show();
    Pump();
    EXPECT_TRUE(IsWindowVisible(AboutFrm->Handle()));
    SendMessageA(ok->Handle(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(AboutFrm->Visible());
    EXPECT_FALSE(IsWindowVisible(AboutFrm->Handle()));
    // Its close box hides it too, and the program goes on.
    AboutFrm->Show();
    Pump();
    SendMessageA(AboutFrm->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_FALSE(AboutFrm->Visible());
    EXPECT_FALSE(Application->Terminated());
}

}  // namespace
