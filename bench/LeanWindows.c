/* The lean reference for Dawnbell's start-up: the same four windows made the
   plainest way Win32 allows, with no toolkit. The main window with its menu,
   the notebook and both pages, the group boxes, check boxes, picture buttons,
   edit boxes, memo, three track bars, status bar and tool tips, one small
   window class each for the calendar, the spin button and the media players,
   each distinct font once; the about, reminders and snooze windows are made
   hidden. scripts/bench --startup starts it beside Dawnbell and the empty
   window: what Dawnbell costs beyond this is the toolkit's. */
#include <windows.h>
#include <commctrl.h>

enum { kMain, kPage0, kPage1, kDaily, kPanel1, kAbout, kReminders, kRemPanel, kSnooze, kParents };
enum { fDialog, fBig, fTimesBold, fPanel, fPanelBold, fSmall14, fMemo15, fDialogBold, kFonts };

typedef struct {
    unsigned char parent;
    const char* cls;
    const char* text;
    DWORD style;
    short x, y, w, h;
    unsigned char font;
    const char* picture; /* button glyph or static bitmap */
    const char* hint;
} Child;

#define BTN (WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON)
#define CHK (WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX)
#define GRP (WS_CHILD | WS_VISIBLE | BS_GROUPBOX)
#define EDT (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL)
#define MMO (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL)
#define LBL (WS_CHILD | WS_VISIBLE | SS_LEFT)
#define BAR (WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS)
#define OFF WS_DISABLED

static const char kFind[] = "FINDFILEGLYPH";
static const char kOk[] = "OKBTNGLYPH";

/* Places are in each parent's client area; group box contents are children
   of the page with the group's offset added, as a plain program would do. */
