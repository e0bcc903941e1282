#include "widgets/MessageForm.h"

std::function<void(int helpContext)> MessageDialogHelp;

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) { SetBorderStyle(TBorderStyle::bsDialog); }

void TMessageForm::HelpBtnClick(TComponent*) {
    if (MessageDialogHelp) MessageDialogHelp(helpContext_);
}

widgets::LayoutSize TMessageForm::FrameSize() {
    TCreateParams params;
    CreateParams(params);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

void TMessageForm::SetBounds(int left, int top, int width, int height) {
    TForm::SetBounds(left, top, width, height);
    // A top-level window is not moved by the control's own bounds.
    if (HandleAllocated()) SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TMessageForm::IsFormDialogMessage(MSG& msg) {
    const bool enterOrEsc =
        (msg.message == WM_KEYDOWN || msg.message == WM_CHAR) && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
    const bool modified = GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    // Left to the focused control, which ignores both keys.
    if (enterOrEsc && modified) return false;
    return TForm::IsFormDialogMessage(msg);
}
