// Holds one Wine window open for the length of a test run, so that Wine's
// desktop process never has to start again between two launches of the
// program under test (a launch can fail while it restarts).
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "DawnbellWineKeeper";
    RegisterClassA(&wc);
    // A one-pixel window outside the screen: mapped, never in a screenshot.
    HWND h = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "WineKeeper", WS_POPUP, -50, -50, 1, 1, nullptr,
                             nullptr, instance, nullptr);
    ShowWindow(h, SW_SHOWNOACTIVATE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
