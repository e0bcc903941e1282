// Images: a graphic control that shows an icon or a bitmap over its area of
// the parent, at its own size from the top-left corner, centred, or
// stretched to fill the area.
#pragma once

#include <string>

#include "toolkit/Control.h"

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    const char* ClassName() const override { return "TImage"; }

    // The name of the program's bitmap (or icon) resource shown; empty when
    // the picture was given as a handle or there is none. Setting a name
    // that is no resource throws EInvalidOperation; an empty name clears.
    const std::string& Picture() const { return picture_; }
    void SetPicture(const std::string& resourceName);
    // An icon to show; the caller keeps it (system icons are shared).
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);
    // A bitmap to show; the image takes it over and deletes it.
    HBITMAP Bitmap() const { return bitmap_; }
    void SetBitmap(HBITMAP bitmap);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);

    // The picture's own size (0 x 0 without one).
    SIZE PictureSize() const;

    void Paint(HDC dc) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

private:
    void Clear();
    // Loads the named resource in place of the picture; false when absent.
    bool LoadPicture(const std::string& resourceName);

    std::string picture_;
    HICON icon_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    bool stretch_ = false;
    bool center_ = false;
};
