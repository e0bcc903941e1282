// Tab pages: the page containers of a tabbed notebook. The page's caption is
// its tab's text; the notebook places it and shows it only while it is the
// current page.
#pragma once

#include "toolkit/WinControl.h"

class TTabbedNotebook;

class TTabPage : public TWinControl {
public:
    explicit TTabPage(TComponent* owner);
    ~TTabPage() override;

    const char* ClassName() const override { return "TTabPage"; }

    // The notebook the page lies in, or null.
    TTabbedNotebook* Notebook() const;
    // The page's place among the notebook's pages, or -1.
    int PageIndex() const;

    void SetParent(TWinControl* parent) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void TextChanged() override;
};