static const Child kChildren[] = {
    {kMain, "Static", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, 0, 419, 1, fDialog, 0, 0},
    {kMain, "Button", "Current Setting:", GRP, 8, 8, 401, 97, fDialog, 0, 0},
    {kMain, "Button", "Use Daily", CHK, 307, 8, 72, 14, fDialog, 0, "Check on to set a daily alarm."},
    {kMain, "Button", "Set !", BTN, 310, 32, 75, 33, fDialog, "SETBTNGLYPH", "Set Alarm ON."},
    {kMain, "Button", "Cancel", BTN, 310, 72, 75, 21, fDialog, "CANCELBTNGLYPH", "Set Alarm OFF."},
    {kMain, "Edit", "", EDT, 24, 32, 273, 41, fBig, 0, "Current alarm setting."},
    {kMain, "Edit", "Silent Alarm:  No Properties Set.", EDT | ES_READONLY, 24, 72, 273, 21, fDialog, 0,
     "Current Alarm Properties"},
    /* page 0 */
    {kPage0, "Button", "Set Date/Time:", GRP, 0, 16, 385, 249, fDialog, 0, 0},
    {kPage0, "Static", "", LBL | SS_SUNKEN | SS_CENTER, 16, 40, 329, 21, fDialog, 0, 0},
    {kPage0, "LeanCalendar", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 16, 58, 337, 101, fDialog, 0,
     "Select day for alarm."},
    {kPage0, "LeanSpin", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 344, 40, 25, 119, fDialog, 0,
     "Select Month for alarm."},
    {kPage0, "Static", "Hour:", LBL, 16, 184, 41, 17, fDialog, 0, 0},
    {kPage0, TRACKBAR_CLASSA, "", BAR | TBS_BOTH, 88, 168, 185, 45, fDialog, 0, "Select hour for alarm."},
    {kPage0, "Static", "Minute:", LBL, 16, 232, 41, 17, fDialog, 0, 0},
    {kPage0, TRACKBAR_CLASSA, "", BAR | TBS_BOTH, 88, 216, 273, 45, fDialog, 0, "Select minute for alarm."},
    /* the daily panel, hidden until "Use Daily" is ticked */
    {kDaily, "Static", "SPLASH", WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_REALSIZECONTROL, 7, 7, 247, 117, fDialog,
     "SPLASH", 0},
    {kDaily, "Static", "Version 2.0", LBL, 195, 106, 59, 13, fTimesBold, 0, 0},
    {kPanel1, "Static", "Daily Alarm", WS_CHILD | WS_VISIBLE | SS_CENTER, 16, 26, 81, 55, fPanelBold, 0, 0},
    /* page 1 */
    {kPage1, "Button", "CD Control", GRP, 8, 4, 185, 89, fDialog, 0, 0},
    {kPage1, TRACKBAR_CLASSA, "", BAR | OFF, 16, 20, 169, 41, fDialog, 0, "Select starting track."},
    {kPage1, "Static", "Starting Track:", LBL, 72, 60, 57, 25, fDialog, 0, 0},
    {kPage1, "Edit", "1", EDT | OFF, 152, 60, 25, 21, fDialog, 0, "Track CD play will start at."},
    {kPage1, "Button", "Use CD", CHK, 112, 4, 65, 17, fDialog, 0, "Check on to use CD for alarm."},
    {kPage1, "LeanPlayer", "", WS_CHILD, 8, 64, 57, 25, fDialog, 0, 0},
    {kPage1, "Button", "Play .wav File:", GRP, 8, 104, 185, 73, fDialog, 0, 0},
    {kPage1, "Edit", "", EDT | OFF, 24, 120, 153, 21, fDialog, 0, "Path of .wav file to play for alarm."},
    {kPage1, "Button", "Browse", BTN | OFF, 104, 144, 75, 25, fDialog, kFind, "Browse file system to locate .wav file."},
    {kPage1, "Button", "Use .wav", CHK, 112, 104, 73, 17, fDialog, 0, "Check to use .wav file for alarm."},
    {kPage1, "Button", "Reminders:", GRP, 208, 4, 185, 261, fDialog, 0, 0},
    {kPage1, "Edit", "", MMO, 216, 20, 169, 233, fDialog, 0, "List of reminders to show on alarm."},
    {kPage1, "LeanPlayer", "", WS_CHILD | WS_VISIBLE | OFF, 24, 144, 57, 25, fDialog, 0, "Play/Stop .wav file."},
    {kPage1, "Button", "Run .exe:", GRP, 8, 192, 185, 73, fDialog, 0, 0},
    {kPage1, "Edit", "", EDT | OFF, 24, 208, 153, 21, fDialog, 0, "Path of .wav file to play for alarm."},
    {kPage1, "Button", "Browse", BTN | OFF, 104, 232, 75, 25, fDialog, kFind, "Browse file system to locate .wav file."},
    {kPage1, "Button", "Use .exe", CHK, 112, 192, 73, 17, fDialog, 0, "Check to use .wav file for alarm."},
    {kPage1, "Button", "", BTN | OFF, 24, 232, 41, 25, fDialog, "RUNBTNGLYPH", "Browse file system to locate .wav file."},
    /* about box */
    {kAbout, "Static", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, 0, 0, 257, 193, fDialog, 0, 0},
    {kAbout, "Static", "SPLASH", WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE, 8, 8, 241, 177, fDialog,
     "SPLASH", 0},
    {kAbout, "Static", "Version 2.0", LBL, 169, 156, 59, 13, fTimesBold, 0, 0},
    {kAbout, "Edit",
     "Dawnbell Version 2.0\r\nby Tessa Marlowe\r\nwww.example.com\r\ntessa@example.com\r\n"
     "This is free software.\r\nShare it freely.",
     WS_CHILD | WS_VISIBLE | ES_MULTILINE | OFF, 264, 24, 153, 81, fDialogBold, 0, 0},
    {kAbout, "Button", "OK", BTN | BS_DEFPUSHBUTTON, 352, 168, 75, 25, fDialog, kOk, 0},
    /* reminders window (laid out for 120 pixels per inch, shown at 96) */
    {kReminders, "Edit", "", MMO, 0, 0, 211, 266, fMemo15, 0, 0},
    {kRemPanel, "Button", "OK", BTN, 4, 4, 74, 25, fSmall14, kOk, 0},
    /* snooze window (the same scaling) */
    {kSnooze, "Button", "Let me snooze, dammit !", BTN | BS_DEFPUSHBUTTON, 229, 24, 166, 40, fSmall14,
     "SNOOZEBTNGLYPH", 0},
    {kSnooze, "Button", "OK, OK, I'm awake already !", BTN, 24, 24, 166, 40, fSmall14, "AWAKEBTNGLYPH", 0},
};

static HWND parents[kParents];
static HWND made[sizeof kChildren / sizeof kChildren[0]];
static HWND tabs, tips;

static LRESULT CALLBACK MainProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(w) == 4) DestroyWindow(h);
        break;
    case WM_NOTIFY:
        if (((NMHDR*)l)->hwndFrom == tabs && ((NMHDR*)l)->code == TCN_SELCHANGE) {
            int page = TabCtrl_GetCurSel(tabs);
            ShowWindow(parents[kPage0], page == 0 ? SW_SHOW : SW_HIDE);
            ShowWindow(parents[kPage1], page == 1 ? SW_SHOW : SW_HIDE);
        }
        break;
    case WM_CTLCOLORSTATIC:
        return (LRESULT)GetSysColorBrush(COLOR_BTNFACE);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(h, msg, w, l);
}

static LRESULT CALLBACK HiddenProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_CLOSE) {
        ShowWindow(h, SW_HIDE);
        return 0;
    }
    return DefWindowProcA(h, msg, w, l);
}

