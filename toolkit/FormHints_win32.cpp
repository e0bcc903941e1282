#include "toolkit/FormHints.h"

#include <commctrl.h>

#include <cassert>

#include <vector>

#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"

namespace {
// The windows that may get the mouse over a control's area when the
// control itself does not (disabled, or graphic): its parent, and through
// group boxes (which let the mouse pass where no graphic child is) the
// windows beneath them.
std::vector<TWinControl*> MouseReceivers(TControl& c) {
    std::vector<TWinControl*> receivers;
    for (TWinControl* p = c.Parent(); p; p = p->Parent()) {
        receivers.push_back(p);
        if (!dynamic_cast<TGroupBox*>(p)) break;
    }
    return receivers;
}

// The control's area in the receiver's client coordinates.
RECT AreaIn(TControl& c, TWinControl& receiver) {
    RECT r = c.BoundsRect();
    for (TWinControl* p = c.Parent(); p && p != &receiver; p = p->Parent()) OffsetRect(&r, p->Left(), p->Top());
    return r;
}

// Tool tips keep the system's info colours also where visual styles
// would paint them otherwise.
void UseClassicLook(HWND h) {
    HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    if (!uxtheme) return;
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    auto fn = reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")));
    if (fn) fn(h, L"", L"");
    FreeLibrary(uxtheme);
}
}  // namespace

TFormHints::TFormHints(TForm& form) : TWinControl(&form), form_(form) { SetVisible(false); }

TFormHints* TFormHints::Of(const TForm& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* h = dynamic_cast<TFormHints*>(form.Component(i))) return h;
    return nullptr;
}

TFormHints* TFormHints::Install(TForm& form) {
    TFormHints* hints = Of(form);
    if (!hints) hints = new TFormHints(form);
    hints->Update();
    return hints;
}

void TFormHints::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = TOOLTIPS_CLASSA;
    params.systemClass = true;
    params.style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
    params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    params.x = params.y = params.width = params.height = 0;
    params.caption.clear();
    params.parent = form_.Handle();  // the owner
}

void TFormHints::WindowCreated() {
    // No font of ours: the tool tip keeps the system's.
    UseClassicLook(handle_);
    SendMessageA(handle_, TTM_SETDELAYTIME, TTDT_INITIAL, kInitialDelay);
    SendMessageA(handle_, TTM_SETDELAYTIME, TTDT_RESHOW, kReshowDelay);
    SendMessageA(handle_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kAutoPopDelay);
    SendMessageA(handle_, TTM_SETTIPBKCOLOR, GetSysColor(COLOR_INFOBK), 0);
    SendMessageA(handle_, TTM_SETTIPTEXTCOLOR, GetSysColor(COLOR_INFOTEXT), 0);
    // Wide enough for any hint on one line; a line break in a hint starts a new one.
    SendMessageA(handle_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
}

void TFormHints::RemoveTools() {
    std::vector<TTTOOLINFOA> tools;
    int count = static_cast<int>(SendMessageA(handle_, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        if (SendMessageA(handle_, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ti)))
            tools.push_back(ti);
    }
    for (TTTOOLINFOA& ti : tools) SendMessageA(handle_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    areas_.clear();
}

void TFormHints::Update() {
    HandleNeeded();
    RemoveTools();
    AddTools(form_);
}

void TFormHints::AddTools(TWinControl& parent) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* c = parent.Controls(i);
        assert(c);
        if (c == this) continue;
        // Children first: the tool tip takes the first tool that matches.
        if (auto* w = dynamic_cast<TWinControl*>(c)) AddTools(*w);
        if (!c->Hint().empty()) AddTool(*c);
    }
}

void TFormHints::AddTool(TControl& c) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    auto* w = dynamic_cast<TWinControl*>(&c);
    if (w && w->HandleAllocated()) {
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = form_.Handle();
        ti.uId = reinterpret_cast<UINT_PTR>(w->Handle());
        SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    // The area too, on the windows that get the mouse there while the
    // control is disabled or has no window.
    for (TWinControl* receiver : MouseReceivers(c)) {
        if (!receiver->HandleAllocated()) continue;
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = receiver->Handle();
        ti.uId = nextId_++;
        ti.rect = AreaIn(c, *receiver);
        areas_[ti.uId] = &c;
        SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

bool TFormHints::Holds(const TControl* control) const {
    // Controls may have gone since the tools were made.
    std::vector<const TWinControl*> stack{&form_};
    while (!stack.empty()) {
        const TWinControl* p = stack.back();
        stack.pop_back();
        for (int i = 0; i < p->ControlCount(); ++i) {
            TControl* c = p->Controls(i);
            if (c == control) return true;
            if (auto* w = dynamic_cast<const TWinControl*>(c)) stack.push_back(w);
        }
    }
    return false;
}

TControl* TFormHints::ToolControl(UINT_PTR id, bool isWindow) const {
    TControl* c = nullptr;
    if (isWindow) {
        c = FindControl(reinterpret_cast<HWND>(id));
    } else if (auto it = areas_.find(id); it != areas_.end()) {
        c = it->second;
    }
    return c && Holds(c) ? c : nullptr;
}

std::string TFormHints::HintFor(TControl& c) const {
    if (!form_.ShowHint() && !c.ShowHint()) return std::string();
    if (!c.Showing()) return std::string();
    return c.Hint();
}

bool TFormHints::Notification(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_NOTIFY) return false;
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr->code != TTN_GETDISPINFOA && hdr->code != TTN_GETDISPINFOW) return false;
    // The two forms of the structure differ after the text buffer.
    if (hdr->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        TControl* c = ToolControl(hdr->idFrom, (info->uFlags & TTF_IDISHWND) != 0);
        text_ = c ? HintFor(*c) : std::string();
        info->lpszText = text_.data();
        info->hinst = nullptr;
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        TControl* c = ToolControl(hdr->idFrom, (info->uFlags & TTF_IDISHWND) != 0);
        text_ = c ? HintFor(*c) : std::string();
        int n = MultiByteToWideChar(CP_ACP, 0, text_.c_str(), -1, nullptr, 0);
        wideText_.assign(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, text_.c_str(), -1, wideText_.data(), n);
        info->lpszText = wideText_.data();
        info->hinst = nullptr;
    }
    result = 0;
    return true;
}
