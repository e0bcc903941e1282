// The interval timer: raises OnTimer every Interval milliseconds while
// armed (Interval > 0, Enabled, OnTimer assigned). Each timer owns a hidden
// utility window and arms the system's timer 1 on it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/Component.h"
#include "toolkit/Events.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t v);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    // Re-arms on every assignment, even of the same handler.
    void SetOnTimer(TNotifyEvent handler);

    HWND WindowHandle() const { return window_; }

    bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) override;

private:
    void UpdateTimer();
    LRESULT WndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
    TNotifyEvent onTimer_;
    HWND window_ = nullptr;
};
