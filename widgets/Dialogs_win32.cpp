#include "widgets/Dialogs.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/ScopeExit.h"
#include "platform/Platform.h"
#include "platform/ScopedWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "widgets/MessageForm.h"
#include "widgets/MessageLayout.h"
#include "widgets/MessageText.h"

using namespace widgets;

namespace {

std::string ApplicationTitle() { return Application ? Application->Title() : std::string(); }

LayoutSize Extent(const SIZE& s) { return {static_cast<int>(s.cx), static_cast<int>(s.cy)}; }

void ShowErrorText(const std::string& text) { ShowMessageBox(text, ApplicationTitle(), MB_ICONERROR); }

}  // namespace

TMessageForm* BuildMessageForm(const std::string& text, MessageKind kind, MessageButtons buttons) {
    auto form = std::make_unique<TMessageForm>(Application);
    // The toolkit's default font: 8-point at the screen's resolution.
    form->Font().SetHeight(-::MulDiv(8, ScreenPixelsPerInch(), 72));

    TImage* image = nullptr;
    if (KindInfo(kind).iconId != 0) {
        image = new TImage(form.get());
        image->SetName("Image");
        image->SetParent(form.get());
    }
    // The caller's text is shown as it stands: an "&" in a path is no access key.
    auto* label = new TMessageText(form.get());
    label->SetName("Message");
    label->SetParent(form.get());
    label->SetCaption(text);

    MessageLayout layout;
    {
        // The screen's device context with the form's font, for measuring.
        scoped::WindowDC dc;
        scoped::SelectedObject font(dc.Get(), form->Font().Handle());
        SIZE sample{};
        GetTextExtentPoint32A(dc.Get(), kAverageCharSample, static_cast<int>(std::strlen(kAverageCharSample)), &sample);
        const UINT flags = TMessageText::DrawTextFlags() | DT_CALCRECT;
        MessageLayoutInput in;
        in.text = text;
        in.kind = kind;
        in.buttons = buttons;
        in.units = DialogUnitsFromSample(Extent(sample));
        in.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        in.frame = form->FrameSize();
        in.applicationTitle = ApplicationTitle();
        in.measure = [&dc, flags](const std::string& t, int maxWidth) {
            RECT r{0, 0, maxWidth, 0};
            DrawTextA(dc.Get(), t.c_str(), static_cast<int>(t.size()), &r, flags);
            return LayoutSize{static_cast<int>(r.right), static_cast<int>(r.bottom)};
        };
        layout = LayOutMessage(in);
    }

    form->SetCaption(layout.caption);
    form->SetClientWidth(layout.client.width);
    form->SetClientHeight(layout.client.height);
    form->SetBounds(layout.window.left, layout.window.top, layout.window.width, layout.window.height);
    if (image) {
        image->SetIcon(LoadIconA(nullptr, MAKEINTRESOURCEA(layout.iconId)));
        // The system's icons grow with the screen's resolution: drawn into
        // the place the layout keeps for them, they show whole.
        image->SetStretch(true);
        image->SetBounds(layout.icon.left, layout.icon.top, layout.icon.width, layout.icon.height);
    }
    label->SetBounds(layout.label.left, layout.label.top, layout.label.width, layout.label.height);

    TMessageForm* f = form.get();
    for (const MessageButtonPlace& place : layout.buttons) {
        auto* button = new TButton(f);
        button->SetName(place.name);
        button->SetParent(f);
        button->SetCaption(place.caption);
        button->SetModalResult(place.modalResult);
        button->SetDefault(place.isDefault);
        button->SetCancel(place.isCancel);
        button->SetBounds(place.bounds.left, place.bounds.top, place.bounds.width, place.bounds.height);
        if (place.button == MessageButton::Help) button->OnClick = [f](TComponent* sender) { f->HelpBtnClick(sender); };
    }
    form->CreateHandleTree();
    return form.release();
}

int MessageDialogAt(const std::string& text, MessageKind kind, MessageButtons buttons, int helpContext, int left,
                    int top) {
    // Freed however the modal loop ends.
    std::unique_ptr<TMessageForm> form(BuildMessageForm(text, kind, buttons));
    form->SetHelpContext(helpContext);
    if (left >= 0) form->SetLeft(left);
    if (top >= 0) form->SetTop(top);
    return form->ShowModal();
}

int MessageDialog(const std::string& text, MessageKind kind, MessageButtons buttons, int helpContext) {
    return MessageDialogAt(text, kind, buttons, helpContext, -1, -1);
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    // The thread's windows are disabled while the box is up; they, and the
    // activation, come back however the call ends.
    HWND active = GetActiveWindow();
    ScopeExit reactivate([active] {
        if (active && IsWindow(active)) SetActiveWindow(active);
    });
    scoped::DisabledWindows disabled;
    void* owner = Application ? Application->Handle() : nullptr;
    return platform::Sys().SystemMessageBox(owner, text.c_str(), caption.c_str(), flags & 0xFFFFu);
}

void ReportError(const std::exception& error) { ShowErrorText(std::string(error.what()) + "."); }

void InstallErrorReport() {
    // The toolkit has cancelled any capture and dropped EAbort already, and
    // hands over the message with its full stop.
    if (Application) Application->ShowErrorReport = ShowErrorText;
}
