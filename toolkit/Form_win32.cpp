#include "toolkit/Form.h"

#include <vector>

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "platform/ScopedWin32.h"
#include "res/StringIds.h"
#include "toolkit/Application.h"
#include "toolkit/EnumProperty.h"
#include "toolkit/FormHints.h"
#include "toolkit/Menus.h"
#include "toolkit/StartupTrace.h"

int ScreenPixelsPerInch() {
    scoped::WindowDC dc;
    int ppi = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    return ppi > 0 ? ppi : 96;
}

namespace {
bool AnyHint(const TWinControl& parent) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const TControl* c = parent.Controls(i);
        if (!c->Hint().empty()) return true;
        if (auto* w = dynamic_cast<const TWinControl*>(c); w && AnyHint(*w)) return true;
    }
    return false;
}
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetColor(clBtnFace);
}

TForm::~TForm() {
    // The menu object owns its native menu: take it off the window before
    // the window goes, or the system would destroy it too.
    if (menu_) {
        if (HandleAllocated()) ::SetMenu(handle_, nullptr);
        menu_->form_ = nullptr;
    }
}

void TForm::InitializeForm() {
    std::string resource = ClassName();
    for (char& c : resource)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, resource.c_str(), reinterpret_cast<LPCSTR>(RT_RCDATA));
    if (!found) throw EReadError(std::string("No window description for ") + ClassName());
    HGLOBAL data = LoadResource(module, found);
    const char* text = static_cast<const char*>(LockResource(data));
    DWORD size = SizeofResource(module, found);
    if (!text) throw EReadError(std::string("No window description for ") + ClassName());
    InitializeFromText(std::string(text, size), resource);
}

void TForm::InitializeFromText(const std::string& text, const std::string& sourceName) {
    {
        STARTUP_PROBE("read descriptions");
        HandlerTable handlers;
        RegisterHandlers(handlers);
        FormNode node = ParseFormDescription(text, sourceName);
        if (node.className != ClassName())
            throw EReadError(sourceName + ": describes " + node.className + ", not " + ClassName());
        ReadComponentTree(*this, node, handlers);
        ComponentsLoaded();
        ScaleToScreen();
    }
    {
        STARTUP_PROBE("build windows");
        CreateHandleTree();
    }
    // Tool tips for every control with a hint, shown while ShowHint is on;
    // a form without hints makes no tool-tip window.
    if (AnyHint(*this)) {
        STARTUP_PROBE("tool tips");
        TFormHints::Install(*this);
    }
    STARTUP_PROBE("creation handler");
    if (OnCreate) OnCreate(this);
}

void TForm::ScaleToScreen() {
    int screen = ScreenPixelsPerInch();
    if (screen == pixelsPerInch_) return;
    int m = screen, d = pixelsPerInch_;
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->ScaleBy(m, d);
    Font().SetHeight(MulDiv(Font().Height(), m, d));
    if (clientSizeSet_) {
        clientWidth_ = MulDiv(clientWidth_, m, d);
        clientHeight_ = MulDiv(clientHeight_, m, d);
    } else {
        // The suppression stays on the line it names: not laid out.
        // clang-format off
        TControl::SetBounds(Left(), Top(), MulDiv(Width(), m, d), MulDiv(Height(), m, d));  // NOLINT(bugprone-parent-virtual-call): the children are scaled already, so no realign
        // clang-format on
    }
    pixelsPerInch_ = screen;
}

void TForm::SetClientWidth(int v) {
    clientWidth_ = v;
    clientSizeSet_ = true;
    if (HandleAllocated()) WindowCreated();
}

void TForm::SetClientHeight(int v) {
    clientHeight_ = v;
    clientSizeSet_ = true;
    if (HandleAllocated()) WindowCreated();
}

RECT TForm::ClientRect() {
    RECT r{0, 0, clientWidth_, clientHeight_};
    if (HandleAllocated()) GetClientRect(handle_, &r);
    return r;
}