/* The calendar, spin button and players are drawn by their own code in
   Dawnbell; here each is a window that paints a frame and, for the spin
   button, its two arrow pictures. */
static HBITMAP spinUp, spinDown;

static LRESULT CALLBACK CustomProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        RECT r;
        HDC dc = BeginPaint(h, &ps);
        GetClientRect(h, &r);
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        if (GetWindowLongPtrA(h, GWLP_USERDATA)) {
            HDC mem = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(mem, spinUp);
            BitBlt(dc, 8, r.bottom / 4, 9, 6, mem, 0, 0, SRCCOPY);
            SelectObject(mem, spinDown);
            BitBlt(dc, 8, 3 * r.bottom / 4, 9, 6, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteDC(mem);
        }
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProcA(h, msg, w, l);
}

static void Register(HINSTANCE inst, const char* name, WNDPROC proc, HICON icon) {
    WNDCLASSA wc = {0};
    wc.lpfnWndProc = proc;
    wc.hInstance = inst;
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

static HWND Top(HINSTANCE inst, const char* cls, const char* title, DWORD style, DWORD ex, int x, int y, int cw,
                int ch, HMENU menu) {
    RECT r = {0, 0, cw, ch};
    AdjustWindowRectEx(&r, style, menu != NULL, ex);
    return CreateWindowExA(ex, cls, title, style, x, y, r.right - r.left, r.bottom - r.top, NULL, menu, inst, NULL);
}

static HWND Sub(HWND parent, const char* cls, DWORD style, int x, int y, int w, int h, HINSTANCE inst) {
    return CreateWindowExA(0, cls, "", WS_CHILD | style, x, y, w, h, parent, NULL, inst, NULL);
}

static HMENU Menu(HACCEL* accel) {
    static ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'S', 1}, {FVIRTKEY | FCONTROL, 'C', 2},
                           {FVIRTKEY | FCONTROL, 'N', 3}, {FVIRTKEY | FCONTROL, 'Q', 4}};
    HMENU bar = CreateMenu(), alarm = CreatePopupMenu(), help = CreatePopupMenu();
    AppendMenuA(alarm, MF_STRING, 1, "&Set\tCtrl+S");
    AppendMenuA(alarm, MF_STRING, 2, "&Cancel\tCtrl+C");
    AppendMenuA(alarm, MF_SEPARATOR, 0, NULL);
    AppendMenuA(alarm, MF_STRING, 3, "&New Dawnbell...\tCtrl+N");
    AppendMenuA(alarm, MF_SEPARATOR, 0, NULL);
    AppendMenuA(alarm, MF_STRING, 4, "&Exit\tCtrl+Q");
    AppendMenuA(help, MF_STRING, 5, "&Contents");
    AppendMenuA(help, MF_STRING, 6, "&About");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)alarm, "&Alarm");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)help, "&Help");
    *accel = CreateAcceleratorTableA(keys, 4);
    return bar;
}

