// Hints: one native tool-tip window per form that shows a control's Hint
// after the pointer has rested on it. A hint shows when the form's ShowHint
// (or the control's own) is on and the control is showing; disabled
// controls and graphic controls show theirs too.
#pragma once

#include <map>
#include <string>

#include "toolkit/WinControl.h"

class TForm;

class TFormHints : public TWinControl {
public:
    // Tool-tip timing, in milliseconds.
    static constexpr int kInitialDelay = 500, kReshowDelay = 50, kAutoPopDelay = 2500;

    // Gives the form its tool tips (made once), with a tool for every
    // control it holds now. Call again after controls came or moved.
    static TFormHints* Install(TForm& form);
    // The form's tool tips, or null before Install.
    static TFormHints* Of(const TForm& form);

    const char* ClassName() const override { return "TFormHints"; }

    // Makes the tools match the form's controls.
    void Update();
    // The text the tool tip shows for a control now: its hint, or nothing
    // when it should not show.
    std::string HintFor(TControl& control) const;

    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    explicit TFormHints(TForm& form);
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;

private:
    void RemoveTools();
    void AddTools(TWinControl& parent);
    void AddTool(TControl& control);
    TControl* ToolControl(UINT_PTR id, bool isWindow) const;
    bool Holds(const TControl* control) const;

    TForm& form_;
    // Rectangle tools: id -> control.
    std::map<UINT_PTR, TControl*> areas_;
    UINT_PTR nextId_ = 1;
    std::string text_;
    std::wstring wideText_;
};
