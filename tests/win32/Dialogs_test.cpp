// The message dialog, the application's message box and the error report,
// with real windows: the dialog's children and their places, and real keys
// and mouse clicks sent while its modal loop runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "fakes/FakePlatform.h"
#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "widgets/Dialogs.h"
#include "widgets/MessageForm.h"

static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

namespace {

using widgets::ButtonBit;
using widgets::MessageKind;
using B = widgets::MessageButton;

const widgets::MessageButtons kAbortRetryIgnore = ButtonBit(B::Abort) | ButtonBit(B::Retry) | ButtonBit(B::Ignore);

// Real input, as the keyboard and mouse drivers deliver it.
void Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

void Press(WORD vk, const std::vector<WORD>& held = {}) {
    for (WORD m : held) Key(m, false);
    Key(vk, false);
    Key(vk, true);
    for (WORD m : held) Key(m, true);
}

void ClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
}

void ClickControl(TWinControl& c) {
    RECT r;
    GetWindowRect(c.Handle(), &r);
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// The close box, found by asking the window what lies along its caption.
void ClickCloseBox(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    for (int y = r.top + 2; y < r.top + 40; y += 2)
        for (int x = r.right - 2; x > r.right - 60; x -= 2)
            if (SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return ClickAt({x, y});
    ADD_FAILURE() << "no close box";
}

// The dialog font's average letter width and height.
SIZE Units(TForm& f) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, f.Font().Handle());
    SIZE sample;
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &sample);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {sample.cx / 52, sample.cy};
}

// The size of text broken at words within width, in the dialog font.
SIZE Measure(TForm& f, const char* text, int width) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, f.Font().Handle());
    RECT r{0, 0, width, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right, r.bottom};
}

TButton* ButtonOf(TForm& f, const char* name) { return f.Find<TButton>(name); }

