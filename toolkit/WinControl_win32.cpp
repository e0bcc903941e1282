#include "toolkit/WinControl.h"

#include <algorithm>
#include <cassert>
#include <set>
#include <unordered_map>

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "platform/ScopedWin32.h"
#include "res/StringIds.h"
#include "toolkit/Application.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/StartupTrace.h"

namespace {
// Each window's control, kept in the process: a window property would cost
// an exchange with the window server on every message.
std::unordered_map<HWND, TWinControl*>& BoundControls() {
    static std::unordered_map<HWND, TWinControl*> controls;
    return controls;
}

TWinControl* BoundControl(HWND h) {
    auto& controls = BoundControls();
    auto it = controls.find(h);
    return it == controls.end() ? nullptr : it->second;
}

// The child window that a parent's notification is about, if any.
HWND ControlWindowOf(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR: return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY: return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        case WM_DRAWITEM: return wParam ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
        default: return nullptr;
    }
}

// The object under construction, for the messages a window receives before
// CreateWindowEx returns (our classes bind it at WM_NCCREATE).
TWinControl* g_creating = nullptr;
}  // namespace

LRESULT CALLBACK ToolkitWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* c = BoundControl(h);
    if (!c && msg == WM_NCCREATE && g_creating) {
        c = g_creating;
        c->Bind(h);
    }
    if (!c) return DefWindowProcA(h, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        LRESULT r = c->DefaultHandler(msg, wParam, lParam);
        c->Unbind();
        return r;
    }
    try {
        return c->WndProc(msg, wParam, lParam);
    } catch (...) {
        if (Application) Application->HandleException(c);
        return 0;
    }
}

void RegisterToolkitClass(const TCreateParams& params) {
    static std::set<std::string> registered;
    if (registered.count(params.winClassName)) return;
    STARTUP_PROBE("class registration");
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = params.classStyle;
    wc.lpfnWndProc = ToolkitWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = params.background;
    wc.hIcon = params.icon;
    wc.lpszClassName = params.winClassName.c_str();
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw EOutOfResources(platform::LoadStr(res::SWindowCreate));
    registered.insert(params.winClassName);
}

TControl* FindControl(HWND h) { return h ? BoundControl(h) : nullptr; }

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Children may outlive this part of the object (the owner frees them
    // later): they must not reach back into a parent that is gone.
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
    captureControl_ = nullptr;
    TWinControl::DestroyHandle();
}

void TWinControl::Bind(HWND h) {
    handle_ = h;
    BoundControls()[h] = this;
}

void TWinControl::Unbind() {
    if (!handle_) return;
    BoundControls().erase(handle_);
    if (nativeProc_) {
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nativeProc_));
        nativeProc_ = nullptr;
    }
    handle_ = nullptr;
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    // Stop dispatching and undo the subclassing while the window is valid,
    // then destroy it; child windows go with it and unbind themselves.
    HWND h = handle_;
    Unbind();
    DestroyWindow(h);
}

HWND TWinControl::Handle() {
    if (!handle_) CreateWnd();
    return handle_;
}

void TWinControl::CreateHandleTree() {
    Handle();
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->CreateHandleTree();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.caption = GetText();
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) params.style |= WS_VISIBLE;
    if (!Enabled()) params.style |= WS_DISABLED;
    if (tabStop_) params.style |= WS_TABSTOP;
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    params.exStyle = WS_EX_CONTROLPARENT;
    params.winClassName = std::string("Dawnbell.") + ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if (p.style & WS_CHILD) {
        if (!Parent()) throw EInvalidOperation(std::string("Control '") + Name() + "' has no parent window");
        p.parent = Parent()->Handle();
        static UINT nextId = 100;
        p.menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId++));
    }
    if (!p.systemClass) RegisterToolkitClass(p);
    TWinControl* previous = g_creating;
    g_creating = p.systemClass ? nullptr : this;
    HWND h = CreateWindowExA(p.exStyle, p.winClassName.c_str(), p.caption.c_str(), p.style, p.x, p.y, p.width, p.height,
                             p.parent, p.menu, GetModuleHandleA(nullptr), this);
    g_creating = previous;
    if (!h) throw EOutOfResources(platform::LoadStr(res::SWindowCreate) + " " + Name());
    if (p.systemClass) {
        Bind(h);
        nativeProc_ =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolkitWndProc)));
    }
    WindowCreated();
}

