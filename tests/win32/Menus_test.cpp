// Menus with real windows: the native menu bar built from a description,
// clicks bound to handlers, shortcuts that beat the focused edit box to its
// keys, and the main window's own menu commands with the launcher faked.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/About.h"
#include "app/timer.h"
#include "fakes/FakePlatform.h"
#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"

namespace {

void Pump() { Application->ProcessMessages(); }

// Runs the event loop until done() holds, for at most ms milliseconds.
template <class Pred>
bool PumpUntil(Pred done, int ms) {
    DWORD start = GetTickCount();
    for (;;) {
        Pump();
        if (done()) return true;
        if (GetTickCount() - start >= static_cast<DWORD>(ms)) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(int ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(ms)) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    Pump();
}

// A form that counts the clicks of its menu items by handler.
class TMenuTestFrm : public TForm {
public:
    explicit TMenuTestFrm(TComponent* owner) : TForm(owner) {}
    const char* ClassName() const override { return "TMenuTestFrm"; }
    std::vector<std::string> clicks;
    std::vector<TComponent*> senders;

protected:
    void RegisterHandlers(HandlerTable& h) override {
        for (const char* name : {"SaveClick", "CancelClick", "CutClick", "OffClick", "DeepClick", "HelpClick"})
            h.Add<void(TComponent*)>(name, [this, name](TComponent* s) {
                clicks.push_back(name);
                senders.push_back(s);
            });
    }
};

const char kDescription[] =
    "TMenuTestFrm MenuFrm {\n"
    "  Left = 40 Top = 40 ClientWidth = 300 ClientHeight = 200\n"
    "  Caption = \"Menu test\" BorderStyle = bsSingle\n"
    "  Font.Name = \"MS Sans Serif\" Font.Height = -11 PixelsPerInch = 96\n"
    "  Menu = MainMnu\n"
    "  TMainMenu MainMnu {\n"
    "    TMenuItem File1 { Caption = \"&File\"\n"
    "      TMenuItem Save1 { Caption = \"&Save\"  ShortCut = 16467  OnClick = SaveClick }\n"
    "      TMenuItem Cancel1 { Caption = \"&Cancel\"  ShortCut = 16451  OnClick = CancelClick }\n"
    "      TMenuItem Cut1 { Caption = \"Cu&t\"  ShortCut = 16472  OnClick = CutClick }\n"
    "      TMenuItem N1 { Caption = \"-\" }\n"
    "      TMenuItem Off1 { Caption = \"&Off\"  ShortCut = 16470  Enabled = false  OnClick = OffClick }\n"
    "      TMenuItem More1 { Caption = \"&More\"\n"
    "        TMenuItem Deep1 { Caption = \"&Deep\"  ShortCut = 8304  OnClick = DeepClick } }\n"
    "    }\n"
    "    TMenuItem Help1 { Caption = \"&Help\"  OnClick = HelpClick }\n"
    "  }\n"
    "}\n";

TMenuTestFrm* MakeForm(const std::string& text = kDescription) {
    auto* form = new TMenuTestFrm(Application);
    try {
        form->InitializeFromText(text, "MenuTest.form");
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

std::string MenuText(HMENU menu, int position) {
    char buf[128] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), buf, sizeof buf, MF_BYPOSITION);
    return buf;
}

SIZE ClientSize(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void SendMenuCommand(TForm* form, unsigned command) {
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// Real key strokes through the system's input queue.
void Keys(std::initializer_list<std::pair<WORD, bool>> strokes) {
    std::vector<INPUT> in;
    for (auto [key, down] : strokes) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
        i.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    PumpFor(150);
}

void CtrlKey(WORD key) { Keys({{VK_CONTROL, true}, {key, true}, {key, false}, {VK_CONTROL, false}}); }

// Shows the form in front with a native edit box that has the focus.
HWND ShowWithFocusedEdit(TForm* form) {
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "abc", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 150, 22,
                                form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    form->Show();
    // Activation comes back from the X server a little later and may move
    // the focus: settle it first.
    auto settled = [&] { return GetFocus() == edit && GetForegroundWindow() == form->Handle(); };
    for (int tries = 0; tries < 10; ++tries) {
        SetForegroundWindow(form->Handle());
        SetFocus(edit);
        PumpFor(300);
        if (settled()) break;
    }
    SendMessageA(edit, EM_SETSEL, 0, -1);
    return edit;
}

std::string TextOf(HWND h) {
    char buf[256] = "";
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

TEST(Menus, TheMenuBarIsBuiltFromTheDescription) {
    TMenuTestFrm* form = MakeForm();
    auto* menu = form->Find<TMainMenu>("MainMnu");
    EXPECT_EQ(menu, form->Menu());
    HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(menu->Handle(), bar);

    ASSERT_EQ(2, GetMenuItemCount(bar));
    EXPECT_EQ("&File", MenuText(bar, 0));
    EXPECT_EQ("&Help", MenuText(bar, 1));
    EXPECT_EQ(nullptr, GetSubMenu(bar, 1));
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_NE(nullptr, file);
    ASSERT_EQ(6, GetMenuItemCount(file));
    EXPECT_EQ("&Save\tCtrl+S", MenuText(file, 0));
    EXPECT_EQ("&Cancel\tCtrl+C", MenuText(file, 1));
    EXPECT_EQ("Cu&t\tCtrl+X", MenuText(file, 2));
    EXPECT_TRUE(GetMenuState(file, 3, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ("&Off\tCtrl+V", MenuText(file, 4));
    EXPECT_TRUE(GetMenuState(file, 4, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ("&More", MenuText(file, 5));
    HMENU more = GetSubMenu(file, 5);
    ASSERT_NE(nullptr, more);
    EXPECT_EQ("&Deep\tShift+F1", MenuText(more, 0));

    // Items are the form's components, nested as described.
    auto* deep = form->Find<TMenuItem>("Deep1");
    EXPECT_EQ(form, deep->Owner());
    EXPECT_EQ(form->Find<TMenuItem>("More1"), deep->Parent());
    EXPECT_EQ(menu, deep->Menu());
    EXPECT_EQ(GetMenuItemID(file, 0), form->Find<TMenuItem>("Save1")->Command());

    // The menu bar takes its height from the frame, not from the client area.
    SIZE client = ClientSize(form->Handle());
    EXPECT_EQ(300, client.cx);
    EXPECT_EQ(200, client.cy);
    delete form;
}

TEST(Menus, ChangedItemsShowInTheNativeMenu) {
    TMenuTestFrm* form = MakeForm();
    form->Find<TMenuItem>("Save1")->SetCaption("&Store");
    form->Find<TMenuItem>("Cancel1")->SetShortCut(scNone);
    form->Find<TMenuItem>("Off1")->SetEnabled(true);
    HMENU file = GetSubMenu(GetMenu(form->Handle()), 0);
    EXPECT_EQ("&Store\tCtrl+S", MenuText(file, 0));
    EXPECT_EQ("&Cancel", MenuText(file, 1));
    EXPECT_FALSE(GetMenuState(file, 4, MF_BYPOSITION) & MF_GRAYED);

    // An item freed with the form still alive leaves the menu.
    delete form->Find<TMenuItem>("Cut1");
    file = GetSubMenu(GetMenu(form->Handle()), 0);
    EXPECT_EQ(5, GetMenuItemCount(file));
    EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR);
    delete form;
}

TEST(Menus, ACommandClicksItsItemWithTheItemAsSender) {
    TMenuTestFrm* form = MakeForm();
    auto* save = form->Find<TMenuItem>("Save1");
    SendMenuCommand(form, save->Command());
    SendMenuCommand(form, form->Find<TMenuItem>("Help1")->Command());
    SendMenuCommand(form, form->Find<TMenuItem>("Deep1")->Command());
    ASSERT_EQ((std::vector<std::string>{"SaveClick", "HelpClick", "DeepClick"}), form->clicks);
    EXPECT_EQ(save, form->senders[0]);

    // A disabled item, another form's item and an unknown number do nothing.
    TMenuTestFrm* other = MakeForm();
    SendMenuCommand(form, form->Find<TMenuItem>("Off1")->Command());
    SendMenuCommand(form, other->Find<TMenuItem>("Save1")->Command());
    SendMenuCommand(form, 0xFFFF);
    EXPECT_EQ(3u, form->clicks.size());
    EXPECT_TRUE(other->clicks.empty());
    delete other;
    delete form;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) text = p;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(Menus, ShortcutsActWhileAnEditBoxHasTheFocusButItsEditingKeysStayThere) {
    TMenuTestFrm* form = MakeForm();
    HWND edit = ShowWithFocusedEdit(form);
    ASSERT_EQ(edit, GetFocus());

    // An ordinary key reaches the edit box, which replaces its selection.
    Keys({{'Z', true}, {'Z', false}});
    ASSERT_EQ("z", TextOf(edit)) << "the edit box gets no keys: the test cannot tell anything";
    SendMessageA(edit, EM_SETSEL, 0, -1);

    // Ctrl+C copies in the box that takes typing; Ctrl+S stays the item's.
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    CtrlKey('C');
    CtrlKey('S');
    EXPECT_EQ((std::vector<std::string>{"SaveClick"}), form->clicks);
    EXPECT_EQ("z", ClipboardText());
    EXPECT_EQ("z", TextOf(edit));
    // In a read-only box Ctrl+C is the item's again.
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    CtrlKey('C');
    EXPECT_EQ((std::vector<std::string>{"SaveClick", "CancelClick"}), form->clicks);
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);

    // A shortcut deeper down, with Shift.
    Keys({{VK_SHIFT, true}, {VK_F1, true}, {VK_F1, false}, {VK_SHIFT, false}});
    ASSERT_EQ(3u, form->clicks.size());
    EXPECT_EQ("DeepClick", form->clicks.back());

    // Ctrl+V pastes in the box (its item is disabled as well).
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(GlobalLock(mem), "paste", 6);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
    SendMessageA(edit, EM_SETSEL, 0, -1);
    CtrlKey('V');
    EXPECT_EQ(3u, form->clicks.size());
    EXPECT_EQ("paste", TextOf(edit));
    delete form;
}

TEST(Menus, ShortcutsBelongToTheActiveFormOnly) {
    TMenuTestFrm* first = MakeForm();
    TMenuTestFrm* second = MakeForm();
    ShowWithFocusedEdit(first);
    HWND edit = ShowWithFocusedEdit(second);
    ASSERT_EQ(second->Handle(), GetActiveWindow());
    ASSERT_EQ(edit, GetFocus());
    CtrlKey('S');
    EXPECT_TRUE(first->clicks.empty());
    EXPECT_EQ(std::vector<std::string>{"SaveClick"}, second->clicks);
    delete second;
    delete first;
}

TEST(Menus, AMenuSetOrRemovedLaterKeepsTheClientSize) {
    std::string text = kDescription;
    text.erase(text.find("  Menu = MainMnu\n"), 16);
    TMenuTestFrm* form = MakeForm(text);
    EXPECT_EQ(nullptr, GetMenu(form->Handle()));
    RECT outer;
    GetWindowRect(form->Handle(), &outer);

    auto* menu = form->Find<TMainMenu>("MainMnu");
    form->SetMenu(menu);
    EXPECT_EQ(menu->Handle(), GetMenu(form->Handle()));
    EXPECT_EQ(form, menu->Form());
    SIZE client = ClientSize(form->Handle());
    EXPECT_EQ(300, client.cx);
    EXPECT_EQ(200, client.cy);
    RECT taller;
    GetWindowRect(form->Handle(), &taller);
    EXPECT_GT(taller.bottom - taller.top, outer.bottom - outer.top);

    // Built in code: an item added to the bar appears at once.
    auto* extra = new TMenuItem(form);
    extra->SetCaption("&Extra");
    menu->Add(extra);
    EXPECT_EQ(3, GetMenuItemCount(GetMenu(form->Handle())));
    EXPECT_EQ("&Extra", MenuText(GetMenu(form->Handle()), 2));
    EXPECT_THROW(extra->Add(extra), EInvalidOperation);

    // A menu freed while shown leaves the form without a bar.
    delete menu;
    EXPECT_EQ(nullptr, form->Menu());
    EXPECT_EQ(nullptr, GetMenu(form->Handle()));
    client = ClientSize(form->Handle());
    EXPECT_EQ(200, client.cy);
    delete form;
}

TEST(Menus, DescriptionMistakesAreReported) {
    std::string text = kDescription;
    text.replace(text.find("Menu = MainMnu"), 14, "Menu = NoSuchMnu");
    EXPECT_THROW(MakeForm(text), EReadError);

    // An item needs a menu or another item around it.
    const char loose[] =
        "TMenuTestFrm MenuFrm { ClientWidth = 100 ClientHeight = 100\n"
        "  TMenuItem Stray1 { Caption = \"&Stray\" } }\n";
    EXPECT_THROW(MakeForm(loose), EReadError);
    const char badKey[] =
        "TMenuTestFrm MenuFrm { ClientWidth = 100 ClientHeight = 100\n"
        "  TMainMenu M { TMenuItem A1 { Caption = \"&A\" ShortCut = 70000 } } }\n";
    EXPECT_THROW(MakeForm(badKey), EReadError);
}

// ---- The main window's menu ----

// Answers the message dialogs that come up while it lives: records the text
// of each and closes it with its OK button.
class DialogAnswerer {
public:
    DialogAnswerer() {
        timer_ = SetTimer(nullptr, 0, 20, nullptr);
        filter_ = Application->AddMessageFilter([this](MSG& m) {
            if (m.message != WM_TIMER || m.hwnd != nullptr) return false;
            EnumThreadWindows(GetCurrentThreadId(), &DialogAnswerer::Visit, reinterpret_cast<LPARAM>(this));
            return true;
        });
    }
    ~DialogAnswerer() {
        KillTimer(nullptr, timer_);
        Application->RemoveMessageFilter(filter_);
    }
    struct Seen {
        std::string caption;
        std::string message;
    };
    std::vector<Seen> dialogs;

private:
    static BOOL CALLBACK Visit(HWND h, LPARAM self) {
        auto* me = reinterpret_cast<DialogAnswerer*>(self);
        if (!IsWindowVisible(h) || !IsWindowEnabled(h)) return TRUE;
        // The dialog is the one enabled window while it is up.
        if (!Application->ModalLevel()) return TRUE;
        Seen seen{TextOf(h), ""};
        if (auto* dialog = dynamic_cast<TForm*>(FindControl(h)))
            if (auto* label = dynamic_cast<TControl*>(dialog->FindComponent("Message"))) seen.message = label->Caption();
        HWND ok = nullptr;
        for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (TextOf(c) == "OK") ok = c;
        me->dialogs.push_back(seen);
        if (ok) PostMessageA(ok, BM_CLICK, 0, 0);
        else PostMessageA(h, WM_CLOSE, 0, 0);
        return FALSE;
    }
    UINT_PTR timer_ = 0;
    int filter_ = 0;
};

class MainMenuTest : public testing::Test {
protected:
    void SetUp() override {
        form = new TTimerFrm(Application);
        form->InitializeForm();
    }
    void TearDown() override { delete form; }
    void Choose(const char* item) { SendMenuCommand(form, form->Find<TMenuItem>(item)->Command()); }

    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope{fake};
    TTimerFrm* form = nullptr;
};

TEST_F(MainMenuTest, TheMenuIsTheAlarmAndHelpMenus) {
    HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(2, GetMenuItemCount(bar));
    EXPECT_EQ("&Alarm", MenuText(bar, 0));
    EXPECT_EQ("&Help", MenuText(bar, 1));
    HMENU alarm = GetSubMenu(bar, 0), help = GetSubMenu(bar, 1);
    const char* alarmItems[] = {"&Set\tCtrl+S", "&Cancel\tCtrl+C", "-", "&New Dawnbell...\tCtrl+N", "-",
                                "&Exit\tCtrl+Q"};
    ASSERT_EQ(6, GetMenuItemCount(alarm));
    for (int i = 0; i < 6; ++i) {
        bool separator = GetMenuState(alarm, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR;
        EXPECT_EQ(alarmItems[i], separator ? std::string("-") : MenuText(alarm, i)) << i;
    }
    ASSERT_EQ(2, GetMenuItemCount(help));
    EXPECT_EQ("&Contents", MenuText(help, 0));
    EXPECT_EQ("&About", MenuText(help, 1));

    const char* names[] = {"Set1", "Cancel1", "Exit1", "NewDawnbell1", "N1", "Exit2"};
    auto* alarmItem = form->Find<TMenuItem>("Alarm1");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(names[i], alarmItem->Items(i)->Name());
    EXPECT_EQ(form->Find<TMenuItem>("Contents1"), form->Find<TMenuItem>("Help1")->Items(0));
    EXPECT_EQ(form->Find<TMenuItem>("About1"), form->Find<TMenuItem>("Help1")->Items(1));
    for (const char* bound : {"Set1", "Cancel1", "NewDawnbell1", "Exit2", "Contents1", "About1"})
        EXPECT_TRUE(static_cast<bool>(form->Find<TMenuItem>(bound)->OnClick)) << bound;

    SIZE client = ClientSize(form->Handle());
    EXPECT_EQ(419, client.cx);
    EXPECT_EQ(460, client.cy);
}

TEST_F(MainMenuTest, ContentsOpensTheHelpTextBesideTheProgram) {
    struct Case {
        const char* module;
        const char* command;
    } cases[] = {
        {"C:\\ALARM\\DAWNBELL.EXE", "notepad.exe \"C:\\ALARM\\dbhelp.txt\""},
        // Any case, any name: the folder is the program's own.
        {"C:\\Alarm\\Dawnbell.exe", "notepad.exe \"C:\\Alarm\\dbhelp.txt\""},
        {"C:\\ALARM\\WAKEUP.EXE", "notepad.exe \"C:\\ALARM\\dbhelp.txt\""},
        {"C:\\DAWNBELL.EXE\\dawnbell.exe", "notepad.exe \"C:\\DAWNBELL.EXE\\dbhelp.txt\""},
        {"C:\\Program Files\\Dawnbell 2\\Dawnbell.exe", "notepad.exe \"C:\\Program Files\\Dawnbell 2\\dbhelp.txt\""},
    };
    for (const Case& c : cases) {
        fake.launched.clear();
        fake.moduleFileName = c.module;
        Choose("Contents1");
        ASSERT_EQ(1u, fake.launched.size()) << c.module;
        EXPECT_EQ(c.command, fake.launched[0].first);
        EXPECT_EQ(9u, fake.launched[0].second);  // SW_RESTORE
    }

    // A path far longer than 255 characters arrives whole.
    std::string folder = "C:\\" + std::string(300, 'd') + "\\";
    fake.launched.clear();
    fake.moduleFileName = folder + "DAWNBELL.EXE";
    Choose("Contents1");
    ASSERT_EQ(1u, fake.launched.size());
    EXPECT_EQ("notepad.exe \"" + folder + "dbhelp.txt\"", fake.launched[0].first);
}

TEST_F(MainMenuTest, NewStartsTheProgramWithTheWholeCommandLine) {
    fake.commandLine = "\"C:\\ALARM\\DAWNBELL.EXE\" /quiet  two";
    Choose("NewDawnbell1");
    ASSERT_EQ(1u, fake.launched.size());
    EXPECT_EQ("Dawnbell.exe \"C:\\ALARM\\DAWNBELL.EXE\" /quiet  two", fake.launched[0].first);
    EXPECT_EQ(9u, fake.launched[0].second);

    fake.launched.clear();
    fake.commandLine = "DAWNBELL.EXE " + std::string(400, 'x');
    Choose("NewDawnbell1");
    ASSERT_EQ(1u, fake.launched.size());
    EXPECT_EQ("Dawnbell.exe DAWNBELL.EXE " + std::string(400, 'x'), fake.launched[0].first);
}

TEST_F(MainMenuTest, ALaunchThatFailsGivesOneErrorDialog) {
    DialogAnswerer answerer;
    fake.execResult = 32;  // the lowest success
    Choose("Contents1");
    Choose("NewDawnbell1");
    EXPECT_TRUE(answerer.dialogs.empty());

    fake.execResult = 31;
    Choose("Contents1");
    ASSERT_EQ(1u, answerer.dialogs.size());
    EXPECT_EQ("Error", answerer.dialogs[0].caption);
    EXPECT_EQ("Could not launch NOTEPAD.EXE.  Please read dbhelp.txt with another editor.",
              answerer.dialogs[0].message);

    fake.execResult = 0;
    Choose("NewDawnbell1");
    ASSERT_EQ(2u, answerer.dialogs.size());
    EXPECT_EQ("Error", answerer.dialogs[1].caption);
    EXPECT_EQ("Could not launch Dawnbell.exe.", answerer.dialogs[1].message);
    EXPECT_EQ(4u, fake.launched.size());
}

TEST_F(MainMenuTest, AboutShowsTheAboutBoxWithoutMakingItModal) {
    TAboutFrm* previous = AboutFrm;
    AboutFrm = new TAboutFrm(Application);
    AboutFrm->InitializeForm();
    form->Show();
    Choose("About1");
    PumpFor(50);
    EXPECT_TRUE(IsWindowVisible(AboutFrm->Handle()));
    EXPECT_FALSE(AboutFrm->Modal());
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));

    // Open already: it comes to the front again. (The X server confirms
    // activation a little later, hence the waiting.)
    HWND main = form->Handle(), about = AboutFrm->Handle();
    SetForegroundWindow(main);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main; }, 1000));
    PumpFor(100);
    Choose("About1");
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == about; }, 1000));
    EXPECT_TRUE(IsWindowVisible(about));
    delete AboutFrm;
    AboutFrm = previous;
}

TEST_F(MainMenuTest, ExitWithItsShortcutClosesTheMainWindow) {
    HWND edit = ShowWithFocusedEdit(form);
    ASSERT_EQ(edit, GetFocus());
    CtrlKey('Q');
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace
