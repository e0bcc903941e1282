#include "toolkit/Timer.h"

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "res/StringIds.h"
#include "toolkit/Application.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/UtilWindow.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    window_ = AllocateHWnd([this](HWND h, UINT m, WPARAM w, LPARAM l) { return WndProc(h, m, w, l); });
}

TTimer::~TTimer() {
    // Disarm before the window goes, so that no tick reaches a dead object.
    enabled_ = false;
    KillTimer(window_, 1);
    DeallocateHWnd(window_);
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(std::uint32_t v) {
    if (v > 2147483647u) v = 2147483647u;
    if (v == interval_) return;
    interval_ = v;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    KillTimer(window_, 1);
    if (interval_ != 0 && enabled_ && onTimer_) {
        if (SetTimer(window_, 1, interval_, nullptr) == 0) throw EOutOfResources(platform::LoadStr(res::SOutOfTimers));
    }
}

LRESULT TTimer::WndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER) return DefWindowProcA(h, msg, wParam, lParam);
    if (onTimer_) {
        try {
            // A copy: the handler may assign another one.
            TNotifyEvent handler = onTimer_;
            handler(this);
        } catch (...) {
            if (Application) Application->HandleException(this);
        }
    }
    return 0;
}

bool TTimer::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder) {
    if (name == "Enabled") {
        SetEnabled(value.AsBool());
    } else if (name == "Interval") {
        std::int64_t v = value.AsInteger();
        if (v < 0 || v > 2147483647) throw EReadError("interval out of range: " + value.ToText());
        SetInterval(static_cast<std::uint32_t>(v));
    } else if (name == "OnTimer") {
        SetOnTimer(binder.Handler<void(TComponent*)>(value));
    } else {
        return TComponent::SetProperty(name, value, binder);
    }
    return true;
}