void TWinControl::WindowCreated() {
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (nativeProc_) return CallWindowProcA(nativeProc_, handle_, msg, wParam, lParam);
    return DefWindowProcA(handle_, msg, wParam, lParam);
}

bool TWinControl::Notification(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

HBRUSH TWinControl::ColorBrush() {
    COLORREF rgb = ColorToRGB(Color());
    if (!brush_ || rgb != brushColor_) {
        brush_.Reset(CreateSolidBrush(rgb));
        brushColor_ = rgb;
    }
    return brush_.Get();
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (HWND child = ControlWindowOf(msg, wParam, lParam)) {
        TWinControl* c = BoundControl(child);
        LRESULT result = 0;
        if (c && c != this && c->Notification(msg, wParam, lParam, result)) return result;
    }
    if (RouteMouseToGraphicChild(msg, wParam, lParam)) return 0;
    switch (msg) {
        case WM_ERASEBKGND:
            if (!nativeProc_) {
                RECT r;
                GetClientRect(handle_, &r);
                FillRect(reinterpret_cast<HDC>(wParam), &r, ColorBrush());
                return 1;
            }
            break;
        case WM_PAINT:
            if (!nativeProc_) {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(handle_, &ps);
                PaintGraphicChildren(dc);
                EndPaint(handle_, &ps);
                return 0;
            }
            break;
        case WM_SIZE: Realign(); break;
        default: break;
    }
    return DefaultHandler(msg, wParam, lParam);
}

void TWinControl::SetExStyleBit(DWORD bit, bool on) {
    if (!handle_) return;
    LONG_PTR ex = GetWindowLongPtrA(handle_, GWL_EXSTYLE);
    ex = on ? (ex | bit) : (ex & ~static_cast<LONG_PTR>(bit));
    SetWindowLongPtrA(handle_, GWL_EXSTYLE, ex);
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinControl::PaintGraphicChildren(HDC dc) {
    for (TControl* c : controls_) {
        if (c->IsWindowed() || !c->Visible()) continue;
        scoped::SavedDC saved(dc);
        RECT r = c->BoundsRect();
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        c->Paint(dc);
    }
}

TControl* TWinControl::GraphicChildAt(int x, int y) const {
    // Children paint in list order, so the last one is on top.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->IsWindowed() || !c->Visible() || !c->Enabled()) continue;
        RECT r = c->BoundsRect();
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return c;
    }
    return nullptr;
}

void TWinControl::EndMouseCapture() {
    // Cleared first: releasing the capture sends WM_CAPTURECHANGED here.
    captureControl_ = nullptr;
    if (handle_ && GetCapture() == handle_) ReleaseCapture();
}

bool TWinControl::RouteMouseToGraphicChild(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMouseButton button = TMouseButton::mbLeft;
    bool press = false, release = false;
    TShiftState shift = 0;
    switch (msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            shift |= ssDouble;
            press = true;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: press = true; break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: release = true; break;
        case WM_MOUSEMOVE: break;
        case WM_CANCELMODE:
            if (TControl* c = captureControl_) {
                EndMouseCapture();
                c->MouseCaptureLost();
            }
            return false;
        case WM_CAPTURECHANGED:
            if (TControl* c = captureControl_; c && reinterpret_cast<HWND>(lParam) != handle_) {
                captureControl_ = nullptr;
                c->MouseCaptureLost();
            }
            return false;
        default: return false;
    }
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK) button = TMouseButton::mbRight;
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP || msg == WM_MBUTTONDBLCLK) button = TMouseButton::mbMiddle;
    if (wParam & MK_SHIFT) shift |= ssShift;
    if (wParam & MK_CONTROL) shift |= ssCtrl;
    if (wParam & MK_LBUTTON) shift |= ssLeft;
    if (wParam & MK_RBUTTON) shift |= ssRight;
    if (wParam & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    // Signed: with the capture held the pointer may be left of or above us.
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));

    TControl* target = captureControl_ ? captureControl_ : GraphicChildAt(x, y);
    if (!target) return false;
    const int cx = x - target->Left(), cy = y - target->Top();
    if (press) {
        if (!captureControl_) {
            captureControl_ = target;
            SetCapture(handle_);
        }
        target->MouseDown(button, shift, cx, cy);
    } else if (release) {
        // The capture ends with the last button, before the control's
        // handler runs (which may open a modal window).
        if (captureControl_ && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) EndMouseCapture();
        target->MouseUp(button, shift, cx, cy);
    } else {
        target->MouseMove(shift, cx, cy);
    }
    return true;
}

