#include "toolkit/TabPage.h"

#include "toolkit/TabbedNotebook.h"

TTabPage::TTabPage(TComponent* owner) : TWinControl(owner) {}

TTabPage::~TTabPage() {
    // Leave the notebook while this is still a page, so that it drops the tab.
    if (Notebook()) TTabPage::SetParent(nullptr);
}

TTabbedNotebook* TTabPage::Notebook() const { return dynamic_cast<TTabbedNotebook*>(Parent()); }

int TTabPage::PageIndex() const {
    TTabbedNotebook* nb = Notebook();
    return nb ? nb->IndexOfPage(this) : -1;
}

void TTabPage::SetParent(TWinControl* parent) {
    TTabbedNotebook* before = Notebook();
    TWinControl::SetParent(parent);
    if (before && before != parent) before->PagesChanged();
    if (TTabbedNotebook* nb = Notebook(); nb && nb != before) nb->PagesChanged();
}

void TTabPage::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
}

void TTabPage::WindowCreated() {
    TWinControl::WindowCreated();
    // Above the notebook's tab strip, which lies under the whole notebook.
    SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TTabPage::TextChanged() {
    TWinControl::TextChanged();
    if (TTabbedNotebook* nb = Notebook()) nb->PagesChanged();
}
