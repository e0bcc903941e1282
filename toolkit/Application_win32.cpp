#include "toolkit/Application.h"

#include <commctrl.h>

#include <exception>

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "toolkit/Form.h"
#include "toolkit/StartupTrace.h"

TApplication* Application = nullptr;

namespace {
const char kAppClass[] = "TApplication";
}

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
    {
        STARTUP_PROBE("common controls");
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
    }

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = AppWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
    wc.lpszClassName = kAppClass;
    RegisterClassExA(&wc);
    // The application window is never seen: it is shown with no size, so
    // that it carries the taskbar button for the forms it owns.
    int cx = GetSystemMetrics(SM_CXSCREEN) / 2, cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    handle_ = CreateWindowExA(0, kAppClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              cx, cy, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    ShowErrorReport = [this](const std::string& message) {
        platform::Sys().SystemMessageBox(handle_, message.c_str(), Title().c_str(), MB_OK | MB_ICONERROR);
    };
}

TApplication::~TApplication() {
    // Forms are owned by the application and freed by the base destructor.
    while (ComponentCount() > 0) delete Component(ComponentCount() - 1);
    if (handle_) DestroyWindow(handle_);
    if (Application == this) Application = nullptr;
}

std::string TApplication::Title() const {
    char buf[1024];
    int n = GetWindowTextA(handle_, buf, sizeof buf);
    return std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

void TApplication::SetTitle(const std::string& title) {
    if (title != Title()) SetWindowTextA(handle_, title.c_str());
}

void TApplication::AdoptForm(TForm* form) {
    if (!mainForm_) mainForm_ = form;
    forms_.push_back(form);
    form->InitializeForm();
}

LRESULT CALLBACK TApplication::AppWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        switch (msg) {
            case WM_WININICHANGE:
                if (Application && Application->OnSettingChange) Application->OnSettingChange();
                break;
            case WM_CLOSE:
                if (Application && Application->mainForm_) {
                    Application->mainForm_->Close();
                    return 0;
                }
                break;
            case WM_SYSCOMMAND:
                // Restoring or minimising the application means the main form.
                if ((wParam & 0xFFF0) == SC_RESTORE && Application && Application->mainForm_)
                    Application->mainForm_->Show();
                break;
            default: break;
        }
    } catch (...) {
        if (Application) Application->HandleException(Application);
        return 0;
    }
    return DefWindowProcA(h, msg, wParam, lParam);
}

void TApplication::Run() {
    if (mainForm_) {
        StartupMilestone("process start to main window shown");
        {
            STARTUP_PROBE("show main window");
            mainForm_->Show();
        }
        WriteStartupTrace();
    }
    while (!terminated_) {
        if (!HandleMessage()) break;
    }
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    // A filter may remove itself: run over a copy.
    std::vector<std::pair<int, MessageFilter>> filters = filters_;
    for (auto& f : filters)
        if (f.second(msg)) return true;
    // Dialog keys (Tab, arrows, Enter, Esc, access keys) for the active form.
    HWND active = GetActiveWindow();
    if (auto* form = dynamic_cast<TForm*>(FindControl(active)))
        if (form->IsFormDialogMessage(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

bool TApplication::HandleMessage() {
    MSG msg;
    BOOL r = GetMessageA(&msg, nullptr, 0, 0);
    if (r == -1) return false;
    if (r == 0) {
        terminated_ = true;
        return false;
    }
    try {
        return ProcessMessage(msg);
    } catch (...) {
        HandleException(this);
        return true;
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        try {
            ProcessMessage(msg);
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::HandleException(TComponent* sender) {
    // End any mouse capture first: a dragging control must not keep it
    // while the report is up.
    if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
    // Called from a catch block; outside one there is nothing to report.
    const std::exception_ptr current = std::current_exception();
    if (!current) return;
    try {
        std::rethrow_exception(current);
    } catch (const EAbort&) {
        return;
    } catch (const std::exception& e) {
        if (OnException) {
            OnException(sender, e);
            return;
        }
        std::string message = e.what();
        if (ShowErrorReport) ShowErrorReport(message + ".");
    } catch (...) {
        if (ShowErrorReport) ShowErrorReport("Unexpected error.");
    }
}
