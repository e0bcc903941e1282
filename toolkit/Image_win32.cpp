#include "toolkit/Image.h"

#include "platform/Exceptions.h"
#include "platform/ScopedWin32.h"
#include "toolkit/FormDescription.h"
#include "toolkit/StartupTrace.h"

TImage::TImage(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 105, 105); }

TImage::~TImage() { Clear(); }

void TImage::Clear() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    icon_ = nullptr;
    picture_.clear();
}

bool TImage::LoadPicture(const std::string& name) {
    STARTUP_PROBE("pictures");
    HINSTANCE module = GetModuleHandleA(nullptr);
    auto* bitmap = static_cast<HBITMAP>(LoadImageA(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    // Icons from LoadIconA are shared and never destroyed.
    HICON icon = bitmap ? nullptr : LoadIconA(module, name.c_str());
    if (!bitmap && !icon) return false;
    Clear();
    bitmap_ = bitmap;
    icon_ = icon;
    picture_ = name;
    Invalidate();
    return true;
}

void TImage::SetPicture(const std::string& resourceName) {
    if (resourceName.empty()) {
        if (!icon_ && !bitmap_) return;
        Clear();
        Invalidate();
        return;
    }
    if (resourceName == picture_) return;
    if (!LoadPicture(resourceName)) throw EInvalidOperation("No picture resource " + resourceName);
}

void TImage::SetIcon(HICON icon) {
    if (icon == icon_ && !bitmap_) return;
    Clear();
    icon_ = icon;
    Invalidate();
}

void TImage::SetBitmap(HBITMAP bitmap) {
    if (bitmap == bitmap_ && (bitmap || !icon_)) return;
    Clear();
    bitmap_ = bitmap;
    Invalidate();
}

void TImage::SetStretch(bool v) {
    if (v == stretch_) return;
    stretch_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    if (v == center_) return;
    center_ = v;
    Invalidate();
}

SIZE TImage::PictureSize() const {
    SIZE size{0, 0};
    if (bitmap_) {
        BITMAP bm{};
        if (GetObjectA(bitmap_, sizeof bm, &bm)) size = SIZE{bm.bmWidth, bm.bmHeight};
    } else if (icon_) {
        ICONINFO info{};
        if (GetIconInfo(icon_, &info)) {
            BITMAP bm{};
            // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
            if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bm, &bm)) size = SIZE{bm.bmWidth, bm.bmHeight};
            else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof bm, &bm)) size = SIZE{bm.bmWidth, bm.bmHeight / 2};
            if (info.hbmColor) DeleteObject(info.hbmColor);
            if (info.hbmMask) DeleteObject(info.hbmMask);
        }
    }
    return size;
}

void TImage::Paint(HDC dc) {
    if (!bitmap_ && !icon_) return;
    const RECT bounds = BoundsRect();
    RECT dest = bounds;
    const SIZE size = PictureSize();
    if (!stretch_) {
        dest.left = center_ ? bounds.left + (Width() - size.cx) / 2 : bounds.left;
        dest.top = center_ ? bounds.top + (Height() - size.cy) / 2 : bounds.top;
        dest.right = dest.left + size.cx;
        dest.bottom = dest.top + size.cy;
    }
    const int w = dest.right - dest.left, h = dest.bottom - dest.top;
    if (icon_) {
        DrawIconEx(dc, dest.left, dest.top, icon_, w, h, 0, nullptr, DI_NORMAL);
        return;
    }
    scoped::MemoryDC source(dc);
    HDC memory = source.Get();
    scoped::SelectedObject selected(memory, bitmap_);
    if (w == size.cx && h == size.cy) {
        BitBlt(dc, dest.left, dest.top, w, h, memory, 0, 0, SRCCOPY);
    } else {
        // Halftone keeps a shrunk photograph from breaking into stripes.
        POINT origin;
        int mode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, &origin);
        StretchBlt(dc, dest.left, dest.top, w, h, memory, 0, 0, size.cx, size.cy, SRCCOPY);
        SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
        SetStretchBltMode(dc, mode);
    }
}

bool TImage::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Picture") {
        const std::string& resource = value.AsString();
        if (resource.empty()) SetPicture(resource);
        else if (resource != picture_ && !LoadPicture(resource)) throw EReadError("no picture resource " + resource);
    } else if (name == "Stretch") {
        SetStretch(value.AsBool());
    } else if (name == "Center") {
        SetCenter(value.AsBool());
    } else {
        return TControl::SetProperty(name, value, binder);
    }
    return true;
}
