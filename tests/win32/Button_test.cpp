// Push buttons with real windows: read from a description, the form's
// modal result set before OnClick, the default and cancel buttons of the
// form, and the default border following the focus.
#include <gtest/gtest.h>

#include <string>

#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"

namespace {

// A focusable window that is no button.
class TFocusBox : public TWinControl {
public:
    explicit TFocusBox(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }
    const char* ClassName() const override { return "TFocusBox"; }
};

struct Registered {
    Registered() { ComponentRegistry::Instance().Register<TFocusBox>("TFocusBox"); }
} registered;

class TButtonFrm : public TForm {
public:
    explicit TButtonFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TButtonFrm"; }
    int clicks = 0;
    int resultSeenByHandler = -1;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        h.Add<void(TComponent*)>("OkBtnClick", [this](TComponent*) {
            ++clicks;
            resultSeenByHandler = ModalResult();
        });
    }
};

const char kForm[] =
    "TButtonFrm ButtonFrm { Left = 60 Top = 60 ClientWidth = 260 ClientHeight = 80 Caption = \"Buttons\"\n"
    "  TFocusBox Box { Left = 8 Top = 8 Width = 40 Height = 20 }\n"
    "  TButton OkBtn { Left = 8 Top = 40 Width = 75 Height = 25 Caption = \"&OK\" Default = true\n"
    "    ModalResult = mrOk OnClick = OkBtnClick }\n"
    "  TButton CancelBtn { Left = 90 Top = 40 Width = 75 Height = 25 Caption = \"Cancel\" Cancel = true\n"
    "    ModalResult = 2 }\n"
    "  TButton PlainBtn { Left = 172 Top = 40 Width = 75 Height = 25 Caption = \"Plain\" OnClick = OkBtnClick }\n"
    "}\n";

bool Bordered(TButton* b) { return (GetWindowLongPtrA(b->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

TButtonFrm* MakeForm() {
    auto* f = new TButtonFrm(Application);
    f->InitializeFromText(kForm, "Buttons.form");
    return f;
}

TEST(Button, ReadFromADescriptionAsTheFormsDefaultAndCancelButtons) {
    TButtonFrm* f = MakeForm();
    auto* ok = f->Find<TButton>("OkBtn");
    auto* cancel = f->Find<TButton>("CancelBtn");
    EXPECT_EQ(ok, f->DefaultControl);
    EXPECT_EQ(cancel, f->CancelControl);
    EXPECT_EQ(mrOk, ok->ModalResult());
    EXPECT_EQ(mrCancel, cancel->ModalResult());
    char cls[16], text[16];
    GetClassNameA(ok->Handle(), cls, sizeof cls);
    GetWindowTextA(ok->Handle(), text, sizeof text);
    EXPECT_STREQ("Button", cls);
    EXPECT_STREQ("&OK", text);
    EXPECT_TRUE(Bordered(ok));
    EXPECT_FALSE(Bordered(cancel));
    EXPECT_TRUE(GetWindowLongPtrA(cancel->Handle(), GWL_STYLE) & WS_TABSTOP);

    // A button that goes takes its place as default with it.
    delete ok;
    EXPECT_EQ(nullptr, f->DefaultControl);
    cancel->SetCancel(false);
    EXPECT_EQ(nullptr, f->CancelControl);
    delete f;

    auto* bad = new TButtonFrm(Application);
    std::string text2 = kForm;
    text2.replace(text2.find("mrOk"), 4, "mrMaybe");
    try {
        bad->InitializeFromText(text2, "Buttons.form");
        ADD_FAILURE() << "an unknown modal result was accepted";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("OkBtn.ModalResult")) << e.what();
    }
    delete bad;
}

TEST(Button, AClickSetsTheModalResultBeforeTheHandlerRuns) {
    TButtonFrm* f = MakeForm();
    SendMessageA(f->Find<TButton>("OkBtn")->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, f->clicks);
    EXPECT_EQ(mrOk, f->resultSeenByHandler);
    // A button without a modal result leaves the form's as it is.
    f->SetModalResult(mrNone);
    SendMessageA(f->Find<TButton>("PlainBtn")->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(2, f->clicks);
    EXPECT_EQ(mrNone, f->ModalResult());
    delete f;
}

TEST(Button, TheDefaultBorderFollowsTheFocusAndEnterPressesIt) {
    TButtonFrm* f = MakeForm();
    f->Show();
    auto* ok = f->Find<TButton>("OkBtn");
    auto* cancel = f->Find<TButton>("CancelBtn");
    auto* plain = f->Find<TButton>("PlainBtn");
    auto* box = f->Find<TFocusBox>("Box");

    cancel->SetFocus();
    EXPECT_TRUE(Bordered(cancel));
    EXPECT_FALSE(Bordered(ok));
    EXPECT_TRUE(cancel->Active());
    box->SetFocus();  // away from the buttons: the default has it again
    EXPECT_TRUE(Bordered(ok));
    EXPECT_FALSE(Bordered(cancel));

    // Enter on a control that is no button presses the default button.
    f->SetModalResult(mrNone);
    MSG enter{box->Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_TRUE(f->IsFormDialogMessage(enter));
    EXPECT_EQ(1, f->clicks);
    EXPECT_EQ(mrOk, f->ModalResult());

    // A new default while a button has the focus leaves the border there.
    plain->SetFocus();
    ok->SetDefault(false);
    cancel->SetDefault(true);
    EXPECT_EQ(cancel, f->DefaultControl);
    EXPECT_TRUE(Bordered(plain));
    EXPECT_FALSE(Bordered(cancel));
    box->SetFocus();
    EXPECT_TRUE(Bordered(cancel));
    EXPECT_FALSE(Bordered(ok));
    delete f;
}

}  // namespace
