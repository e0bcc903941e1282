// Edit boxes: the native edit control. The text is kept in the object and
// follows the window: OnChange comes after every change of the text, typed
// by the user or set by the program. The box is painted in its own colour,
// also while disabled or read-only.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/TextFit.h"
#include "toolkit/WinControl.h"

// What single-line and multi-line edits share.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    // bsSingle (a sunken edge, the default) or bsNone.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    // Fits the height to the font when the font changes at run time.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // The longest text the user may type; 0 for no limit of our own.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    // Shows every text whole: while the text is wider than the box, it is
    // drawn in the largest smaller size of the font (same face and style)
    // at which it fits. For short texts in a large font; a long path would
    // become unreadable.
    bool ShrinkFont() const { return shrinkFont_; }
    void SetShrinkFont(bool v);
    // The character height (negative) the text is shown in now.
    int ShownFontHeight() const { return shrinkFont_ ? fit_.Height() : Font().Height(); }

    int SelStart();
    int SelLength();
    void SetSelStart(int v);
    void SetSelLength(int v);
    void SelectAll();

    TNotifyEvent OnChange;
    // The focus left the box.
    TNotifyEvent OnExit;
    // True while the box handles a key the user typed (not a paste): a
    // change reported meanwhile is one keystroke of several.
    bool Typing() const { return typing_; }

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void TextChanged() override;
    void FontChanged() override;
    virtual void Change();

private:
    std::string WindowText() const;
    // Takes the window's text as the stored text; OnChange when it differs.
    void SyncFromWindow();
    void AdjustHeight();
    // Gives the window the font that shows the text whole.
    void FitFont();

    bool readOnly_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool autoSize_ = true;
    int maxLength_ = 0;
    bool shrinkFont_ = false;
    TFitFont fit_;
    HFONT shownFont_ = nullptr;  // what the window was last given, and its height
    int shownHeight_ = 0;
    bool syncing_ = false;      // storing the window's text: nothing to push
    bool settingText_ = false;  // pushing ours: the window's echoes are ours
    bool typing_ = false;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner);
    const char* ClassName() const override { return "TEdit"; }

protected:
    void CreateParams(TCreateParams& params) override;
};
