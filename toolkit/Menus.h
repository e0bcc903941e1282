// Menus: a form's menu bar (TMainMenu) and its items (TMenuItem), built as
// native menus. Items are owned by the form like every other component and
// nest in a window description: items directly in the main menu sit on the
// bar, items in an item drop down from it. A caption of "-" is a separator.
// An item's shortcut acts wherever the focus is in its form, also in an edit
// box, before the focused control sees the key; only the editing keys
// (Ctrl+C and its kin) stay with an editable text box that has the focus.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Events.h"
#include "toolkit/ShortCut.h"

class TForm;
class TMainMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool IsSeparator() const { return caption_ == "-"; }

    // The items that drop down from this one, in order.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    // Appends item (taken from any previous parent).
    void Add(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }
    // The main menu this item belongs to, through its parents; null if none.
    TMainMenu* Menu() const;

    // The WM_COMMAND identifier of the item, unique in the process.
    unsigned Command() const { return command_; }
    // The text of the native item: the caption, and the shortcut after a tab
    // for items in a drop-down.
    std::string NativeText() const;

    TNotifyEvent OnClick;
    virtual void Click();

    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;
    // An item nests in a main menu or in another item.
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TMainMenu;
    void Detach();
    void Changed();

    std::string caption_;
    TShortCut shortCut_ = scNone;
    bool enabled_ = true;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMainMenu* menu_ = nullptr;  // set on the items directly on the bar
    unsigned command_ = 0;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    // The items on the menu bar, in order.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    void Add(TMenuItem* item);

    // The native menu bar, built on first use and rebuilt on every change.
    HMENU Handle();
    // The form that shows this menu (TForm::SetMenu), or null.
    TForm* Form() const { return form_; }

    // Clicks the enabled item with this command identifier; false when the
    // identifier is not one of this menu's items.
    bool DispatchCommand(unsigned command);
    // Clicks the enabled item with this shortcut; false when there is none.
    bool DispatchShortCut(TShortCut shortCut);

    // A main menu sits in its form without a place of its own.
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TMenuItem;
    friend class TForm;
    void Remove(TMenuItem* item);
    void Rebuild();
    // The application filter: a key press in the active form that shows this
    // menu becomes a click on the item with that shortcut.
    bool FilterKey(const MSG& msg);

    std::vector<TMenuItem*> items_;
    HMENU handle_ = nullptr;
    TForm* form_ = nullptr;
    int filterKey_ = 0;
    std::shared_ptr<bool> alive_;
};