bool HasDefaultBorder(TButton* b) {
    return (GetWindowLongPtrA(b->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// Input goes to the foreground window, which another program may take
// meanwhile: true once the dialog has held it for a few ticks.
bool Settled(TForm& form, int& ticks) {
    HWND h = form.Handle();
    if (!form.Modal() || GetActiveWindow() != h) {
        ticks = 0;
        return false;
    }
    if (GetForegroundWindow() != h) {
        SetForegroundWindow(h);
        ticks = 0;
        return false;
    }
    return ++ticks >= 3;
}

// Shows the form modally and runs each step on its own timer tick while it
// is up: input sent by one step has been handled when the next one runs.
// Gives up with 99 when the steps do not end the dialog.
using Step = std::function<void(TMessageForm&)>;
int RunModal(TMessageForm* form, std::vector<Step> steps) {
    std::size_t next = 0;
    int idle = 0, settled = 0, ticks = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, nullptr);
    int filter = Application->AddMessageFilter([&](MSG& m) {
        if (m.message != WM_TIMER || m.hwnd || m.wParam != timer) return false;
        if (++ticks > 300) {
            form->SetModalResult(99);
            return true;
        }
        if (!Settled(*form, settled)) return true;
        if (next < steps.size()) steps[next++](*form);
        else if (++idle > 60) form->SetModalResult(99);
        return true;
    });
    int result = form->ShowModal();
    Application->RemoveMessageFilter(filter);
    KillTimer(nullptr, timer);
    EXPECT_EQ(steps.size(), next) << "the dialog ended before every step ran";
    delete form;
    return result;
}

int Ask(widgets::MessageButtons buttons, std::vector<Step> steps) {
    return RunModal(BuildMessageForm("Quit anyway?", MessageKind::Confirmation, buttons), std::move(steps));
}

Step Keys(WORD vk, std::initializer_list<WORD> held = {}) {
    return [vk, h = std::vector<WORD>(held)](TMessageForm&) { Press(vk, h); };
}

// A step that checks the dialog is still up with no answer.
Step StillOpen() {
    return [](TMessageForm& f) { EXPECT_EQ(0, f.ModalResult()) << "the dialog should still be open"; };
}

Step CloseBox() {
    return [](TMessageForm& f) { ClickCloseBox(f.Handle()); };
}

TEST(MessageForm, ChildrenStandWhereTheLayoutPutsThem) {
    TMessageForm* f = BuildMessageForm("Quit anyway?", MessageKind::Confirmation, widgets::ButtonsOKCancel);
    ASSERT_EQ(4, f->ComponentCount());
    const char* names[] = {"Image", "Message", "OK", "Cancel"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(names[i], f->Component(i)->Name());
    char caption[32];
    GetWindowTextA(f->Handle(), caption, sizeof caption);
    EXPECT_STREQ("Confirm", caption);
    EXPECT_FALSE(IsWindowVisible(f->Handle()));

    // The units come from the dialog font, 8 points at the screen's resolution.
    LOGFONTA lf{};
    GetObjectA(f->Font().Handle(), sizeof lf, &lf);
    EXPECT_EQ(-MulDiv(8, ScreenPixelsPerInch(), 72), lf.lfHeight);
    const SIZE units = Units(*f);
    const int w = units.cx, h = units.cy;
    const SIZE text = Measure(*f, "Quit anyway?", GetSystemMetrics(SM_CXSCREEN) / 2);
    const int hm = MulDiv(8, w, 4), vm = MulDiv(8, h, 8), bw = MulDiv(50, w, 4), bh = MulDiv(14, h, 8);

    auto* image = f->Find<TImage>("Image");
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(32514)), image->Icon());
    EXPECT_EQ((RECT{hm, vm, hm + 32, vm + 32}), image->BoundsRect());
    auto* label = f->Find<TControl>("Message");
    EXPECT_EQ((RECT{hm + 32 + MulDiv(10, w, 4), vm, hm + 32 + MulDiv(10, w, 4) + text.cx, vm + text.cy}),
              label->BoundsRect());
    // The text is a window of its own that other programs can read.
    HWND textWindow = static_cast<TWinControl*>(label)->Handle();
    char shown[32] = {};
    GetWindowTextA(textWindow, shown, sizeof shown);
    EXPECT_STREQ("Quit anyway?", shown);
    GetClassNameA(textWindow, shown, sizeof shown);
    EXPECT_STREQ("Static", shown);

    RECT client;
    GetClientRect(f->Handle(), &client);
    const int group = 2 * bw + MulDiv(4, w, 4);
    EXPECT_EQ(std::max(label->Left() + label->Width() - hm, group) + 2 * hm, client.right);
    EXPECT_EQ(32 + bh + MulDiv(10, h, 8) + 2 * vm, client.bottom);
    TButton* ok = ButtonOf(*f, "OK");
    TButton* cancel = ButtonOf(*f, "Cancel");
    EXPECT_EQ(bw, ok->Width());
    EXPECT_EQ(bh, ok->Height());
    EXPECT_EQ(32 + vm + MulDiv(10, h, 8), ok->Top());
    EXPECT_EQ(ok->Left() + bw + MulDiv(4, w, 4), cancel->Left());
    EXPECT_LE(std::abs(ok->Left() - (client.right - cancel->Left() - bw)), 1);  // centred
    EXPECT_EQ(mrOk, ok->ModalResult());
    EXPECT_EQ(mrCancel, cancel->ModalResult());
    EXPECT_TRUE(HasDefaultBorder(ok));
    EXPECT_FALSE(HasDefaultBorder(cancel));

    // A fixed dialog frame with a close box, centred on the screen.
    LONG_PTR style = GetWindowLongPtrA(f->Handle(), GWL_STYLE);
    EXPECT_TRUE((style & WS_SYSMENU) && (style & WS_CAPTION));
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongPtrA(f->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    RECT outer;
    GetWindowRect(f->Handle(), &outer);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) / 2 - (outer.right - outer.left) / 2, outer.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) / 2 - (outer.bottom - outer.top) / 2, outer.top);
    delete f;
}

TEST(MessageForm, CustomKindHasTheTitleNoIconAndWrapsAtHalfTheScreen) {
    const int half = GetSystemMetrics(SM_CXSCREEN) / 2;
    std::string words;
    while (static_cast<int>(words.size()) < half / 2) words += "alarm clock ";
    TMessageForm* f = BuildMessageForm(words, MessageKind::Custom, widgets::ButtonsOK);
    char caption[32];
    GetWindowTextA(f->Handle(), caption, sizeof caption);
    EXPECT_EQ(Application->Title(), caption);
    EXPECT_EQ(nullptr, f->FindComponent("Image"));
    auto* label = f->Find<TControl>("Message");
    EXPECT_EQ(MulDiv(8, Units(*f).cx, 4), label->Left());  // at the margin
    EXPECT_LE(label->Width(), half);
    EXPECT_GE(label->Height(), 2 * Units(*f).cy);  // several lines
    delete f;

    // One word longer than half the screen widens the text instead.
    f = BuildMessageForm(std::string(static_cast<std::size_t>(half / 3), 'W'), MessageKind::Error, 0);
    EXPECT_GT(f->Find<TControl>("Message")->Width(), half);
    EXPECT_EQ(2, f->ComponentCount());  // the empty set: no buttons
    delete f;
}