void TForm::SetFormStyle(TFormStyle v) {
    if (v == formStyle_) return;
    formStyle_ = v;
    if (HandleAllocated())
        SetWindowPos(handle_, v == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::CreateParams(TCreateParams& p) {
    p.caption = GetText();
    p.winClassName = ClassName();
    p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.exStyle = WS_EX_CONTROLPARENT;
    switch (borderStyle_) {
        case TBorderStyle::bsNone: p.style |= WS_POPUP; break;
        case TBorderStyle::bsSingle:
        case TBorderStyle::bsToolWindow: p.style |= WS_CAPTION | WS_BORDER; break;
        case TBorderStyle::bsSizeable:
        case TBorderStyle::bsSizeToolWin: p.style |= WS_CAPTION | WS_THICKFRAME; break;
        case TBorderStyle::bsDialog:
            p.style |= WS_POPUP | WS_CAPTION;
            p.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
    }
    if (borderStyle_ == TBorderStyle::bsToolWindow || borderStyle_ == TBorderStyle::bsSizeToolWin)
        p.exStyle |= WS_EX_TOOLWINDOW;
    if (borderStyle_ != TBorderStyle::bsNone && (borderIcons_ & biSystemMenu)) {
        p.style |= WS_SYSMENU;
        if (borderStyle_ != TBorderStyle::bsDialog) {
            if (borderIcons_ & biMinimize) p.style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize) p.style |= WS_MAXIMIZEBOX;
        }
    }
    if (formStyle_ == TFormStyle::fsStayOnTop) p.exStyle |= WS_EX_TOPMOST;
    p.x = Left();
    p.y = Top();
    p.width = Width();
    p.height = Height();
    if (clientSizeSet_) {
        RECT r{0, 0, clientWidth_, clientHeight_};
        AdjustWindowRectEx(&r, p.style, FALSE, p.exStyle);
        p.width = r.right - r.left;
        p.height = r.bottom - r.top;
    }
    p.parent = Application ? Application->Handle() : nullptr;  // the owner
    p.icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
}

void TForm::WindowCreated() {
    TWinControl::WindowCreated();
    if (menu_) ::SetMenu(handle_, menu_->Handle());
    FitClientSize();
    // The client area is known only now (a window first shown later gets
    // its first WM_SIZE only then): aligned controls take their places.
    Realign();
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    // One native menu can be the bar of one window only.
    if (menu && menu->form_) menu->form_->SetMenu(nullptr);
    if (menu_) menu_->form_ = nullptr;
    menu_ = menu;
    if (menu_) menu_->form_ = this;
    if (!HandleAllocated()) return;
    ::SetMenu(handle_, menu_ ? menu_->Handle() : nullptr);
    FitClientSize();
}

void TForm::FitClientSize() {
    if (clientSizeSet_) {
        // Fit the outer size so that the client area has the stored size,
        // whatever the frame, caption and menu bar take.
        RECT w, c;
        GetWindowRect(handle_, &w);
        GetClientRect(handle_, &c);
        int width = (w.right - w.left) + clientWidth_ - (c.right - c.left);
        int height = (w.bottom - w.top) + clientHeight_ - (c.bottom - c.top);
        SetWindowPos(handle_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The suppression stays on the line it names: not laid out.
        // clang-format off
        TControl::SetBounds(Left(), Top(), width, height);  // NOLINT(bugprone-parent-virtual-call): records the size the window was just given
        // clang-format on
    }
}

void TForm::TextChanged() {
    if (HandleAllocated()) SetWindowTextA(handle_, GetText().c_str());
}

void TForm::VisibleChanged() {
    if (!HandleAllocated()) return;
    if (Visible()) ShowForm(true);
    else ShowWindow(handle_, SW_HIDE);
}

void TForm::ShowForm(bool activate) {
    ShowWindow(handle_, activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
    if (activate) {
        SetForegroundWindow(handle_);
        if (activeControl_ && activeControl_->CanFocus()) activeControl_->SetFocus();
    }
}

void TForm::Show() {
    HandleNeeded();
    if (!Visible()) SetVisible(true);
    else BringToFront();
}

void TForm::BringToFront() {
    if (!HandleAllocated()) return;
    if (IsIconic(handle_)) ShowWindow(handle_, SW_RESTORE);
    SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(handle_);
}

void TForm::SetActiveControl(TWinControl* c) {
    activeControl_ = c;
    if (c && HandleAllocated() && GetActiveWindow() == handle_ && c->CanFocus()) c->SetFocus();
}

void TForm::Close() {
    if (OnCloseQuery) {
        bool canClose = true;
        OnCloseQuery(this, canClose);
        if (!canClose) return;
    }
    bool isMain = Application && Application->MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (modal_) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        return;
    }
    if (action == TCloseAction::caMinimize) {
        if (HandleAllocated()) ShowWindow(handle_, SW_MINIMIZE);
        return;
    }
    Hide();
    if (isMain && Application) Application->Terminate();
}

int TForm::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw EInvalidOperation(platform::LoadStr(res::SCannotShowModal));
    // A control in the middle of a drag ends it before the window goes modal.
    if (HWND capture = GetCapture()) {
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    HWND previous = GetActiveWindow();
    HandleNeeded();

    // Every other visible, enabled window of the thread takes no input.
    scoped::DisabledWindows disabled(handle_);

    modal_ = true;
    modalResult_ = mrNone;
    bool quit = false;
    if (Application) Application->EnterModal();
    try {
        Show();
        while (modalResult_ == mrNone) {
            if (!Application || !Application->HandleMessage()) {
                // The program is ending: the answer is Cancel.
                quit = true;
                modalResult_ = mrCancel;
                break;
            }
        }
    } catch (...) {
        modal_ = false;
        if (Application) Application->LeaveModal();
        throw;
    }
    if (Application) Application->LeaveModal();
    // Re-enable before hiding, so that the system activates one of ours.
    disabled.Restore();
    modal_ = false;
    SetVisible(false);
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    if (quit) PostQuitMessage(0);
    return modalResult_;
}

bool TForm::IsFormDialogMessage(MSG& msg) {
    if (!HandleAllocated()) return false;
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    if (msg.hwnd != handle_ && !IsChild(handle_, msg.hwnd)) return false;
    return IsDialogMessageA(handle_, &msg) != FALSE;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE: Close(); return 0;
        case DM_GETDEFID:
            if (auto* w = dynamic_cast<TWinControl*>(DefaultControl); w && w->HandleAllocated() && w->Enabled())
                return MAKELRESULT(GetDlgCtrlID(w->Handle()), DC_HASDEFID);
            return 0;
        case WM_COMMAND:
            // From the menu (0) or an accelerator (1): no control window.
            if (lParam == 0 && HIWORD(wParam) <= 1 && menu_ && menu_->DispatchCommand(LOWORD(wParam))) return 0;
            if (lParam == 0 && HIWORD(wParam) == 0) {
                if (LOWORD(wParam) == IDOK) {
                    if (DefaultControl && DefaultControl->Enabled()) DefaultControl->Click();
                    return 0;
                }
                if (LOWORD(wParam) == IDCANCEL) {
                    if (CancelControl && CancelControl->Enabled()) CancelControl->Click();
                    return 0;
                }
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                TWinControl* target = activeControl_;
                if (!target || !target->CanFocus()) {
                    for (TWinControl* c : TabList())
                        if (c->TabStop() && c->CanFocus()) {
                            target = c;
                            break;
                        }
                }
                if (target && target->CanFocus()) {
                    target->SetFocus();
                    return 0;
                }
            } else if (HWND focus = GetFocus(); focus && IsChild(handle_, focus)) {
                // Remember where the focus was, to give it back on return.
                for (HWND h = focus; h && h != handle_; h = GetParent(h))
                    if (auto* c = dynamic_cast<TWinControl*>(FindControl(h)); c && c->TabStop()) {
                        activeControl_ = c;
                        break;
                    }
            }
            break;
        default: break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

void TForm::Loaded() {
    TWinControl::Loaded();
    if (menuName_.empty()) return;
    auto* menu = dynamic_cast<TMainMenu*>(FindComponent(menuName_));
    if (!menu) throw EReadError(Name() + ": no main menu " + menuName_);
    menuName_.clear();
    SetMenu(menu);
}

bool TForm::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "ClientWidth") {
        SetClientWidth(value.AsInt());
    } else if (name == "ClientHeight") {
        SetClientHeight(value.AsInt());
    } else if (name == "PixelsPerInch") {
        int v = value.AsInt();
        if (v <= 0) throw EReadError("PixelsPerInch must be positive");
        SetPixelsPerInch(v);
    } else if (name == "BorderStyle") {
        SetBorderStyle(EnumFromValue<TBorderStyle>(
            value, {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}, "border style"));
    } else if (name == "BorderIcons") {
        unsigned icons = 0;
        // biSystemMenu, biMinimize, biMaximize and biHelp are bits 0 to 3.
        for (const PropertyValue& item : value.AsList())
            icons |= 1u << EnumFromValue(item, {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}, "border icon");
        SetBorderIcons(icons);
    } else if (name == "FormStyle") {
        SetFormStyle(EnumFromValue<TFormStyle>(value, {"fsNormal", "fsStayOnTop"}, "form style"));
    } else if (name == "Menu") {
        // The menu is read after the form's own properties.
        menuName_ = value.AsIdentifier();
    } else if (name == "OnCreate") {
        OnCreate = binder.Handler<void(TComponent*)>(value);
    } else if (name == "OnClose") {
        OnClose = binder.Handler<void(TComponent*, TCloseAction&)>(value);
    } else {
        return TWinControl::SetProperty(name, value, binder);
    }
    return true;
}
