// Forms: top-level windows built from their window descriptions. A form owns
// the components of its description, keeps its client size, border, font and
// stacking, raises OnCreate once built and OnClose when closed (hide for
// secondary windows; closing the main form ends the program), and can be
// shown modally with a modal result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/DescriptionReader.h"
#include "toolkit/WinControl.h"

class TMainMenu;

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResultValue = int;
constexpr TModalResultValue mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                            mrNo = 7, mrAll = 8;

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    const char* ClassName() const override { return "TForm"; }

    // Second phase of construction, once the derived class exists: reads the
    // description (resource named after the class, upper case), scales it to
    // the screen, makes the windows and raises OnCreate.
    virtual void InitializeForm();
    // The same from a description text (tests and forms without resources).
    void InitializeFromText(const std::string& text, const std::string& sourceName);

    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    RECT ClientRect() override;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v) { borderStyle_ = v; }
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned v) { borderIcons_ = v; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }

    void Show();
    void Close();
    // Shows the form modally and returns its modal result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    bool Modal() const { return modal_; }
    void BringToFront();

    // The menu bar (null for none). The form keeps its client size when the
    // bar comes or goes. Owned elsewhere (by the form, in a description).
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // The control that has or gets the focus in this form.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* c);
    // The button that Enter presses, and the one that Esc presses.
    TControl* DefaultControl = nullptr;
    TControl* CancelControl = nullptr;

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;
    std::function<void(TComponent* sender, bool& canClose)> OnCloseQuery;

    // Dialog keys for this form; true when the message was handled.
    virtual bool IsFormDialogMessage(MSG& msg);

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Loaded() override;
    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

    // The component of that name, of type T; throws when missing.
    template <class T>
    T* Find(const std::string& name) const {
        T* c = dynamic_cast<T*>(FindComponent(name));
        if (!c) throw EReadError(Name() + ": no component " + name);
        return c;
    }

protected:
    // Derived forms list their event handlers here.
    virtual void RegisterHandlers(HandlerTable&) {}
    // Called after the description is read, before the windows are made;
    // derived forms look up their components here.
    virtual void ComponentsLoaded() {}
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void VisibleChanged() override;
    void TextChanged() override;

private:
    void ScaleToScreen();
    void ShowForm(bool activate);
    void FitClientSize();

    int clientWidth_ = 0, clientHeight_ = 0;
    bool clientSizeSet_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    int pixelsPerInch_ = 96;
    int modalResult_ = mrNone;
    bool modal_ = false;
    TWinControl* activeControl_ = nullptr;
    TMainMenu* menu_ = nullptr;
    std::string menuName_;  // the description's Menu, found once all is read
};

// The screen's pixels per inch.
int ScreenPixelsPerInch();