static HFONT Font(int height, int bold, const char* face) {
    return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE prev, LPSTR cmd, int show) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    HFONT fonts[kFonts];
    HACCEL accel;
    HICON icon = LoadIconA(inst, "MAINICON");
    SYSTEMTIME now;
    char text[64], date[32];
    TCITEMA item;
    MSG msg;
    size_t i;
    (void)prev;
    (void)cmd;
    InitCommonControlsEx(&icc);
    ZeroMemory(&item, sizeof item);
    item.mask = TCIF_TEXT;
    spinUp = LoadBitmapA(inst, "MONTHSELUP");
    spinDown = LoadBitmapA(inst, "MONTHSELDOWN");
    fonts[fDialog] = Font(-11, 0, "MS Sans Serif");
    fonts[fBig] = Font(-32, 1, "MS Sans Serif");
    fonts[fTimesBold] = Font(-11, 1, "Times New Roman");
    fonts[fPanel] = Font(-25, 0, "MS Sans Serif");
    fonts[fPanelBold] = Font(-25, 1, "MS Sans Serif");
    fonts[fSmall14] = Font(-11, 0, "MS Sans Serif");
    fonts[fMemo15] = Font(-12, 0, "MS Sans Serif");
    fonts[fDialogBold] = Font(-11, 1, "MS Sans Serif");

    Register(inst, "LeanMain", MainProc, icon);
    Register(inst, "LeanHidden", HiddenProc, icon);
    Register(inst, "LeanPage", DefWindowProcA, NULL);
    Register(inst, "LeanCalendar", CustomProc, NULL);
    Register(inst, "LeanSpin", CustomProc, NULL);
    Register(inst, "LeanPlayer", CustomProc, NULL);

    parents[kMain] = Top(inst, "LeanMain", "LeanWindows", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                         227, 103, 419, 460, Menu(&accel));
    tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 8, 120, 401,
                           305, parents[kMain], NULL, inst, NULL);
    SendMessageA(tabs, WM_SETFONT, (WPARAM)fonts[fDialog], 0);
    item.pszText = "Alarm Settings";
    SendMessageA(tabs, TCM_INSERTITEMA, 0, (LPARAM)&item);
    item.pszText = "Properties";
    SendMessageA(tabs, TCM_INSERTITEMA, 1, (LPARAM)&item);
    parents[kPage0] = Sub(tabs, "LeanPage", WS_VISIBLE | WS_CLIPSIBLINGS, 4, 24, 393, 277, inst);
    parents[kPage1] = Sub(tabs, "LeanPage", WS_CLIPSIBLINGS, 4, 24, 393, 277, inst);
    parents[kDaily] = Sub(parents[kPage0], "Static", SS_SUNKEN, 7, 34, 371, 130, inst);
    parents[kPanel1] = Sub(parents[kDaily], "Static", WS_VISIBLE | SS_SUNKEN, 254, 7, 111, 117, inst);
    SendMessageA(parents[kPanel1], WM_SETFONT, (WPARAM)fonts[fPanel], 0);
    parents[kAbout] = Top(inst, "LeanHidden", "About Dawnbell", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                          WS_EX_DLGMODALFRAME, 200, 108, 435, 195, NULL);
    parents[kReminders] = Top(inst, "LeanHidden", "Reminders", WS_OVERLAPPEDWINDOW, 0, 298, 107, 290, 266, NULL);
    parents[kRemPanel] = Sub(parents[kReminders], "Static", WS_VISIBLE, 211, 0, 79, 266, inst);
    parents[kSnooze] = Top(inst, "LeanHidden", "Awake yet ?", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                           WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, 200, 108, 414, 86, NULL);

    tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parents[kMain], NULL, inst, NULL);
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_INITIAL, 500);
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_RESHOW, 50);
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2500);

    for (i = 0; i < sizeof kChildren / sizeof kChildren[0]; ++i) {
        const Child* c = &kChildren[i];
        HWND h = made[i] = CreateWindowExA(0, c->cls, c->text, c->style, c->x, c->y, c->w, c->h, parents[c->parent],
                                           NULL, inst, NULL);
        SendMessageA(h, WM_SETFONT, (WPARAM)fonts[c->font], 0);
        if (c->picture && lstrcmpA(c->cls, "Button") == 0) {
            HANDLE glyph = LoadImageA(inst, c->picture, IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS);
            SendMessageA(h, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)glyph);
        } else if (c->picture) {
            SendMessageA(h, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)LoadBitmapA(inst, c->picture));
        }
        if (lstrcmpA(c->cls, "LeanSpin") == 0) SetWindowLongPtrA(h, GWLP_USERDATA, 1);
        if (c->hint) {
            TOOLINFOA tool;
            ZeroMemory(&tool, sizeof tool);
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = parents[kMain];
            tool.uId = (UINT_PTR)h;
            tool.lpszText = (char*)c->hint;
            SendMessageA(tips, TTM_ADDTOOLA, 0, (LPARAM)&tool);
        }
        if (lstrcmpA(c->cls, TRACKBAR_CLASSA) == 0) {
            int page1 = c->parent == kPage1, minute = c->w == 273;
            GetLocalTime(&now);
            SendMessageA(h, TBM_SETRANGE, FALSE, MAKELPARAM(page1 ? 1 : 0, page1 ? 10 : minute ? 59 : 23));
            SendMessageA(h, TBM_SETTICFREQ, minute ? 2 : 1, 0);
            SendMessageA(h, TBM_SETPOS, TRUE, page1 ? 1 : minute ? now.wMinute : now.wHour);
        }
    }
    /* The alarm text and the month caption, from the locale. */
    GetLocalTime(&now);
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, NULL, date, sizeof date);
    wsprintfA(text, "%s %02d:%02d", date, now.wHour, now.wMinute);
    SetWindowTextA(made[5], text); /* the alarm text */
    GetDateFormatA(LOCALE_USER_DEFAULT, 0, &now, "MMMM yyyy", date, sizeof date);
    SetWindowTextA(made[8], date); /* the month caption */
    {
        HWND status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parents[kMain],
                                      NULL, inst, NULL);
        SendMessageA(status, WM_SETFONT, (WPARAM)fonts[fDialog], 0);
        SendMessageA(status, SB_SIMPLE, TRUE, 0);
        SendMessageA(status, SB_SETTEXTA, SB_SIMPLEID,
                     (LPARAM) "Use Calendar + Sliders to set Time.  Click \"Set!\" Button to Activate.");
    }
    ShowWindow(parents[kMain], show);
    UpdateWindow(parents[kMain]);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (TranslateAcceleratorA(parents[kMain], accel, &msg)) continue;
        if (IsDialogMessageA(parents[kMain], &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
