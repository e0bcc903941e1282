#include "toolkit/Menus.h"

#include <algorithm>

#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/Form.h"

static_assert(vk::Back == VK_BACK && vk::Tab == VK_TAB && vk::Return == VK_RETURN && vk::Shift == VK_SHIFT &&
              vk::Control == VK_CONTROL && vk::Menu == VK_MENU && vk::Escape == VK_ESCAPE && vk::Space == VK_SPACE &&
              vk::Prior == VK_PRIOR && vk::Next == VK_NEXT && vk::End == VK_END && vk::Home == VK_HOME &&
              vk::Left == VK_LEFT && vk::Up == VK_UP && vk::Right == VK_RIGHT && vk::Down == VK_DOWN &&
              vk::Insert == VK_INSERT && vk::Delete == VK_DELETE && vk::F1 == VK_F1 && vk::F12 == VK_F12);

namespace {

// Command identifiers: slot i of the table is identifier kFirstCommand + i.
// Freed slots are reused, so identifiers stay within WM_COMMAND's 16 bits.
constexpr unsigned kFirstCommand = 0x100;
constexpr unsigned kLastCommand = 0xFFFF;

std::vector<TMenuItem*>& CommandSlots() {
    static std::vector<TMenuItem*> slots;
    return slots;
}

unsigned AllocateCommand(TMenuItem* item) {
    auto& slots = CommandSlots();
    auto free = std::find(slots.begin(), slots.end(), nullptr);
    std::size_t index = static_cast<std::size_t>(free - slots.begin());
    if (kFirstCommand + index > kLastCommand) throw EOutOfResources("Too many menu items");
    if (free == slots.end()) slots.push_back(item);
    else *free = item;
    return kFirstCommand + static_cast<unsigned>(index);
}

void ReleaseCommand(unsigned command) {
    auto& slots = CommandSlots();
    std::size_t index = command - kFirstCommand;
    if (command >= kFirstCommand && index < slots.size()) slots[index] = nullptr;
}

TMenuItem* ItemOfCommand(unsigned command) {
    auto& slots = CommandSlots();
    std::size_t index = command - kFirstCommand;
    return command >= kFirstCommand && index < slots.size() ? slots[index] : nullptr;
}

// An item can be chosen only when it and every item above it are enabled.
bool Usable(const TMenuItem* item) {
    for (; item; item = item->Parent())
        if (!item->Enabled() || item->IsSeparator()) return false;
    return true;
}

// A text box that takes typing: an edit control, enabled and not read-only.
bool IsEditableTextBox(HWND window) {
    char name[16] = "";
    if (!window || !GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, "Edit") != 0) return false;
    return IsWindowEnabled(window) && (GetWindowLongA(window, GWL_STYLE) & ES_READONLY) == 0;
}

// The first item with this shortcut that can be chosen; a disabled item
// hides the items below it.
TMenuItem* FindShortCut(TMenuItem* item, TShortCut shortCut) {
    if (!item->Enabled() || item->IsSeparator()) return nullptr;
    if (item->ShortCut() == shortCut) return item;
    for (int i = 0; i < item->Count(); ++i)
        if (TMenuItem* found = FindShortCut(item->Items(i), shortCut)) return found;
    return nullptr;
}

void AppendNative(HMENU into, TMenuItem* item) {
    if (item->IsSeparator()) {
        AppendMenuA(into, MF_SEPARATOR, 0, nullptr);
        return;
    }
    UINT flags = MF_STRING | (item->Enabled() ? MF_ENABLED : MF_GRAYED);
    std::string text = item->NativeText();
    if (item->Count() == 0) {
        AppendMenuA(into, flags, item->Command(), text.c_str());
        return;
    }
    HMENU sub = CreatePopupMenu();
    for (int i = 0; i < item->Count(); ++i) AppendNative(sub, item->Items(i));
    AppendMenuA(into, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
}

}  // namespace

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand(this)) {}

TMenuItem::~TMenuItem() {
    Detach();
    for (TMenuItem* child : items_) child->parent_ = nullptr;
    items_.clear();
    ReleaseCommand(command_);
}

void TMenuItem::SetCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut v) {
    if (v == shortCut_) return;
    shortCut_ = v;
    Changed();
}

void TMenuItem::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed();
}

TMainMenu* TMenuItem::Menu() const {
    const TMenuItem* top = this;
    while (top->parent_) top = top->parent_;
    return top->menu_;
}

