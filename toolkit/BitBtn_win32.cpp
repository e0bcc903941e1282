#include "toolkit/BitBtn.h"

#include "platform/ScopedWin32.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/EnumProperty.h"

namespace {
// The visual style's button drawing, when a style is active (loaded at run
// time: the program does not need the theme library to start).
class ButtonTheme {
public:
    ButtonTheme() {
        lib_ = LoadLibraryA("uxtheme.dll");
        if (!lib_) return;
        isActive_ = Get<BOOL(WINAPI*)()>("IsAppThemed");
        open_ = Get<HANDLE(WINAPI*)(HWND, LPCWSTR)>("OpenThemeData");
        close_ = Get<HRESULT(WINAPI*)(HANDLE)>("CloseThemeData");
        draw_ = Get<HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*)>("DrawThemeBackground");
        content_ = Get<HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, RECT*)>("GetThemeBackgroundContentRect");
    }
    ~ButtonTheme() {
        if (lib_) FreeLibrary(lib_);
    }
    ButtonTheme(const ButtonTheme&) = delete;
    ButtonTheme& operator=(const ButtonTheme&) = delete;

    // Draws the push button background in state; false when no style is active.
    bool Draw(HWND h, HDC dc, int state, RECT& r) const {
        if (!isActive_ || !open_ || !close_ || !draw_ || !isActive_()) return false;
        HANDLE theme = open_(h, L"BUTTON");
        if (!theme) return false;
        const int kPushButton = 1;
        draw_(theme, dc, kPushButton, state, &r, nullptr);
        RECT inner = r;
        if (content_ && content_(theme, dc, kPushButton, state, &r, &inner) == S_OK) r = inner;
        close_(theme);
        return true;
    }

private:
    template <class F>
    F Get(const char* name) {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(lib_, name)));
    }
    HMODULE lib_ = nullptr;
    BOOL(WINAPI* isActive_)() = nullptr;
    HANDLE(WINAPI* open_)(HWND, LPCWSTR) = nullptr;
    HRESULT(WINAPI* close_)(HANDLE) = nullptr;
    HRESULT(WINAPI* draw_)(HANDLE, HDC, int, int, const RECT*, const RECT*) = nullptr;
    HRESULT(WINAPI* content_)(HANDLE, HDC, int, int, const RECT*, RECT*) = nullptr;
};

const ButtonTheme& Theme() {
    static ButtonTheme theme;
    return theme;
}

// Push button theme states.
const int kNormal = 1, kPressed = 3, kDisabled = 4, kDefaulted = 5;
}  // namespace

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::SetButtonStyle(bool) {
    // The default frame is ours to draw.
    Invalidate();
}

void TBitBtn::SetGlyphResource(const std::string& name) {
    glyph_.LoadResource(name);
    if (numGlyphs_ > 0) glyph_.SetNumGlyphs(numGlyphs_);
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int v) {
    numGlyphs_ = v;
    if (v == glyph_.NumGlyphs()) return;
    glyph_.SetNumGlyphs(v);
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout v) {
    if (v == layout_) return;
    layout_ = v;
    Invalidate();
}

void TBitBtn::SetSpacing(int v) {
    if (v == spacing_) return;
    spacing_ = v;
    Invalidate();
}

void TBitBtn::SetMargin(int v) {
    if (v == margin_) return;
    margin_ = v;
    Invalidate();
}

LRESULT TBitBtn::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDBLCLK:
            // A drawn button reports a double click instead of a second
            // click: a quick second press is a click like any other.
            return TButton::WndProc(WM_LBUTTONDOWN, wParam, lParam);
        case WM_GETDLGCODE:
            // Like a push button: Enter presses the focused one.
            return DLGC_BUTTON | (Active() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case WM_ENABLE:
        case WM_SETTEXT: {
            LRESULT r = TButton::WndProc(msg, wParam, lParam);
            Invalidate();
            return r;
        }
        default: return TButton::WndProc(msg, wParam, lParam);
    }
}

bool TBitBtn::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return TButton::Notification(msg, wParam, lParam, result);
}

void TBitBtn::Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool disabled = (item.itemState & ODS_DISABLED) != 0 || !Enabled();
    bool focused = (item.itemState & ODS_FOCUS) != 0;

    scoped::SavedDC saved(dc);
    // Round theme corners show the parent's colour.
    scoped::GdiObject back(CreateSolidBrush(ColorToRGB(Parent() ? Parent()->Color() : clBtnFace)));
    FillRect(dc, &r, back.Get());

    DrawFrame(dc, r, pressed, disabled);
    DrawContent(dc, r, pressed, disabled, (item.itemState & ODS_NOACCEL) != 0);
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT f = item.rcItem;
        InflateRect(&f, -4, -4);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &f);
    }
}

