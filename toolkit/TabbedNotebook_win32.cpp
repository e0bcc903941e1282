#include "toolkit/TabbedNotebook.h"

#include <commctrl.h>

#include "toolkit/DescriptionReader.h"

TTabbedNotebook::TTabbedNotebook(TComponent* owner) : TWinControl(owner) {
    TTabbedNotebook::SetBounds(0, 0, 300, 250);
    tabFont_.OnChange = [this] {
        if (tabs_) SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.Handle()), TRUE);
    };
}

TTabbedNotebook::~TTabbedNotebook() {
    tabFont_.OnChange = nullptr;
    // The pages must not call back into a notebook that is going.
    OnChange = nullptr;
    pageIndex_ = -1;
    active_ = nullptr;
}

std::vector<TTabPage*> TTabbedNotebook::Pages() const {
    std::vector<TTabPage*> pages;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* p = dynamic_cast<TTabPage*>(Controls(i))) pages.push_back(p);
    return pages;
}

TTabPage* TTabbedNotebook::Page(int index) const {
    std::vector<TTabPage*> pages = Pages();
    if (index < 0 || index >= static_cast<int>(pages.size())) return nullptr;
    return pages[static_cast<std::size_t>(index)];
}

int TTabbedNotebook::IndexOfPage(const TTabPage* page) const {
    std::vector<TTabPage*> pages = Pages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i] == page) return static_cast<int>(i);
    return -1;
}

TTabPage* TTabbedNotebook::AddPage(const std::string& caption) {
    auto* page = new TTabPage(this);
    page->SetText(caption);
    page->SetParent(this);
    return page;
}

void TTabbedNotebook::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
}

void TTabbedNotebook::WindowCreated() {
    TWinControl::WindowCreated();
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
    if (!Enabled()) style |= WS_DISABLED;
    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "", style, 0, 0, Width(), Height(), handle_, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    // The strip lies under the pages, which cover its display area.
    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.Handle()), FALSE);
    UpdateTabs();
}

void TTabbedNotebook::DestroyHandle() {
    // The strip is a child of ours and goes with the window.
    tabs_ = nullptr;
    TWinControl::DestroyHandle();
}

void TTabbedNotebook::EnabledChanged() {
    TWinControl::EnabledChanged();
    if (tabs_) EnableWindow(tabs_, Enabled());
}

void TTabbedNotebook::Loaded() {
    // Still loading here: PageIndex may name a page the list is about to make.
    for (std::size_t i = 0; i < pageNames_.size(); ++i) {
        TTabPage* page = Page(static_cast<int>(i));
        if (!page) AddPage(pageNames_[i]);
        else if (page->Caption().empty()) page->SetText(pageNames_[i]);
    }
    pageNames_.clear();
    TWinControl::Loaded();
    PagesChanged();
}

void TTabbedNotebook::PagesChanged() {
    // While the description is read, PageIndex may name a page still to come.
    if (!Loading()) {
        // The current page stays current while others come and go; when it
        // goes itself, the one now at its place (or the last) takes over.
        int index = active_ ? IndexOfPage(active_) : -1;
        if (index < 0) {
            int count = PageCount();
            index = pageIndex_ < count ? pageIndex_ : count - 1;
            if (index < 0 && count > 0) index = 0;
        }
        pageIndex_ = index;
        active_ = Page(index);
    }
    LayoutPages();
    UpdateTabs();
}

RECT TTabbedNotebook::PageRect() const {
    int w = Width() - pageLeft_ - pageMargin_, h = Height() - pageTop_ - pageMargin_;
    if (w < 0) w = 0;
    if (h < 0) h = 0;
    return RECT{pageLeft_, pageTop_, pageLeft_ + w, pageTop_ + h};
}

void TTabbedNotebook::LayoutPages() {
    RECT r = PageRect();
    for (TTabPage* p : Pages()) p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TTabbedNotebook::ScaleBy(int m, int d) {
    pageLeft_ = MulDiv(pageLeft_, m, d);
    pageTop_ = MulDiv(pageTop_, m, d);
    pageMargin_ = MulDiv(pageMargin_, m, d);
    tabFont_.SetHeight(MulDiv(tabFont_.Height(), m, d));
    TWinControl::ScaleBy(m, d);
    LayoutPages();
}

void TTabbedNotebook::UpdateTabs() {
    std::vector<TTabPage*> pages = Pages();
    for (std::size_t i = 0; i < pages.size(); ++i) pages[i]->SetVisible(static_cast<int>(i) == pageIndex_);
    if (!tabs_) return;
    int count = static_cast<int>(pages.size());
    while (SendMessageA(tabs_, TCM_GETITEMCOUNT, 0, 0) > count)
        SendMessageA(tabs_, TCM_DELETEITEM, static_cast<WPARAM>(count), 0);
    for (int i = 0; i < count; ++i) {
        std::string caption = pages[static_cast<std::size_t>(i)]->Caption();
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        if (i < SendMessageA(tabs_, TCM_GETITEMCOUNT, 0, 0))
            SendMessageA(tabs_, TCM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        else SendMessageA(tabs_, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    if (SendMessageA(tabs_, TCM_GETCURSEL, 0, 0) != pageIndex_)
        SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(pageIndex_), 0);
}

void TTabbedNotebook::SetPageIndex(int v) {
    if (v == pageIndex_ || v < 0 || v >= PageCount()) return;
    if (!Loading() && OnChange) {
        bool allow = true;
        OnChange(this, v, allow);
        if (!allow) return;
    }
    // The focus must not stay in a page that is about to hide.
    TTabPage* old = ActivePage();
    HWND focus = GetFocus();
    bool focusInOldPage = old && old->HandleAllocated() && focus && IsChild(old->Handle(), focus);
    pageIndex_ = v;
    active_ = Page(v);
    UpdateTabs();
    if (focusInOldPage && tabs_) ::SetFocus(tabs_);
}

void TTabbedNotebook::TabSelected() {
    int chosen = static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
    SetPageIndex(chosen);
    // Refused (or out of range): the strip goes back to the current page.
    if (pageIndex_ != chosen) SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(pageIndex_), 0);
}

void TTabbedNotebook::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    LayoutPages();
}

LRESULT TTabbedNotebook::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lParam);
            if (tabs_ && hdr->hwndFrom == tabs_) {
                if (hdr->code == TCN_SELCHANGE) TabSelected();
                return 0;
            }
            break;
        }
        case WM_DESTROY:
            // The strip goes with our window, however that is destroyed.
            tabs_ = nullptr;
            break;
        case WM_SIZE:
            if (tabs_)
                SetWindowPos(tabs_, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        default: break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

bool TTabbedNotebook::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "PageIndex") {
        int v = value.AsInt();
        if (Loading()) pageIndex_ = v;  // pages may follow in the description
        else SetPageIndex(v);
    } else if (name == "Pages") {
        pageNames_.clear();
        for (const PropertyValue& item : value.AsList()) pageNames_.push_back(item.AsString());
    } else if (name.compare(0, 8, "TabFont.") == 0) {
        if (!tabFont_.SetProperty(name.substr(8), value)) return false;
    } else if (name == "OnChange") {
        OnChange = binder.Handler<void(TComponent*, int, bool&)>(value);
    } else {
        return TWinControl::SetProperty(name, value, binder);
    }
    return true;
}
