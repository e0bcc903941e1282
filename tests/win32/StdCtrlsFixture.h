// A window built from a description that holds one of each standard control,
// laid out like the main window's "Current Setting:" group and its two
// notebook pages, with counters for the events its handlers receive. Shared
// by the tests of the standard controls.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Bevel.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/Panel.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabbedNotebook.h"
#include "toolkit/TrackBar.h"

class TStdFrm : public TForm {
public:
    explicit TStdFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TStdFrm"; }

    int dailyClicks = 0;
    std::vector<bool> dailyStates;  // Checked as each click saw it
    int currentChanges = 0;
    std::vector<std::string> currentTexts;  // the text each change left
    int hourChanges = 0;
    int trackChanges = 0;
    std::vector<int> newTabs;
    int pageWhenAsked = -1;
    bool allowPageChange = true;
    int buttonClicks = 0;

protected:
    void RegisterHandlers(HandlerTable& h) override;
};

inline const char kStdFormText[] = R"(
TStdFrm StdFrm {
  Left = 40 Top = 30 ClientWidth = 419 ClientHeight = 460
  Caption = "Standard controls" BorderStyle = bsSingle BorderIcons = [biSystemMenu, biMinimize]
  Font.Name = "MS Sans Serif" Font.Height = -11 Font.Color = clWindowText PixelsPerInch = 96
  ShowHint = true
  TBevel Bevel1 { Left = 0 Top = 0 Width = 419 Height = 1 Align = alTop Shape = bsTopLine }
  TGroupBox GroupBox1 {
    Left = 8 Top = 8 Width = 401 Height = 97 Caption = "Current Setting:" Color = clBtnFace TabOrder = 2
    TCheckBox UseDailyChk {
      Left = 299 Top = 0 Width = 72 Height = 14 Caption = "Use Daily"
      Hint = "Check on to set a daily alarm." TabOrder = 0 OnClick = UseDailyChkClick
    }
    TBitBtn SetBtn {
      Left = 302 Top = 24 Width = 75 Height = 33 Caption = "Set !" Hint = "Set Alarm ON."
      Glyph = "SETBTNGLYPH" TabOrder = 1 OnClick = ButtonClick
    }
    TBitBtn CancelBtn {
      Left = 302 Top = 64 Width = 75 Height = 21 Caption = "Cancel" Hint = "Set Alarm OFF."
      Glyph = "CANCELBTNGLYPH" TabOrder = 2
    }
    TEdit CurrentEdt {
      Left = 16 Top = 24 Width = 273 Height = 41 Text = "CurrentEdt" Hint = "Current alarm setting."
      AutoSize = false Font.Name = "MS Sans Serif" Font.Height = -32 Font.Style = [fsBold]
      Font.Color = clBlack Color = clWhite TabOrder = 3 OnChange = CurrentEdtChange
    }
    TEdit PropertiesEdt {
      Left = 16 Top = 64 Width = 273 Height = 21 Text = "Silent Alarm:  No Properties Set."
      Hint = "Current Alarm Properties" ReadOnly = true Color = clBtnFace TabStop = false TabOrder = 4
    }
  }
  TTabbedNotebook ControlsNbk {
    Left = 8 Top = 120 Width = 401 Height = 305
    TabFont.Name = "MS Sans Serif" TabFont.Height = -11 TabFont.Color = clBtnText
    TabOrder = 0 OnChange = ControlsNbkChange
    TTabPage Page0 {
      Caption = "Alarm Settings"
      TGroupBox SettingsGrp {
        Left = 0 Top = 16 Width = 385 Height = 249 Caption = "Set Date/Time:" TabOrder = 0
        TPanel MonthNamePnl {
          Left = 16 Top = 24 Width = 329 Height = 21 BevelInner = bvLowered BorderStyle = bsSingle
          Caption = "7 December, 2026" TabOrder = 5
        }
        TLabel Label2 { Left = 16 Top = 168 Width = 41 Height = 17 Caption = "Hour:" Hint = "The hour." }
        TTrackBar HourBar {
          Left = 88 Top = 152 Width = 185 Height = 45 Hint = "Select hour for alarm."
          Max = 23 Frequency = 1 TickMarks = tmBoth TickStyle = tsAuto TabOrder = 2
          OnChange = HourBarChange
        }
        TLabel Label3 { Left = 16 Top = 216 Width = 41 Height = 17 Caption = "Minute:" }
        TTrackBar MinuteBar {
          Left = 88 Top = 200 Width = 273 Height = 45 Hint = "Select minute for alarm."
          Max = 59 Frequency = 2 TickMarks = tmBoth TabOrder = 3
        }
        TPanel DailyAlarmPnl {
          Left = 7 Top = 18 Width = 371 Height = 130 Visible = false TabOrder = 4
          TPanel Panel1 {
            Left = 254 Top = 7 Width = 111 Height = 117 Caption = "Panel1" BevelInner = bvLowered
            Font.Height = -25 TabOrder = 0
          }
        }
      }
    }
    TTabPage Page1 {
      Caption = "Properties"
      TGroupBox GroupBox2 {
        Left = 8 Top = 4 Width = 185 Height = 89 Caption = "CD Control" TabOrder = 0
        TTrackBar StartingTrackBar {
          Left = 8 Top = 16 Width = 169 Height = 41 Hint = "Select starting track." Enabled = false
          Position = 1 Min = 1 Max = 10 Frequency = 1 TabOrder = 0 OnChange = StartingTrackBarChange
        }
        TLabel Label1 { Left = 64 Top = 56 Width = 57 Height = 25 Caption = "Starting Track:" }
        TEdit StartingTrackEdt {
          Left = 144 Top = 56 Width = 25 Height = 21 Text = "1" Hint = "Track CD play will start at."
          Enabled = false TabOrder = 1
        }
        TCheckBox UseCDChk {
          Left = 104 Top = 0 Width = 65 Height = 17 Caption = "Use CD"
          Hint = "Check on to use CD for alarm." TabOrder = 2
        }
      }
      TGroupBox GroupBox3 {
        Left = 8 Top = 104 Width = 185 Height = 73 Caption = "Play .wav File:" TabOrder = 2
        TEdit WavFileEdt {
          Left = 16 Top = 16 Width = 153 Height = 21 Hint = "Path of .wav file to play for alarm."
          Enabled = false TabOrder = 0
        }
        TBitBtn FindWavBtn {
          Left = 96 Top = 40 Width = 75 Height = 25 Caption = "Browse" Enabled = false
          Hint = "Browse file system to locate .wav file." Glyph = "FINDFILEGLYPH" TabOrder = 1
        }
        TCheckBox UseWavChk {
          Left = 104 Top = 0 Width = 73 Height = 17 Caption = "Use .wav"
          Hint = "Check to use .wav file for alarm." TabOrder = 2
        }
      }
      TGroupBox GroupBox5 {
        Left = 8 Top = 192 Width = 185 Height = 73 Caption = "Run .exe:" TabOrder = 5
        TEdit ExeEdt { Left = 16 Top = 16 Width = 153 Height = 21 Enabled = false TabOrder = 0 }
        TBitBtn FindExeBtn {
          Left = 96 Top = 40 Width = 75 Height = 25 Caption = "Browse" Enabled = false
          Glyph = "FINDFILEGLYPH" TabOrder = 1
        }
        TCheckBox UseExeChk { Left = 104 Top = 0 Width = 73 Height = 17 Caption = "Use .exe" TabOrder = 2 }
        TBitBtn RunBtn {
          Left = 16 Top = 40 Width = 41 Height = 25 Glyph = "RUNBTNGLYPH" TabOrder = 3
          Hint = "Browse file system to locate .wav file."
        }
      }
      TGroupBox GroupBox4 {
        Left = 208 Top = 4 Width = 185 Height = 261 Caption = "Reminders:" TabOrder = 3
        TMemo RemindersMmo {
          Left = 8 Top = 16 Width = 169 Height = 233 ScrollBars = ssBoth
          Hint = "List of reminders to show on alarm." TabOrder = 0
        }
      }
    }
  }
  TStatusBar StatusBar {
    Left = 0 Top = 436 Width = 419 Height = 24 SimplePanel = true
    SimpleText = "Use Calendar + Sliders to set Time.  Click \"Set!\" Button to Activate."
  }
  TOpenDialog OpenFileDlg { Title = "Find File" }
}
)";