void TWinControl::InsertControl(TControl* c) {
    assert(c);
    TControl& control = *c;
    controls_.push_back(c);
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->tabOrder_ < 0) {
        int count = 0;
        for (TControl* o : controls_)
            if (o != c && dynamic_cast<TWinControl*>(o)) ++count;
        w->tabOrder_ = count;
    }
    if (handle_) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->CreateHandleTree();
        else control.Invalidate();
    }
    if (control.Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* c) {
    assert(c);
    const TControl& control = *c;
    auto it = std::find(controls_.begin(), controls_.end(), c);
    if (it == controls_.end()) return;
    controls_.erase(it);
    if (c == captureControl_) EndMouseCapture();
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    else if (handle_) {
        RECT r = control.BoundsRect();
        InvalidateRect(handle_, &r, TRUE);
    }
}

void TWinControl::SetTabOrder(int v) { tabOrder_ = v; }

void TWinControl::SetTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    if (handle_) {
        LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        SetWindowLongPtrA(handle_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

std::vector<TWinControl*> TWinControl::TabList() const {
    std::vector<TWinControl*> list;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) list.push_back(w);
    std::stable_sort(list.begin(), list.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    return list;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (CanFocus()) ::SetFocus(Handle());
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    bool same = left == Left() && top == Top() && width == Width() && height == Height();
    TControl::SetBounds(left, top, width, height);
    if (!same && handle_ && (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD))
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!same) Realign();
}

void TWinControl::ScaleBy(int m, int d) {
    TControl::ScaleBy(m, d);
    for (TControl* c : controls_) c->ScaleBy(m, d);
}

RECT TWinControl::ClientRect() {
    RECT r{0, 0, Width(), Height()};
    if (handle_) GetClientRect(handle_, &r);
    return r;
}

void TWinControl::Realign() {
    RECT r = ClientRect();
    for (TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != pass || !c->Visible()) continue;
            switch (pass) {
                case TAlign::alTop:
                    c->SetBounds(r.left, r.top, r.right - r.left, c->Height());
                    r.top += c->Height();
                    break;
                case TAlign::alBottom:
                    c->SetBounds(r.left, r.bottom - c->Height(), r.right - r.left, c->Height());
                    r.bottom -= c->Height();
                    break;
                case TAlign::alLeft:
                    c->SetBounds(r.left, r.top, c->Width(), r.bottom - r.top);
                    r.left += c->Width();
                    break;
                case TAlign::alRight:
                    c->SetBounds(r.right - c->Width(), r.top, c->Width(), r.bottom - r.top);
                    r.right -= c->Width();
                    break;
                default: c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); break;
            }
        }
    }
}

void TWinControl::VisibleChanged() {
    if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
    if (handle_) EnableWindow(handle_, Enabled());
}

void TWinControl::TextChanged() {
    if (handle_) SetWindowTextA(handle_, GetText().c_str());
}

void TWinControl::FontChanged() {
    if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    for (TControl* c : controls_) c->ParentFontChanged();
}

void TWinControl::ColorChanged() { Invalidate(); }

bool TWinControl::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "TabOrder") SetTabOrder(value.AsInt());
    else if (name == "TabStop") SetTabStop(value.AsBool());
    else return TControl::SetProperty(name, value, binder);
    return true;
}