void TBitBtn::DrawFrame(HDC dc, RECT& r, bool pressed, bool disabled) {
    int state = disabled ? kDisabled : pressed ? kPressed : Active() ? kDefaulted : kNormal;
    themed_ = Theme().Draw(handle_, dc, state, r);
    if (themed_) return;
    if (Active()) {
        // The default button's black frame, outside the raised edge.
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    if (pressed) {
        // Pressed: flat, in the shadow colour.
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(&r, -1, -1);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    }
}

void TBitBtn::DrawContent(HDC dc, const RECT& area, bool pressed, bool disabled, bool hidePrefix) {
    RECT r = area;
    if (pressed) OffsetRect(&r, 1, 1);

    const std::string& caption = GetText();
    UINT prefix = hidePrefix ? DT_HIDEPREFIX : 0;
    SIZE glyph = glyph_.ImageSize();
    bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
    // A caption wider than the face (a wider face, a larger resolution) is
    // drawn smaller rather than cut; beside the glyph in a horizontal layout.
    const int kPadding = 3;
    int room = r.right - r.left - 2 * kPadding;
    if (horizontal && glyph.cx > 0) room -= glyph.cx + spacing_;
    if (margin_ > 0) room -= margin_ - kPadding;
    SelectObject(dc, fit_.Fit(Font(), caption, room, prefix));
    SetBkMode(dc, TRANSPARENT);
    SIZE text{0, 0};
    if (!caption.empty()) {
        RECT calc{0, 0, 0, 0};
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &calc, DT_SINGLELINE | DT_CALCRECT | prefix);
        text.cx = calc.right;
        text.cy = calc.bottom;
    }
    int gap = (glyph.cx > 0 && text.cx > 0) ? spacing_ : 0;

    // The block of glyph and caption, centred (or at Margin from the glyph's side).
    int blockW = horizontal ? glyph.cx + gap + text.cx : (glyph.cx > text.cx ? glyph.cx : text.cx);
    int blockH = horizontal ? (glyph.cy > text.cy ? glyph.cy : text.cy) : glyph.cy + gap + text.cy;
    int width = r.right - r.left, height = r.bottom - r.top;
    int x = r.left + (width - blockW) / 2, y = r.top + (height - blockH) / 2;
    if (margin_ >= 0) {
        if (layout_ == TButtonLayout::blGlyphLeft) x = r.left + margin_;
        else if (layout_ == TButtonLayout::blGlyphRight) x = r.right - margin_ - blockW;
        else if (layout_ == TButtonLayout::blGlyphTop) y = r.top + margin_;
        else y = r.bottom - margin_ - blockH;
    }

    POINT g{}, t{};
    switch (layout_) {
        case TButtonLayout::blGlyphLeft:
            g = {x, y + (blockH - glyph.cy) / 2};
            t = {x + glyph.cx + gap, y + (blockH - text.cy) / 2};
            break;
        case TButtonLayout::blGlyphRight:
            t = {x, y + (blockH - text.cy) / 2};
            g = {x + text.cx + gap, y + (blockH - glyph.cy) / 2};
            break;
        case TButtonLayout::blGlyphTop:
            g = {x + (blockW - glyph.cx) / 2, y};
            t = {x + (blockW - text.cx) / 2, y + glyph.cy + gap};
            break;
        case TButtonLayout::blGlyphBottom:
            t = {x + (blockW - text.cx) / 2, y};
            g = {x + (blockW - glyph.cx) / 2, y + text.cy + gap};
            break;
    }

    if (!glyph_.Empty())
        glyph_.Draw(dc, g.x, g.y,
                    disabled  ? TGlyphImage::giDisabled
                    : pressed ? TGlyphImage::giPressed
                              : TGlyphImage::giNormal);
    if (caption.empty()) return;
    RECT tr{t.x, t.y, t.x + text.cx, t.y + text.cy};
    UINT format = DT_SINGLELINE | DT_NOCLIP | prefix;
    if (disabled && !themed_) {
        // The classic disabled caption: embossed.
        OffsetRect(&tr, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &tr, format);
        OffsetRect(&tr, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorToRGB(Font().Color()));
    }
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &tr, format);
}

bool TBitBtn::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Glyph") {
        const std::string& resource = value.AsString();
        SetGlyphResource(resource);
        if (glyph_.Empty()) throw EReadError("no bitmap " + resource);
    } else if (name == "NumGlyphs") {
        SetNumGlyphs(value.AsInt());
    } else if (name == "Layout") {
        SetLayout(EnumFromValue<TButtonLayout>(value, {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
                                               "layout"));
    } else if (name == "Spacing") {
        SetSpacing(value.AsInt());
    } else if (name == "Margin") {
        SetMargin(value.AsInt());
    } else {
        return TButton::SetProperty(name, value, binder);
    }
    return true;
}
