#include "app/Cascade.h"

#include <string>

namespace {

struct Search {
    std::string className;
    POINT corner;
    DWORD process;
    bool taken;
};

BOOL CALLBACK FindAtCorner(HWND h, LPARAM l) {
    auto* s = reinterpret_cast<Search*>(l);
    DWORD process = 0;
    GetWindowThreadProcessId(h, &process);
    if (process == s->process || !IsWindowVisible(h)) return TRUE;
    char name[256] = {};
    GetClassNameA(h, name, sizeof name);
    RECT r;
    GetWindowRect(h, &r);
    if (s->className == name && r.left == s->corner.x && r.top == s->corner.y) {
        s->taken = true;
        return FALSE;
    }
    return TRUE;
}

bool Taken(Search& s) {
    s.taken = false;
    EnumWindows(FindAtCorner, reinterpret_cast<LPARAM>(&s));
    return s.taken;
}

}  // namespace

void CascadeFromOtherInstances(HWND h) {
    if (!h) return;
    char name[256] = {};
    GetClassNameA(h, name, sizeof name);
    RECT r;
    GetWindowRect(h, &r);
    Search s{name, POINT{r.left, r.top}, GetCurrentProcessId(), false};
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    const int width = r.right - r.left, height = r.bottom - r.top;
    // A bounded walk: with every place taken the window stays at the last.
    bool moved = false;
    for (int i = 0; i < 64 && Taken(s); ++i) {
        s.corner.x += step;
        s.corner.y += step;
        if (s.corner.x + width > work.right || s.corner.y + height > work.bottom) s.corner = {work.left, work.top};
        moved = true;
    }
    if (moved) SetWindowPos(h, nullptr, s.corner.x, s.corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