inline void TStdFrm::RegisterHandlers(HandlerTable& h) {
    h.Add<void(TComponent*)>("UseDailyChkClick", [this](TComponent* s) {
        ++dailyClicks;
        dailyStates.push_back(Find<TCheckBox>(s->Name())->Checked());
    });
    h.Add<void(TComponent*)>("CurrentEdtChange", [this](TComponent* s) {
        ++currentChanges;
        currentTexts.push_back(static_cast<TControl*>(s)->GetText());
    });
    h.Add<void(TComponent*)>("HourBarChange", [this](TComponent*) { ++hourChanges; });
    h.Add<void(TComponent*)>("StartingTrackBarChange", [this](TComponent*) { ++trackChanges; });
    h.Add<void(TComponent*, int, bool&)>("ControlsNbkChange", [this](TComponent*, int newTab, bool& allow) {
        newTabs.push_back(newTab);
        pageWhenAsked = Find<TTabbedNotebook>("ControlsNbk")->PageIndex();
        allow = allowPageChange;
    });
    h.Add<void(TComponent*)>("ButtonClick", [this](TComponent*) { ++buttonClicks; });
}

inline void Pump() { Application->ProcessMessages(); }

inline void PumpFor(int ms) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<int>(end - GetTickCount()) > 0) {
        Pump();
        Sleep(10);
    }
    Pump();
}

inline TStdFrm* MakeStdForm(const char* text = kStdFormText, bool show = true) {
    auto* form = new TStdFrm(Application);
    form->InitializeFromText(text, "Std.form");
    if (show) {
        form->Show();
        UpdateWindow(form->Handle());
        Pump();
    }
    return form;
}

// Puts the window's form above every other window (of other programs
// running at the same time too) and repaints it, so that the screen shows it.
inline void ShowOnTop(HWND h) {
    SetWindowPos(GetAncestor(h, GA_ROOT), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
}

inline COLORREF ScreenPixel(HWND h, int x, int y) {
    ShowOnTop(h);
    POINT p{x, y};
    ClientToScreen(h, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// The window's client area as it shows on screen, one COLORREF per pixel.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

inline Capture CaptureClient(HWND h) {
    ShowOnTop(h);
    RECT r;
    GetClientRect(h, &r);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    Capture c;
    c.width = r.right;
    c.height = r.bottom;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = c.width;
    bi.bmiHeader.biHeight = -c.height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, c.width, c.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < c.width * c.height; ++i)
        c.pixels.push_back(RGB(p[4 * i + 2], p[4 * i + 1], p[4 * i]));
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return c;
}

inline std::string WindowText(HWND h) {
    char buf[512];
    int n = GetWindowTextA(h, buf, sizeof buf);
    return std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

// Keeps the window up for the number of milliseconds in the environment
// variable DAWNBELL_HOLD (for a screenshot taken from outside).
inline void HoldForScreenshot() {
    if (const char* hold = std::getenv("DAWNBELL_HOLD")) PumpFor(std::atoi(hold));
}
