#include "toolkit/Graphics.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <tuple>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/ScopedWin32.h"
#include "toolkit/StartupTrace.h"

COLORREF ColorToRGB(TColor c) {
    if (c & 0x80000000u) return GetSysColor(static_cast<int>(c & 0xFF));
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

TColor ColorFromValue(const PropertyValue& v) {
    if (v.GetKind() == PropertyValue::Kind::Integer) return static_cast<TColor>(v.AsInteger());
    static const std::map<std::string, TColor> names = {
        {"clBlack", clBlack},
        {"clWhite", clWhite},
        {"clAqua", clAqua},
        {"clRed", clRed},
        {"clYellow", clYellow},
        {"clNavy", clNavy},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clBtnFace", clBtnFace},
        {"clBtnText", clBtnText},
        {"clWindow", clWindow},
        {"clWindowText", clWindowText},
        {"clInfoBk", clInfoBk},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clBtnShadow", clBtnShadow},
        {"clBtnHighlight", clBtnHighlight},
        {"clGrayText", clGrayText},
    };
    auto it = names.find(v.AsIdentifier());
    if (it == names.end()) throw EReadError("unknown colour " + v.ToText());
    return it->second;
}

TFont::TFont() = default;

// The font objects are shared (SharedFont): none is deleted here.
TFont::~TFont() = default;

void TFont::Changed() {
    handle_ = nullptr;
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
    if (name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_) return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
}

namespace {
int CALLBACK CollectRasterHeight(const LOGFONTA*, const TEXTMETRICA* tm, DWORD type, LPARAM list) {
    if (type & RASTER_FONTTYPE) reinterpret_cast<std::vector<LONG>*>(list)->push_back(tm->tmHeight);
    return 1;
}

// Digits, letters and the separators of dates and times: what a text is
// measured by when one face stands in for another.
const char kSample[] = "0123456789/:. abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ";

int SampleWidth(HDC dc, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, kSample, static_cast<int>(sizeof kSample - 1), &size);
    SelectObject(dc, old);
    return size.cx;
}

// A raster face comes in a few sizes only. Asked for a character height it
// lacks, GDI either scales a smaller size (under Wine the glyphs then stay
// small while their advances grow: "1 2 / 7") or hands out a smaller size.
// When font is such a stand-in for a sans-serif raster face, returns the
// width that the sample takes in it, brought to the character height asked
// for; otherwise 0.
int RasterStandInWidth(HDC dc, HFONT font, int charHeight) {
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    if (tm.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) return 0;
    if ((tm.tmPitchAndFamily & 0xF0) != FF_SWISS) return 0;
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(query.lfFaceName, face, LF_FACESIZE);
    std::vector<LONG> heights;
    EnumFontFamiliesExA(dc, &query, CollectRasterHeight, reinterpret_cast<LPARAM>(&heights), 0);
    int rasterHeight = tm.tmHeight - tm.tmInternalLeading;
    bool scaled = std::find(heights.begin(), heights.end(), tm.tmHeight) == heights.end();
    bool smaller = charHeight - rasterHeight > 2;
    if (!(scaled || smaller) || rasterHeight <= 0) return 0;
    return MulDiv(SampleWidth(dc, font), charHeight, rasterHeight);
}

// A scalable sans-serif face in place of a raster one, narrowed or widened
// so that the sample takes sampleWidth; null when the system has none of
// these faces. Windows has the first two; under Wine on Linux the condensed
// face comes closest, and Tahoma (Wine's own, but drawn unevenly in bold)
// comes last.
HFONT ScalableSansFont(HDC dc, LOGFONTA lf, int sampleWidth) {
    for (const char* name : {"Microsoft Sans Serif", "Arial", "DejaVu Sans Condensed", "Tahoma"}) {
        lstrcpynA(lf.lfFaceName, name, LF_FACESIZE);
        lf.lfOutPrecision = OUT_TT_PRECIS;
        lf.lfWidth = 0;
        HFONT font = CreateFontIndirectA(&lf);
        if (!font) continue;
        HGDIOBJ old = SelectObject(dc, font);
        char face[LF_FACESIZE] = {};
        GetTextFaceA(dc, LF_FACESIZE, face);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        if (lstrcmpiA(face, name) != 0) {
            DeleteObject(font);
            continue;
        }
        int natural = SampleWidth(dc, font);
        if (natural > 0 && natural != sampleWidth) {
            lf.lfWidth = MulDiv(tm.tmAveCharWidth, sampleWidth, natural);
            if (HFONT fitted = CreateFontIndirectA(&lf)) {
                DeleteObject(font);
                font = fitted;
            }
        }
        return font;
    }
    return nullptr;
}

// The font object for a name, character height and style, made the slow way:
// with a scalable stand-in where the raster face lacks the height.
HFONT MakeFont(const std::string& name, int height, unsigned style) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectA(&lf);
    if (handle && height < 0) {
        // A character height that the raster face lacks (a system with
        // fewer sizes of it than the window was designed with) takes a
        // scalable face of the same kind instead, in the raster face's
        // proportions, so that texts keep the width they were laid out for.
        scoped::WindowDC screen;
        HDC dc = screen.Get();
        if (int width = RasterStandInWidth(dc, handle, -height)) {
            if (HFONT scalable = ScalableSansFont(dc, lf, width)) {
                DeleteObject(handle);
                handle = scalable;
            }
        }
    }
    return handle;
}

// One font object per distinct font, shared by every control that shows it
// and kept for the life of the process: the windows use a handful of fonts
// but many controls, and making one (with its stand-in check) costs font
// enumerations and realisations each time.
HFONT SharedFont(const std::string& name, int height, unsigned style) {
    static std::map<std::tuple<std::string, int, unsigned>, HFONT> fonts;
    auto key = std::make_tuple(name, height, style);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    STARTUP_PROBE("fonts");
    HFONT handle = MakeFont(name, height, style);
    if (handle) fonts.emplace(std::move(key), handle);
    return handle;
}
}  // namespace

HFONT TFont::Handle() const {
    if (!handle_) handle_ = SharedFont(name_, height_, style_);
    if (!handle_) handle_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
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
