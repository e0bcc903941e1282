// The application object: the hidden top-level window that carries the title
// and the taskbar button, the event loop with its filters, modal loops, the
// error handler for errors that escape event handlers, and the reload of the
// locale settings when the system announces a settings change.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Component.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    HWND Handle() const { return handle_; }
    std::string Title() const;
    void SetTitle(const std::string& title);

    TForm* MainForm() const { return mainForm_; }
    // Makes a form owned by the application, stores it in ref and builds it
    // from its description; the first form made is the main form.
    template <class T>
    void CreateForm(T*& ref) {
        T* form = new T(this);
        ref = form;
        AdoptForm(form);
    }

    // The forms made by CreateForm, in the order they were made.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int i) const { return forms_.at(static_cast<std::size_t>(i)); }

    // Runs the event loop until the main form has closed (or Terminate).
    void Run();
    // Handles one message, waiting for it; false after WM_QUIT.
    bool HandleMessage();
    // Handles every waiting message and returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Reports the error that is being handled (call inside a catch block).
    void HandleException(TComponent* sender);
    // Called with the message of an escaping error instead of the report.
    std::function<void(TComponent* sender, const std::exception& error)> OnException;
    // Shows an error's message: the report of escaping errors. The default
    // is a message box captioned with the title; the dialogs replace it.
    std::function<void(const std::string& message)> ShowErrorReport;

    // Runs when the system announces a change of its settings.
    std::function<void()> OnSettingChange;

    // Filters run on each message before it is dispatched; a filter that
    // returns true has handled the message.
    using MessageFilter = std::function<bool(MSG&)>;
    // Returns a key for RemoveMessageFilter.
    int AddMessageFilter(MessageFilter f) {
        filters_.emplace_back(++lastFilterKey_, std::move(f));
        return lastFilterKey_;
    }
    void RemoveMessageFilter(int key) {
        for (auto it = filters_.begin(); it != filters_.end(); ++it)
            if (it->first == key) {
                filters_.erase(it);
                return;
            }
    }

    // Depth of nested modal loops.
    int ModalLevel() const { return modalLevel_; }
    void EnterModal() { ++modalLevel_; }
    void LeaveModal() { --modalLevel_; }

private:
    void AdoptForm(TForm* form);
    bool ProcessMessage(MSG& msg);
    static LRESULT CALLBACK AppWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    int modalLevel_ = 0;
    std::vector<std::pair<int, MessageFilter>> filters_;
    int lastFilterKey_ = 0;
};

extern TApplication* Application;
