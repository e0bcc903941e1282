#include "toolkit/UtilWindow.h"

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "res/StringIds.h"

namespace {
const char kClassName[] = "TPUtilWindow";

LRESULT CALLBACK ForwardingProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* handler = reinterpret_cast<UtilWindowHandler*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (!handler) return DefWindowProcA(h, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(h, GWLP_USERDATA, 0);
        delete handler;
        return DefWindowProcA(h, msg, wParam, lParam);
    }
    return (*handler)(h, msg, wParam, lParam);
}

void RegisterUtilClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    bool registered = GetClassInfoA(instance, kClassName, &existing) != FALSE;
    // A class of that name with another procedure is withdrawn and declared again.
    if (registered && existing.lpfnWndProc != DefWindowProcA) {
        UnregisterClassA(kClassName, instance);
        registered = false;
    }
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = instance;
        wc.lpszClassName = kClassName;
        RegisterClassA(&wc);
    }
}
}  // namespace

HWND AllocateHWnd(UtilWindowHandler handler) {
    RegisterUtilClass();
    HWND h = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!h) throw EOutOfResources(platform::LoadStr(res::SWindowCreate));
    SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new UtilWindowHandler(std::move(handler))));
    // The suppression stays on the line it names: not laid out.
    // clang-format off
    SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardingProc));  // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks): the window owns the handler and frees it at WM_NCDESTROY
    // clang-format on
    return h;
}

void DeallocateHWnd(HWND h) {
    if (h) DestroyWindow(h);
}
