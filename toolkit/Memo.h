// Memos: the native multi-line edit control, with scroll bars, word wrap
// and its text as a list of lines. Enter breaks the line (it never presses
// the form's default button); Tab and Esc stay the form's keys.
#pragma once

#include "toolkit/Edit.h"
#include "toolkit/StringList.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo;

// A memo's text seen as lines: the lines of the text, where a last line left
// empty by a final line break does not count.
class TMemoLines : public TStrings {
public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}

    int Count() const override;
    std::string Strings(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    // Whole lists in one pass over the text: line by line, each access
    // would read and split the whole text again.
    std::vector<std::string> ToVector() const override;
    void Assign(const TStrings& other) override;

private:
    void Store(const std::vector<std::string>& lines);
    TMemo& memo_;
};

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);

    const char* ClassName() const override { return "TMemo"; }

    TMemoLines& Lines() { return lines_; }
    const TMemoLines& Lines() const { return lines_; }

    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    // Long lines wrap at the right edge unless there is a horizontal scroll bar.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    // Scroll bars and wrapping are fixed when the window is made.
    void RecreateWnd();

    TMemoLines lines_;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
};
