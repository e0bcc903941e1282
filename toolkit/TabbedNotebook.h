// Tabbed notebooks: a native tab strip over a stack of pages (TTabPage), of
// which only the current one shows. OnChange asks before the page changes,
// whether the user picks a tab or the program sets PageIndex.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/TabPage.h"
#include "toolkit/WinControl.h"

using TPageChangeEvent = std::function<void(TComponent* sender, int newTab, bool& allowChange)>;

class TTabbedNotebook : public TWinControl {
public:
    // Where every page's client area starts inside the notebook, and the
    // margin it leaves on the other sides, at 96 pixels per inch; a notebook
    // scaled to another resolution scales these with it.
    static constexpr int kPageLeft = 4, kPageTop = 24, kPageMargin = 4;

    explicit TTabbedNotebook(TComponent* owner);
    ~TTabbedNotebook() override;

    const char* ClassName() const override { return "TTabbedNotebook"; }

    int PageCount() const { return static_cast<int>(Pages().size()); }
    TTabPage* Page(int index) const;
    int IndexOfPage(const TTabPage* page) const;
    // Adds a page with that caption at the end.
    TTabPage* AddPage(const std::string& caption);

    // The current page, -1 when there is none.
    int PageIndex() const { return pageIndex_; }
    void SetPageIndex(int v);
    TTabPage* ActivePage() const { return pageIndex_ >= 0 ? Page(pageIndex_) : nullptr; }

    // The font of the tab captions (the pages take the notebook's Font).
    TFont& TabFont() { return tabFont_; }
    // The tab strip's window, once made.
    HWND TabHandle() const { return tabs_; }

    TPageChangeEvent OnChange;

    // A page came, went or changed its caption.
    void PagesChanged();

    void SetBounds(int left, int top, int width, int height) override;
    // Scales the tab captions' font and the pages' insets too; the pages
    // are placed from the scaled notebook, not scaled a second time.
    void ScaleBy(int m, int d) override;
    // The rectangle every page takes, in the notebook's client area.
    RECT PageRect() const;
    void Loaded() override;
    void DestroyHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void EnabledChanged() override;

private:
    std::vector<TTabPage*> Pages() const;
    // Makes the tabs match the pages, and shows only the current page.
    void UpdateTabs();
    void LayoutPages();
    // The tab strip changed its selection: ask, then follow or go back.
    void TabSelected();

    HWND tabs_ = nullptr;
    int pageIndex_ = -1;
    TTabPage* active_ = nullptr;  // the page at pageIndex_, kept when others go
    TFont tabFont_;
    int pageLeft_ = kPageLeft, pageTop_ = kPageTop, pageMargin_ = kPageMargin;
    std::vector<std::string> pageNames_;  // a Pages list, applied at Loaded
};