TEST(MessageDialog, OkAloneAnswersEnterAndEscWithOkAndTheCloseBoxWithCancel) {
    EXPECT_EQ(mrOk, Ask(widgets::ButtonsOK, {Keys(VK_RETURN)}));
    EXPECT_EQ(mrOk, Ask(widgets::ButtonsOK, {Keys(VK_ESCAPE)}));
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOK, {CloseBox()}));
}

TEST(MessageDialog, OkCancelStartsOnOkAndTheBorderFollowsTheFocus) {
    EXPECT_EQ(mrOk, Ask(widgets::ButtonsOKCancel, {[](TMessageForm& f) {
                            EXPECT_EQ(ButtonOf(f, "OK")->Handle(), GetFocus());
                            Press(VK_RETURN);
                        }}));
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {Keys(VK_ESCAPE)}));
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {Keys(VK_TAB),
                                                       [](TMessageForm& f) {
                                                           EXPECT_TRUE(HasDefaultBorder(ButtonOf(f, "Cancel")));
                                                           EXPECT_FALSE(HasDefaultBorder(ButtonOf(f, "OK")));
                                                           Press(VK_RETURN);
                                                       }}));
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {[](TMessageForm& f) { ClickControl(*ButtonOf(f, "Cancel")); }}));
    EXPECT_EQ(mrOk, Ask(widgets::ButtonsOKCancel, {[](TMessageForm& f) { ClickControl(*ButtonOf(f, "OK")); }}));
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {CloseBox()}));
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {Keys(VK_F4, {VK_MENU})}));
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {[](TMessageForm& f) {
                            PostMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu's Close
                        }}));
}

TEST(MessageDialog, AbortRetryIgnoreHasNoCancelButtonAndTakesAccessKeys) {
    EXPECT_EQ(mrAbort, Ask(kAbortRetryIgnore, {[](TMessageForm& f) {
                               EXPECT_EQ(ButtonOf(f, "Abort")->Handle(), GetFocus());
                               EXPECT_TRUE(HasDefaultBorder(ButtonOf(f, "Abort")));
                               EXPECT_FALSE(HasDefaultBorder(ButtonOf(f, "Retry")));
                               Press(VK_ESCAPE);
                           },
                           StillOpen(), Keys(VK_RETURN, {VK_CONTROL}), StillOpen(), Keys(VK_RETURN, {VK_SHIFT}),
                           StillOpen(), Keys(VK_RETURN)}));
    EXPECT_EQ(mrRetry, Ask(kAbortRetryIgnore, {Keys('R')}));
    EXPECT_EQ(mrIgnore, Ask(kAbortRetryIgnore, {Keys('I', {VK_MENU})}));
}

TEST(MessageDialog, TheEmptySetEndsOnlyThroughTheCloseBox) {
    EXPECT_EQ(mrCancel, Ask(0, {Keys(VK_RETURN), Keys(VK_ESCAPE), Keys(VK_SPACE), StillOpen(), CloseBox()}));
}

TEST(MessageDialog, HelpAsksForTheTopicAndLeavesTheDialogOpen) {
    std::vector<int> asked;
    MessageDialogHelp = [&](int context) { asked.push_back(context); };
    TMessageForm* f = BuildMessageForm("Quit anyway?", MessageKind::Information, ButtonBit(B::OK) | ButtonBit(B::Help));
    f->SetHelpContext(42);
    EXPECT_EQ(mrOk, RunModal(f, {[](TMessageForm& d) { ClickControl(*ButtonOf(d, "Help")); }, StillOpen(),
                                 Keys('H', {VK_MENU}), StillOpen(), Keys(VK_ESCAPE)}));
    MessageDialogHelp = nullptr;
    EXPECT_EQ((std::vector<int>{42, 42}), asked);
}

TEST(MessageDialog, OtherWindowsAreDisabledWhileUpAndTheActiveOneComesBack) {
    TForm* other = new TForm(Application);
    other->SetBounds(10, 10, 200, 100);
    other->Show();
    HWND before = GetActiveWindow();
    ASSERT_EQ(other->Handle(), before);
    bool disabledWhileUp = false;
    RECT placed{};
    int settled = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, nullptr);
    int filter = Application->AddMessageFilter([&](MSG& m) {
        auto* dialog = dynamic_cast<TMessageForm*>(FindControl(GetActiveWindow()));
        if (m.message != WM_TIMER || m.wParam != timer || !dialog) return false;
        if (!Settled(*dialog, settled)) return true;
        disabledWhileUp = !IsWindowEnabled(other->Handle());
        GetWindowRect(dialog->Handle(), &placed);
        Press(VK_RETURN);
        return true;
    });
    EXPECT_EQ(mrOk, MessageDialogAt("Placed", MessageKind::Warning, widgets::ButtonsOK, 0, 30, -1));
    Application->RemoveMessageFilter(filter);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(disabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_EQ(before, GetActiveWindow());
    EXPECT_EQ(30, placed.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) / 2 - (placed.bottom - placed.top) / 2, placed.top);
    delete other;
}

