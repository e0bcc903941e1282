// The tabbed notebook with real windows: pages placed inside the tab strip's
// frame, the change event before the page changes (from the program and
// from the user's tab strip), refusal, and what shows on which page.
#include "win32/StdCtrlsFixture.h"

#include <commctrl.h>

namespace {

TEST(TabbedNotebook, PagesLieAt4And24InsideTheNotebookAndOnlyTheCurrentShows) {
    TStdFrm* form = MakeStdForm();
    auto* nbk = form->Find<TTabbedNotebook>("ControlsNbk");
    ASSERT_EQ(2, nbk->PageCount());
    EXPECT_EQ(0, nbk->PageIndex());
    EXPECT_EQ(2, SendMessageA(nbk->TabHandle(), TCM_GETITEMCOUNT, 0, 0));
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(nbk->TabHandle(), TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ("Properties", text);

    TTabPage* page = nbk->Page(1);
    POINT origin{0, 0};
    MapWindowPoints(page->Handle(), nbk->Handle(), &origin, 1);
    EXPECT_EQ(4, origin.x);
    EXPECT_EQ(24, origin.y);
    RECT client;
    GetClientRect(page->Handle(), &client);
    EXPECT_EQ(401 - 8, client.right);
    EXPECT_EQ(305 - 28, client.bottom);

    HWND hour = form->Find<TTrackBar>("HourBar")->Handle();
    HWND memo = form->Find<TMemo>("RemindersMmo")->Handle();
    EXPECT_TRUE(IsWindowVisible(hour));
    EXPECT_FALSE(IsWindowVisible(memo));
    nbk->SetPageIndex(1);
    EXPECT_FALSE(IsWindowVisible(hour));
    EXPECT_TRUE(IsWindowVisible(memo));
    EXPECT_EQ(1, SendMessageA(nbk->TabHandle(), TCM_GETCURSEL, 0, 0));
    delete form;
}

TEST(TabbedNotebook, OnChangeComesBeforeThePageChangesAndMayRefuse) {
    TStdFrm* form = MakeStdForm();
    auto* nbk = form->Find<TTabbedNotebook>("ControlsNbk");
    EXPECT_TRUE(form->newTabs.empty());  // nothing while the description was read

    nbk->SetPageIndex(0);  // the page it shows
    EXPECT_TRUE(form->newTabs.empty());
    nbk->SetPageIndex(1);
    ASSERT_EQ(1u, form->newTabs.size());
    EXPECT_EQ(1, form->newTabs[0]);
    EXPECT_EQ(0, form->pageWhenAsked);  // asked while the old page still showed
    EXPECT_EQ(1, nbk->PageIndex());

    form->allowPageChange = false;
    nbk->SetPageIndex(0);
    EXPECT_EQ(2u, form->newTabs.size());
    EXPECT_EQ(1, nbk->PageIndex());
    EXPECT_TRUE(IsWindowVisible(form->Find<TMemo>("RemindersMmo")->Handle()));
    nbk->SetPageIndex(5);  // no such page: nothing
    EXPECT_EQ(2u, form->newTabs.size());
    delete form;
}

TEST(TabbedNotebook, TheUsersTabClickAndArrowKeysSwitchPages) {
    TStdFrm* form = MakeStdForm();
    auto* nbk = form->Find<TTabbedNotebook>("ControlsNbk");
    HWND tabs = nbk->TabHandle();
    RECT second;
    SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    LPARAM at = MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
    Pump();
    ASSERT_EQ(1u, form->newTabs.size());
    EXPECT_EQ(1, form->newTabs[0]);
    EXPECT_EQ(1, nbk->PageIndex());
    EXPECT_TRUE(IsWindowVisible(nbk->Page(1)->Handle()));

    // Refused: the strip goes back to the page that shows.
    form->allowPageChange = false;
    SetFocus(tabs);
    SendMessageA(tabs, WM_KEYDOWN, VK_LEFT, 0x014B0001);
    Pump();
    EXPECT_EQ(2u, form->newTabs.size());
    EXPECT_EQ(0, form->newTabs[1]);
    EXPECT_EQ(1, nbk->PageIndex());
    EXPECT_EQ(1, SendMessageA(tabs, TCM_GETCURSEL, 0, 0));

    form->allowPageChange = true;
    SendMessageA(tabs, WM_KEYDOWN, VK_LEFT, 0x014B0001);
    Pump();
    EXPECT_EQ(0, nbk->PageIndex());
    EXPECT_FALSE(IsWindowVisible(nbk->Page(1)->Handle()));
    delete form;
}

TEST(TabbedNotebook, TheFocusLeavesAPageThatHides) {
    TStdFrm* form = MakeStdForm();
    auto* nbk = form->Find<TTabbedNotebook>("ControlsNbk");
    nbk->SetPageIndex(1);
    auto* memo = form->Find<TMemo>("RemindersMmo");
    memo->SetFocus();
    ASSERT_EQ(memo->Handle(), GetFocus());
    nbk->SetPageIndex(0);
    EXPECT_EQ(nbk->TabHandle(), GetFocus());
    delete form;
}

TEST(TabbedNotebook, APagesListNamesThePagesAndMakesMissingOnes) {
    const char text[] = R"(
TStdFrm Pages {
  ClientWidth = 300 ClientHeight = 200 PixelsPerInch = 96
  TTabbedNotebook Nbk {
    Left = 0 Top = 0 Width = 300 Height = 200 Pages = ["First", "Second", "Third"] PageIndex = 2
    TTabPage P0 { }
    TTabPage P1 { Caption = "Own caption" }
  }
})";
    TStdFrm* form = MakeStdForm(text);
    auto* nbk = form->Find<TTabbedNotebook>("Nbk");
    ASSERT_EQ(3, nbk->PageCount());
    EXPECT_EQ("First", nbk->Page(0)->Caption());
    EXPECT_EQ("Own caption", nbk->Page(1)->Caption());
    EXPECT_EQ("Third", nbk->Page(2)->Caption());
    EXPECT_EQ(2, nbk->PageIndex());  // set before its page existed
    EXPECT_TRUE(IsWindowVisible(nbk->Page(2)->Handle()));

    // A page that goes takes its tab with it; the current page stays current.
    nbk->SetPageIndex(1);
    delete form->Find<TTabPage>("P0");
    EXPECT_EQ(2, nbk->PageCount());
    EXPECT_EQ(2, SendMessageA(nbk->TabHandle(), TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(0, nbk->PageIndex());
    EXPECT_EQ("Own caption", nbk->ActivePage()->Caption());
    EXPECT_EQ(0, SendMessageA(nbk->TabHandle(), TCM_GETCURSEL, 0, 0));
    // When the current page goes, the one at its place takes over.
    delete form->Find<TTabPage>("P1");
    EXPECT_EQ("Third", nbk->ActivePage()->Caption());
    EXPECT_TRUE(IsWindowVisible(nbk->ActivePage()->Handle()));
    delete form;
}

}  // namespace
