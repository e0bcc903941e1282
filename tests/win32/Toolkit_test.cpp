// The toolkit core with real windows: forms built from descriptions, the
// no-op property set, errors escaping handlers, modal loops, scaling and
// the utility window.
#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/UtilWindow.h"

namespace {

const UINT WM_TEST_THROW = WM_APP + 1;
const UINT WM_TEST_COUNT = WM_APP + 2;

// A windowed control that counts what reaches it and throws on request.
class TTestBox : public TWinControl {
public:
    explicit TTestBox(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TTestBox"; }
    int textChanges = 0;
    int counted = 0;
    static int destroyed;
    ~TTestBox() override { ++destroyed; }

    LRESULT WndProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg == WM_TEST_THROW) throw Exception("Invalid argument to date encode");
        if (msg == WM_TEST_COUNT) {
            ++counted;
            return 0;
        }
        return TWinControl::WndProc(msg, w, l);
    }

protected:
    void TextChanged() override {
        ++textChanges;
        TWinControl::TextChanged();
    }
};
int TTestBox::destroyed = 0;

class TTestFrm : public TForm {
public:
    explicit TTestFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TTestFrm"; }
    int creates = 0;
    int closes = 0;
    TCloseAction answer = TCloseAction::caHide;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        h.Add<void(TComponent*)>("FormCreate", [this](TComponent*) { ++creates; });
        h.Add<void(TComponent*, TCloseAction&)>("FormClose", [this](TComponent*, TCloseAction& a) {
            ++closes;
            a = answer;
        });
    }
};

struct Registered {
    Registered() { ComponentRegistry::Instance().Register<TTestBox>("TTestBox"); }
} registered;

const char kDescription[] =
    "TTestFrm TestFrm {\n"
    "  Left = 10 Top = 20 ClientWidth = 300 ClientHeight = 200\n"
    "  Caption = \"Test window\" BorderStyle = bsSingle BorderIcons = [biSystemMenu]\n"
    "  Font.Name = \"MS Sans Serif\" Font.Height = -11 PixelsPerInch = 96\n"
    "  OnCreate = FormCreate OnClose = FormClose\n"
    "  TTestBox Box { Left = 8 Top = 8 Width = 100 Height = 50 Caption = \"box\"\n"
    "    TTestBox Inner { Left = 2 Top = 2 Width = 20 Height = 20 } }\n"
    "}\n";

void Pump() { Application->ProcessMessages(); }

TEST(Forms, BuiltFromADescriptionWithWindowsAtTheirPlaces) {
    auto* form = new TTestFrm(Application);
    form->InitializeFromText(kDescription, "Test.form");
    EXPECT_EQ(1, form->creates);
    auto* box = form->Find<TTestBox>("Box");
    auto* inner = form->Find<TTestBox>("Inner");
    ASSERT_TRUE(box->HandleAllocated());
    EXPECT_EQ(GetParent(inner->Handle()), box->Handle());
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());

    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(300, client.right);
    EXPECT_EQ(200, client.bottom);
    char caption[64];
    GetWindowTextA(form->Handle(), caption, sizeof caption);
    EXPECT_STREQ("Test window", caption);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));  // shown only when asked
    LONG_PTR style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    TTestBox::destroyed = 0;
    HWND boxWindow = box->Handle();
    delete form;
    EXPECT_EQ(2, TTestBox::destroyed);
    EXPECT_FALSE(IsWindow(boxWindow));
}

TEST(Forms, ADescriptionForAnotherResolutionIsScaledToTheScreen) {
    auto* form = new TTestFrm(Application);
    std::string text = kDescription;
    int screen = ScreenPixelsPerInch();
    int laidOut = screen == 120 ? 96 : 120;
    text.replace(text.find("PixelsPerInch = 96"), 18, "PixelsPerInch = " + std::to_string(laidOut));
    form->InitializeFromText(text, "Test.form");
    EXPECT_EQ(MulDiv(300, screen, laidOut), form->ClientWidth());
    EXPECT_EQ(MulDiv(100, screen, laidOut), form->Find<TTestBox>("Box")->Width());
    EXPECT_EQ(MulDiv(-11, screen, laidOut), form->Font().Height());
    delete form;
}