void TMenuItem::Add(TMenuItem* item) {
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw EInvalidOperation("A menu item cannot contain itself");
    item->Detach();
    items_.push_back(item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Detach() {
    TMainMenu* menu = Menu();
    if (parent_) {
        auto& list = parent_->items_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        parent_ = nullptr;
    } else if (menu_) {
        menu_->Remove(this);
        menu_ = nullptr;
    }
    if (menu) menu->Rebuild();
}

void TMenuItem::Changed() {
    if (TMainMenu* menu = Menu()) menu->Rebuild();
}

std::string TMenuItem::NativeText() const {
    std::string key = ShortCutToText(shortCut_);
    // The menu bar shows captions only; drop-downs align the key on the right.
    if (!parent_ || key.empty()) return caption_;
    return caption_ + "\t" + key;
}

void TMenuItem::Click() {
    if (!OnClick) return;
    // A copy: the handler may assign another one.
    TNotifyEvent handler = OnClick;
    handler(this);
}

bool TMenuItem::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Caption") {
        SetCaption(value.AsString());
    } else if (name == "ShortCut") {
        std::int64_t v = value.AsInteger();
        if (v < 0 || v > 0xFFFF) throw EReadError("shortcut out of range: " + value.ToText());
        SetShortCut(static_cast<TShortCut>(v));
    } else if (name == "Enabled") {
        SetEnabled(value.AsBool());
    } else if (name == "OnClick") {
        OnClick = binder.Handler<void(TComponent*)>(value);
    } else {
        return TComponent::SetProperty(name, value, binder);
    }
    return true;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TMainMenu*>(parent)) menu->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
    else throw EReadError(Name() + " must be placed in a menu or a menu item");
}

// ---- TMainMenu ----

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), alive_(std::make_shared<bool>(true)) {
    // The application runs its filters from a copy of the list, so an earlier
    // filter may free this menu while the copy still holds this one.
    std::shared_ptr<bool> alive = alive_;
    if (Application)
        filterKey_ = Application->AddMessageFilter([this, alive](MSG& msg) { return *alive && FilterKey(msg); });
}

TMainMenu::~TMainMenu() {
    *alive_ = false;
    if (Application && filterKey_) Application->RemoveMessageFilter(filterKey_);
    if (form_) form_->SetMenu(nullptr);
    for (TMenuItem* item : items_) item->menu_ = nullptr;
    items_.clear();
    if (handle_) DestroyMenu(handle_);
}

void TMainMenu::Add(TMenuItem* item) {
    item->Detach();
    items_.push_back(item);
    item->menu_ = this;
    Rebuild();
}

void TMainMenu::Remove(TMenuItem* item) { items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end()); }

HMENU TMainMenu::Handle() {
    if (!handle_) {
        handle_ = CreateMenu();
        Rebuild();
    }
    return handle_;
}

void TMainMenu::Rebuild() {
    if (!handle_) return;
    // Deleting a drop-down's entry destroys the drop-down with it.
    while (GetMenuItemCount(handle_) > 0)
        if (!DeleteMenu(handle_, 0, MF_BYPOSITION)) break;
    for (TMenuItem* item : items_) AppendNative(handle_, item);
    if (form_ && form_->HandleAllocated()) DrawMenuBar(form_->Handle());
}

bool TMainMenu::DispatchCommand(unsigned command) {
    TMenuItem* item = ItemOfCommand(command);
    if (!item || item->Menu() != this) return false;
    if (Usable(item)) item->Click();
    return true;
}

bool TMainMenu::DispatchShortCut(TShortCut shortCut) {
    if (shortCut == scNone) return false;
    // Without an enabled item the key goes on to the control with the focus.
    for (TMenuItem* top : items_)
        if (TMenuItem* item = FindShortCut(top, shortCut)) {
            item->Click();
            return true;
        }
    return false;
}

bool TMainMenu::FilterKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (!form_ || !form_->HandleAllocated()) return false;
    HWND window = form_->Handle();
    if (GetActiveWindow() != window || !IsWindowEnabled(window)) return false;
    if (msg.hwnd != window && !IsChild(window, msg.hwnd)) return false;
    TShortCut shortCut = MakeShortCut(static_cast<unsigned>(msg.wParam), GetKeyState(VK_SHIFT) < 0,
                                      GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0);
    // Ctrl+C in a text box copies, as everywhere else in the system.
    if (IsEditingShortCut(shortCut) && IsEditableTextBox(msg.hwnd)) return false;
    return DispatchShortCut(shortCut);
}

void TMainMenu::SetParentComponent(TComponent* parent) {
    if (!dynamic_cast<TForm*>(parent)) throw EReadError(Name() + " must be placed in its form");
}
