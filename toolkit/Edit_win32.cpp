#include "toolkit/Edit.h"

#include <vector>

#include "platform/ScopedWin32.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"
#include "toolkit/StartupTrace.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.winClassName = "EDIT";
    params.systemClass = true;
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
    if (readOnly_) params.style |= ES_READONLY;
}

void TCustomEdit::WindowCreated() {
    TWinControl::WindowCreated();
    if (maxLength_ > 0) SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    shownFont_ = nullptr;
    FitFont();
}

void TCustomEdit::FitFont() {
    if (!shrinkFont_ || !HandleAllocated()) return;
    RECT client{};
    GetClientRect(handle_, &client);
    // The margins follow the font the window has; the caret takes a pixel
    // or two beyond the last character.
    const int kCaret = 2;
    bool changed = false;
    for (int pass = 0; pass < 2; ++pass) {
        DWORD margins = static_cast<DWORD>(SendMessageA(handle_, EM_GETMARGINS, 0, 0));
        int width = client.right - client.left - LOWORD(margins) - HIWORD(margins) - kCaret;
        HFONT shown = fit_.Fit(Font(), GetText(), width, DT_NOPREFIX);
        if (shown == shownFont_ && fit_.Height() == shownHeight_) break;
        changed = true;
        shownFont_ = shown;
        shownHeight_ = fit_.Height();
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(shown), FALSE);
    }
    if (!changed) return;
    // Back to the first character: a text that scrolled while it was too
    // wide would stay scrolled.
    DWORD start = 0, end = 0;
    SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageA(handle_, EM_SETSEL, 0, 0);
    SendMessageA(handle_, EM_SETSEL, start, end);
    InvalidateRect(handle_, nullptr, TRUE);
}

void TCustomEdit::SetShrinkFont(bool v) {
    if (v == shrinkFont_) return;
    shrinkFont_ = v;
    if (v) FitFont();
    else if (HandleAllocated()) {
        shownFont_ = nullptr;
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    }
}

std::string TCustomEdit::WindowText() const {
    int n = GetWindowTextLengthA(handle_);
    if (n <= 0) return std::string();
    std::vector<char> buf(static_cast<std::size_t>(n) + 1);
    n = GetWindowTextA(handle_, buf.data(), n + 1);
    return std::string(buf.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

void TCustomEdit::SyncFromWindow() {
    if (!HandleAllocated()) return;
    std::string text = WindowText();
    if (text == GetText()) return;
    syncing_ = true;
    TControl::SetText(text);
    syncing_ = false;
    FitFont();
    Change();
}

void TCustomEdit::TextChanged() {
    if (syncing_) return;
    if (HandleAllocated()) {
        settingText_ = true;
        SetWindowTextA(handle_, GetText().c_str());
        settingText_ = false;
        // The window may not keep the text as given (a length limit): the
        // stored text is what it shows.
        std::string shown = WindowText();
        if (shown != GetText()) {
            syncing_ = true;
            TControl::SetText(shown);
            syncing_ = false;
        }
        FitFont();
    }
    Change();
}

void TCustomEdit::Change() {
    if (!Loading() && OnChange) OnChange(this);
}

LRESULT TCustomEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTEXT && !settingText_) {
        // Text set from outside the object (another process, a dialog
        // manager): multi-line edits send no EN_CHANGE for it.
        LRESULT r = TWinControl::WndProc(msg, wParam, lParam);
        SyncFromWindow();
        return r;
    }
    if (msg == WM_SIZE) {
        LRESULT r = TWinControl::WndProc(msg, wParam, lParam);
        FitFont();
        return r;
    }
    if (msg == WM_CHAR || msg == WM_KEYDOWN || msg == WM_PASTE) {
        // A paste (Ctrl+V and Shift+Ins come as keys too) is not typing.
        const bool was = typing_;
        typing_ = msg != WM_PASTE;
        LRESULT r = 0;
        try {
            r = TWinControl::WndProc(msg, wParam, lParam);
        } catch (...) {
            typing_ = was;
            throw;
        }
        typing_ = was;
        return r;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

bool TCustomEdit::Notification(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE && !settingText_) SyncFromWindow();
            if (HIWORD(wParam) == EN_KILLFOCUS && OnExit) OnExit(this);
            result = 0;
            return true;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            // Disabled and read-only edits ask with WM_CTLCOLORSTATIC: they
            // keep the box's colour too.
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColorToRGB(Font().Color()));
            SetBkColor(dc, ColorToRGB(Color()));
            result = reinterpret_cast<LRESULT>(ColorBrush());
            return true;
        }
        default: return false;
    }
}

void TCustomEdit::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    if (HandleAllocated()) SendMessageA(handle_, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    if (v != TBorderStyle::bsNone) v = TBorderStyle::bsSingle;
    if (v == borderStyle_) return;
    borderStyle_ = v;
    SetExStyleBit(WS_EX_CLIENTEDGE, v == TBorderStyle::bsSingle);
}

void TCustomEdit::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustHeight();
}

void TCustomEdit::SetMaxLength(int v) {
    if (v < 0) v = 0;
    if (v == maxLength_) return;
    maxLength_ = v;
    if (HandleAllocated()) SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::FontChanged() {
    TWinControl::FontChanged();
    shownFont_ = nullptr;
    AdjustHeight();
    FitFont();
}

void TCustomEdit::AdjustHeight() {
    // The stored height is what the window's designer saw; only a font
    // changed at run time refits it.
    if (!autoSize_ || !HandleAllocated() || Loading()) return;
    STARTUP_PROBE("text measurement");
    TEXTMETRICA tm{};
    {
        scoped::WindowDC dc(handle_);
        scoped::SelectedObject font(dc.Get(), Font().Handle());
        GetTextMetricsA(dc.Get(), &tm);
    }
    int border = borderStyle_ == TBorderStyle::bsSingle ? 2 * GetSystemMetrics(SM_CYEDGE) + 4 : 0;
    SetHeight(tm.tmHeight + border);
}

int TCustomEdit::SelStart() {
    DWORD start = 0;
    if (HandleAllocated()) SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() {
    DWORD start = 0, end = 0;
    if (HandleAllocated())
        SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int v) {
    if (HandleAllocated()) SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(v), v);
}

void TCustomEdit::SetSelLength(int v) {
    if (!HandleAllocated()) return;
    int start = SelStart();
    SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(start), start + v);
}

void TCustomEdit::SelectAll() {
    if (HandleAllocated()) SendMessageA(handle_, EM_SETSEL, 0, -1);
}

bool TCustomEdit::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "ReadOnly") SetReadOnly(value.AsBool());
    else if (name == "AutoSize") SetAutoSize(value.AsBool());
    else if (name == "MaxLength") SetMaxLength(value.AsInt());
    else if (name == "ShrinkFont") SetShrinkFont(value.AsBool());
    else if (name == "BorderStyle")
        SetBorderStyle(EnumFromValue(value, {"bsNone", "bsSingle"}, "border style") ? TBorderStyle::bsSingle
                                                                                    : TBorderStyle::bsNone);
    else if (name == "OnChange") OnChange = binder.Handler<void(TComponent*)>(value);
    else return TWinControl::SetProperty(name, value, binder);
    return true;
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 121, 21); }

void TEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.style |= ES_AUTOHSCROLL;
}
