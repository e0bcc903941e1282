// Windowed controls: a control with a window of its own. One window
// procedure serves every window of the toolkit: it finds the object bound to
// the window and calls its virtual WndProc, and no exception ever leaves it
// (an escaping error goes to the application's error handler). Native
// controls are created from their system class and subclassed; our own
// windows use classes registered with that procedure.
#pragma once

#include <string>
#include <vector>

#include "platform/ScopedWin32.h"
#include "toolkit/Control.h"

struct TCreateParams {
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    HMENU menu = nullptr;  // child id for child windows
    // A system class ("EDIT", "BUTTON", ...) to subclass, or our own class
    // name to register with the toolkit's procedure.
    std::string winClassName;
    bool systemClass = false;
    UINT classStyle = CS_DBLCLKS;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const char* ClassName() const override { return "TWinControl"; }
    bool IsWindowed() const override { return true; }

    // The window, created on first use (with the windows of its parents).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Creates the windows of this control and all its windowed children.
    void CreateHandleTree();
    virtual void DestroyHandle();

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int i) const { return controls_.at(static_cast<std::size_t>(i)); }

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();

    void Invalidate() override;
    void SetBounds(int left, int top, int width, int height) override;
    void ScaleBy(int m, int d) override;

    // The client area's size (of the window when there is one).
    virtual RECT ClientRect();
    // Lays out the aligned children within the client area.
    void Realign();

    // Message handling: the default passes to the native procedure or
    // DefWindowProc. Handlers override WndProc and call the base for the rest.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification that the parent received about this control's window
    // (WM_COMMAND, WM_NOTIFY, WM_HSCROLL/VSCROLL, WM_CTLCOLOR*, WM_DRAWITEM).
    // Returns true with result set when handled.
    virtual bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

    // The graphic child that the window holds the mouse capture for, if any.
    TControl* MouseCaptureControl() const { return captureControl_; }
    // The visible, enabled graphic child at a client point (the topmost).
    TControl* GraphicChildAt(int x, int y) const;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Called right after the window exists: push stored properties.
    virtual void WindowCreated();
    // The brush for WM_CTLCOLOR* of this control (its colour).
    HBRUSH ColorBrush();
    // Paints the graphic children (labels, bevels, images) on dc, each
    // clipped to its own rectangle, in the order they were added.
    void PaintGraphicChildren(HDC dc);
    // Turns an extended style bit on or off on the window, if there is one,
    // and has the frame drawn again (a client edge, for instance).
    void SetExStyleBit(DWORD bit, bool on);

    void VisibleChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;

    // Tab order: children sorted by TabOrder.
    std::vector<TWinControl*> TabList() const;

    HWND handle_ = nullptr;

private:
    friend class TControl;
    friend LRESULT CALLBACK ToolkitWndProc(HWND, UINT, WPARAM, LPARAM);
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    void Bind(HWND h);
    void Unbind();
    // Passes a mouse message over a graphic child to it; true when handled.
    bool RouteMouseToGraphicChild(UINT msg, WPARAM wParam, LPARAM lParam);
    void EndMouseCapture();

    std::vector<TControl*> controls_;
    TControl* captureControl_ = nullptr;
    WNDPROC nativeProc_ = nullptr;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    scoped::GdiObject<HBRUSH> brush_;
    COLORREF brushColor_ = 0;
};

// The one window procedure of the toolkit.
LRESULT CALLBACK ToolkitWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
// Registers (once) a window class of ours with the toolkit's procedure.
void RegisterToolkitClass(const TCreateParams& params);