TEST(AppMessageBox, OwnedByTheApplicationWithTheOtherWindowsDisabled) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope(fake);
    TForm* other = new TForm(Application);
    other->SetBounds(10, 10, 200, 100);
    other->Show();
    bool disabledWhileUp = false;
    fake.onMessageBox = [&] { disabledWhileUp = !IsWindowEnabled(other->Handle()); };
    fake.messageBoxAnswer = IDOK;
    EXPECT_EQ(IDOK, ShowMessageBox("Invalid Date/Time", "Dawnbell", 0x10000u | MB_ICONEXCLAMATION));
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(Application->Handle(), fake.boxes[0].owner);
    EXPECT_EQ("Invalid Date/Time", fake.boxes[0].text);
    EXPECT_EQ("Dawnbell", fake.boxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONEXCLAMATION), fake.boxes[0].flags);  // 16 bits only
    EXPECT_TRUE(disabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));

    // A box that ends by an error still gives the windows back.
    fake.onMessageBox = [] { throw Exception("box failed"); };
    EXPECT_THROW(ShowMessageBox("x", "y", MB_ICONERROR), Exception);
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_EQ(other->Handle(), GetActiveWindow());
    delete other;
}

class TThrowFrm : public TForm {
public:
    explicit TThrowFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TThrowFrm"; }
    std::function<void()> onClick;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        h.Add<void(TComponent*)>("GoBtnClick", [this](TComponent*) { onClick(); });
    }
};

TEST(ErrorReport, AnErrorInAClickHandlerGivesOneBoxWithItsMessageAndAFullStop) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope(fake);
    auto* f = new TThrowFrm(Application);
    f->InitializeFromText(
        "TThrowFrm ThrowFrm { Left = 40 Top = 40 ClientWidth = 200 ClientHeight = 80 Caption = \"Throw\"\n"
        "  TButton GoBtn { Left = 8 Top = 8 Width = 75 Height = 25 Caption = \"&Go\" OnClick = GoBtnClick } }",
        "Throw.form");
    f->Show();
    auto clickAndWait = [&](std::size_t boxes) {
        PostMessageA(f->Find<TButton>("GoBtn")->Handle(), BM_CLICK, 0, 0);
        for (int i = 0; i < 200 && fake.boxes.size() < boxes; ++i) {
            Application->ProcessMessages();
            Sleep(5);
        }
        Application->ProcessMessages();
    };
    f->onClick = [] { throw EConvertError("Invalid argument to date encode"); };
    clickAndWait(1);
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ("Invalid argument to date encode.", fake.boxes[0].text);
    EXPECT_EQ(Application->Title(), fake.boxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONERROR), fake.boxes[0].flags);
    EXPECT_EQ(Application->Handle(), fake.boxes[0].owner);

    bool clicked = false;
    f->onClick = [&] {
        clicked = true;
        throw EAbort("dropped");
    };
    clickAndWait(2);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(1u, fake.boxes.size());  // an abort is silent

    // An error raised elsewhere while a dialog is up is reported in its loop;
    // the dialog stays open.
    f->onClick = [] { throw EMCIDeviceError("The device is not ready"); };
    HWND go = f->Find<TButton>("GoBtn")->Handle();
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {[go](TMessageForm&) { PostMessageA(go, BM_CLICK, 0, 0); },
                                                       StillOpen(), Keys(VK_ESCAPE)}));
    ASSERT_EQ(2u, fake.boxes.size());
    EXPECT_EQ("The device is not ready.", fake.boxes[1].text);
    delete f;

    ReportError(std::runtime_error("Disk full."));  // the stop is added whatever the end
    ASSERT_EQ(3u, fake.boxes.size());
    EXPECT_EQ("Disk full..", fake.boxes[2].text);
}

// Last of all: the application counts as ending from here on.
TEST(ProgramEnd, AMessageDialogStillUpAnswersCancel) {
    EXPECT_EQ(mrCancel, Ask(widgets::ButtonsOKCancel, {[](TMessageForm&) { PostQuitMessage(0); }}));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // passed on to the outer loop
}

}  // namespace