TEST(Controls, SettingAPropertyToItsValueDoesNothing) {
    auto* form = new TTestFrm(Application);
    form->InitializeFromText(kDescription, "Test.form");
    auto* box = form->Find<TTestBox>("Box");
    int before = box->textChanges;
    box->SetText("box");
    EXPECT_EQ(before, box->textChanges);
    box->SetText("new");
    EXPECT_EQ(before + 1, box->textChanges);
    char text[16];
    GetWindowTextA(box->Handle(), text, sizeof text);
    EXPECT_STREQ("new", text);
    box->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(box->Handle()));
    delete form;
}

TEST(Errors, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope(fake);
    auto* form = new TTestFrm(Application);
    form->InitializeFromText(kDescription, "Test.form");
    auto* box = form->Find<TTestBox>("Box");
    PostMessageA(box->Handle(), WM_TEST_THROW, 0, 0);
    PostMessageA(box->Handle(), WM_TEST_COUNT, 0, 0);
    Pump();
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ("Invalid argument to date encode.", fake.boxes[0].text);
    EXPECT_EQ("DawnbellTests", fake.boxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONERROR), fake.boxes[0].flags);
    EXPECT_EQ(1, box->counted);  // the next message was handled as usual
    delete form;
}

TEST(Modal, OtherWindowsAreDisabledWhileUpAndTheResultComesBack) {
    auto* owner = new TTestFrm(Application);
    owner->InitializeFromText(kDescription, "Test.form");
    owner->Show();
    auto* dialog = new TTestFrm(Application);
    dialog->InitializeFromText(kDescription, "Test.form");

    bool ownerEnabledWhileUp = true;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
    int filter = Application->AddMessageFilter([&](MSG& m) {
        if (m.message == WM_TIMER && m.hwnd == nullptr && dialog->Modal()) {
            ownerEnabledWhileUp = IsWindowEnabled(owner->Handle()) != FALSE;
            dialog->SetModalResult(mrRetry);
            return true;
        }
        return false;
    });
    EXPECT_EQ(mrRetry, dialog->ShowModal());
    KillTimer(nullptr, timer);
    Application->RemoveMessageFilter(filter);
    EXPECT_FALSE(ownerEnabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(dialog->Visible());
    // A visible form cannot be made modal.
    EXPECT_THROW(owner->ShowModal(), EInvalidOperation);
    delete dialog;
    delete owner;
}

TEST(Modal, ClosingAModalFormGivesCancelUnlessTheHandlerRefuses) {
    auto* dialog = new TTestFrm(Application);
    dialog->InitializeFromText(kDescription, "Test.form");
    int tries = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
    int filter = Application->AddMessageFilter([&](MSG& m) {
        if (m.message == WM_TIMER && m.hwnd == nullptr && dialog->Modal()) {
            // First close refused by the handler, second one accepted.
            dialog->answer = ++tries == 1 ? TCloseAction::caNone : TCloseAction::caHide;
            SendMessageA(dialog->Handle(), WM_CLOSE, 0, 0);
            return true;
        }
        return false;
    });
    EXPECT_EQ(mrCancel, dialog->ShowModal());
    KillTimer(nullptr, timer);
    Application->RemoveMessageFilter(filter);
    EXPECT_EQ(2, dialog->closes);
    delete dialog;
}

TEST(UtilWindow, ForwardsEveryMessageToItsHandler) {
    UINT seen = 0;
    HWND h = AllocateHWnd([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_APP + 7) {
            seen = m;
            return 42;
        }
        return DefWindowProcA(w, m, wp, lp);
    });
    char cls[32];
    GetClassNameA(h, cls, sizeof cls);
    EXPECT_STREQ("TPUtilWindow", cls);
    EXPECT_FALSE(IsWindowVisible(h));
    EXPECT_EQ(42, SendMessageA(h, WM_APP + 7, 0, 0));
    EXPECT_EQ(WM_APP + 7, seen);
    DeallocateHWnd(h);
    EXPECT_FALSE(IsWindow(h));
}

}  // namespace
