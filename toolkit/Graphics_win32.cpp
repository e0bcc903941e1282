#include "toolkit/Graphics.h"

#include <map>

#include "platform/Exceptions.h"

COLORREF ColorToRGB(TColor c) {
    if (c & 0x80000000u) return GetSysColor(static_cast<int>(c & 0xFF));
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

TColor ColorFromValue(const PropertyValue& v) {
    if (v.GetKind() == PropertyValue::Kind::Integer) return static_cast<TColor>(v.AsInteger());
    static const std::map<std::string, TColor> names = {
        {"clBlack", clBlack},         {"clWhite", clWhite},         {"clAqua", clAqua},
        {"clRed", clRed},             {"clYellow", clYellow},       {"clNavy", clNavy},
        {"clGray", clGray},           {"clSilver", clSilver},       {"clBtnFace", clBtnFace},
        {"clBtnText", clBtnText},     {"clWindow", clWindow},       {"clWindowText", clWindowText},
        {"clInfoBk", clInfoBk},       {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
        {"clBtnShadow", clBtnShadow}, {"clBtnHighlight", clBtnHighlight}, {"clGrayText", clGrayText},
    };
    auto it = names.find(v.AsIdentifier());
    if (it == names.end()) throw EReadError("unknown colour " + v.ToText());
    return it->second;
}

TFont::TFont() = default;

TFont::~TFont() {
    if (handle_) DeleteObject(handle_);
}

void TFont::Changed() {
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    if (OnChange) OnChange();
}

void TFont::SetName(const std::string& v) {
    if (v == name_) return;
    name_ = v;
    Changed();
}

void TFont::SetHeight(int v) {
    if (v == height_) return;
    height_ = v;
    Changed();
}

void TFont::SetStyle(unsigned v) {
    if (v == style_) return;
    style_ = v;
    Changed();
}

void TFont::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_)
        return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_ = CreateFontIndirectA(&lf);
        if (!handle_) handle_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    return handle_;
}

bool TFont::SetProperty(const std::string& sub, const PropertyValue& value) {
    if (sub == "Name") {
        SetName(value.AsString());
    } else if (sub == "Height") {
        SetHeight(value.AsInt());
    } else if (sub == "Color") {
        SetColor(ColorFromValue(value));
    } else if (sub == "Style") {
        unsigned s = 0;
        for (const PropertyValue& item : value.AsList()) {
            const std::string& n = item.AsIdentifier();
            if (n == "fsBold") s |= fsBold;
            else if (n == "fsItalic") s |= fsItalic;
            else if (n == "fsUnderline") s |= fsUnderline;
            else if (n == "fsStrikeOut") s |= fsStrikeOut;
            else throw EReadError("unknown font style " + n);
        }
        SetStyle(s);
    } else {
        return false;
    }
    return true;
}
