#include "toolkit/Memo.h"

#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"

int TMemoLines::Count() const { return static_cast<int>(SplitLines(memo_.GetText()).size()); }

std::string TMemoLines::Strings(int index) const {
    std::vector<std::string> lines = SplitLines(memo_.GetText());
    CheckIndex(index, static_cast<int>(lines.size()));
    return lines[static_cast<std::size_t>(index)];
}

void TMemoLines::Store(const std::vector<std::string>& lines) { memo_.SetText(JoinLines(lines)); }

void TMemoLines::Put(int index, const std::string& s) {
    std::vector<std::string> lines = SplitLines(memo_.GetText());
    CheckIndex(index, static_cast<int>(lines.size()));
    lines[static_cast<std::size_t>(index)] = s;
    Store(lines);
}

void TMemoLines::Insert(int index, const std::string& s) {
    std::vector<std::string> lines = SplitLines(memo_.GetText());
    CheckIndex(index, static_cast<int>(lines.size()) + 1);
    lines.insert(lines.begin() + index, s);
    Store(lines);
}

void TMemoLines::Delete(int index) {
    std::vector<std::string> lines = SplitLines(memo_.GetText());
    CheckIndex(index, static_cast<int>(lines.size()));
    lines.erase(lines.begin() + index);
    Store(lines);
}

void TMemoLines::Clear() { memo_.SetText(std::string()); }

std::string TMemoLines::Text() const { return memo_.GetText(); }

void TMemoLines::SetText(const std::string& text) { memo_.SetText(text); }

std::vector<std::string> TMemoLines::ToVector() const { return SplitLines(memo_.GetText()); }

void TMemoLines::Assign(const TStrings& other) {
    if (&other != this) Store(other.ToVector());
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), lines_(*this) { SetBounds(0, 0, 185, 89); }

void TMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    if (horizontal) params.style |= WS_HSCROLL;
    if (vertical) params.style |= WS_VSCROLL;
    if (horizontal || !wordWrap_) params.style |= ES_AUTOHSCROLL;
}

void TMemo::RecreateWnd() {
    if (!HandleAllocated()) return;
    bool focused = Focused();
    // Keep the place among the siblings: the dialog keys tab in that order.
    HWND previous = GetWindow(handle_, GW_HWNDPREV);
    DestroyHandle();
    HandleNeeded();
    SetWindowPos(handle_, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (focused) SetFocus();
}

void TMemo::SetScrollBars(TScrollStyle v) {
    if (v == scrollBars_) return;
    scrollBars_ = v;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    RecreateWnd();
}

LRESULT TMemo::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) {
        // The native answer claims every key, and in a dialog the native
        // memo then sends Tab and Esc to its parent window, which may be a
        // group box. Claim Enter only; Tab and Esc stay the form's.
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        const MSG* m = reinterpret_cast<const MSG*>(lParam);
        if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) code |= DLGC_WANTALLKEYS;
        return code;
    }
    return TCustomEdit::WndProc(msg, wParam, lParam);
}

bool TMemo::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Lines") {
        std::vector<std::string> lines;
        for (const PropertyValue& item : value.AsList()) lines.push_back(item.AsString());
        SetText(JoinLines(lines));
    } else if (name == "ScrollBars") {
        SetScrollBars(
            EnumFromValue<TScrollStyle>(value, {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, "scroll bars"));
    } else if (name == "WordWrap") {
        SetWordWrap(value.AsBool());
    } else {
        return TCustomEdit::SetProperty(name, value, binder);
    }
    return true;
}
