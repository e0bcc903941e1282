// Group boxes: the native group frame with its caption, as a container.
// Its interior is filled with its colour, its graphic children are painted
// on it, and windowed children (a check box on the top border) are never
// painted over.
#pragma once

#include "toolkit/WinControl.h"

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);

    const char* ClassName() const override { return "TGroupBox"; }

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void CreateParams(TCreateParams& params) override;
};
