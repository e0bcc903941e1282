// Drives Dawnbell from another process for the journey tests: finds its
// windows by title, reads and sets control texts, clicks buttons and closes
// windows with the messages a user's actions produce.
//
//   DawnbellDriver wait <title> [ms]          wait until a visible top-level window has this title
//   DawnbellDriver gone <title> [ms]          wait until no visible window has this title
//   DawnbellDriver client <title>             print the client size "W H"
//   DawnbellDriver close <title>              send WM_CLOSE (the close box)
//   DawnbellDriver click <title> <text>       click the button whose caption is text
//   DawnbellDriver gettext <title> <n>        print the text of the n-th child window (depth first)
//   DawnbellDriver settext <title> <n> <text> set the text of the n-th child window
//   DawnbellDriver children <title>           list the child windows: index, class, text
//   DawnbellDriver setmemo <title> <text>     set the text of the first multi-line edit (\n breaks lines)
//   DawnbellDriver apptitle -                 print the application window's title (the taskbar text)
//   DawnbellDriver rect <title> <n|->         print the screen rectangle "x y w h" of the n-th child (- the window)
//   DawnbellDriver state <title> <n>          print "visible enabled checked" of the n-th child as 0/1 digits
//   DawnbellDriver pos <title> <n>            print the position of the n-th child, a track bar
//   DawnbellDriver thumb <title> <n>          print the screen rectangle "x y w h" of that track bar's thumb
//   DawnbellDriver tab <title> <n> <i>        print the screen rectangle "x y w h" of tab i of the n-th child
//   DawnbellDriver windows <title>            print "x y w h" of every visible window with this title, topmost first
//   DawnbellDriver check <title>              print every fault of the window's layout (a child outside its parent,
//                                             an edit's text cut, a page over the tabs, a menu title cut); exit 1 if any
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Found {
    const char* title;
    HWND hwnd;
};

BOOL CALLBACK MatchTitle(HWND h, LPARAM l) {
    auto* f = reinterpret_cast<Found*>(l);
    char buf[512];
    GetWindowTextA(h, buf, sizeof buf);
    RECT r;
    GetWindowRect(h, &r);
    if (IsWindowVisible(h) && r.right > r.left && std::strcmp(buf, f->title) == 0) {
        f->hwnd = h;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const char* title) {
    Found f{title, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&f));
    return f.hwnd;
}

// Every visible top-level window with the title, in their order on the
// screen (the one in front first).
struct AllFound {
    const char* title;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTitled(HWND h, LPARAM l) {
    auto* f = reinterpret_cast<AllFound*>(l);
    char buf[512];
    GetWindowTextA(h, buf, sizeof buf);
    if (IsWindowVisible(h) && std::strcmp(buf, f->title) == 0) f->windows.push_back(h);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND h, LPARAM l) {
    reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> list;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&list));
    return list;
}

std::string TextOf(HWND h) {
    LRESULT n = SendMessageA(h, WM_GETTEXTLENGTH, 0, 0);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    SendMessageA(h, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(std::strlen(s.c_str()));
    return s;
}

HWND WaitFor(const char* title, int ms) {
    for (int waited = 0;; waited += 50) {
        if (HWND h = FindTopLevel(title)) return h;
        if (waited >= ms) return nullptr;
        Sleep(50);
    }
}

// Asks a control of another process for a rectangle: the control writes
// into its own process's memory, read back from there.
bool RemoteRect(HWND control, UINT message, WPARAM wParam, RECT& out) {
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    bool ok = false;
    if (remote) {
        SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(remote));
        ok = ReadProcessMemory(process, remote, &out, sizeof out, nullptr) != 0;
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return ok;
}

std::string ClassOf(HWND h) {
    char cls[128] = {};
    GetClassNameA(h, cls, sizeof cls);
    return cls;
}

// The faults of a window's layout as a user would see them, one line each.
std::vector<std::string> LayoutFaults(HWND top) {
    std::vector<std::string> faults;
    char line[512];
    for (HWND c : Children(top)) {
        HWND parent = GetParent(c);
        RECT r, client;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        GetClientRect(parent, &client);
        const std::string cls = ClassOf(c), text = TextOf(c);
        if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom) {
            std::snprintf(line, sizeof line, "%s '%s' at %ld,%ld-%ld,%ld lies outside its parent %s (%ld x %ld)",
                          cls.c_str(), text.c_str(), r.left, r.top, r.right, r.bottom, ClassOf(parent).c_str(),
                          client.right, client.bottom);
            faults.push_back(line);
        }
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        if (lstrcmpiA(cls.c_str(), "Edit") == 0 && !(style & ES_MULTILINE) && !text.empty() &&
            IsWindowVisible(c)) {
            // The text starts at its first character, and the character
            // nearest the box's right edge is past its last one.
            RECT box;
            GetClientRect(c, &box);
            LRESULT first = SendMessageA(c, EM_GETFIRSTVISIBLELINE, 0, 0);
            LRESULT atEdge = SendMessageA(c, EM_CHARFROMPOS, 0, MAKELPARAM(box.right - 1, box.bottom / 2));
            long last = static_cast<long>(LOWORD(atEdge));
            if (first != 0 || last < static_cast<long>(text.size())) {
                std::snprintf(line, sizeof line, "the text '%s' of an edit box %ld wide is cut (%ld of %zu characters show)",
                              text.c_str(), box.right, last - static_cast<long>(first), text.size());
                faults.push_back(line);
            }
        }
        if (cls == "SysTabControl32") {
            // No page covers the tabs.
            LONG tabsBottom = 0;
            LRESULT count = SendMessageA(c, TCM_GETITEMCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                RECT t{};
                if (RemoteRect(c, TCM_GETITEMRECT, static_cast<WPARAM>(i), t) && t.bottom > tabsBottom)
                    tabsBottom = t.bottom;
            }
            for (HWND page = GetWindow(parent, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
                if (page == c || !IsWindowVisible(page)) continue;
                RECT p;
                GetWindowRect(page, &p);
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&p), 2);
                if (p.top < tabsBottom) {
                    std::snprintf(line, sizeof line, "a page starts at %ld, over the tabs that end at %ld", p.top,
                                  tabsBottom);
                    faults.push_back(line);
                }
            }
        }
    }
    // Every menu bar title as wide as its text in the menu font.
    if (HMENU menu = GetMenu(top)) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char title[128] = {};
            GetMenuStringA(menu, static_cast<UINT>(i), title, sizeof title, MF_BYPOSITION);
            RECT item{}, text{0, 0, 0, 0};
            GetMenuItemRect(top, menu, static_cast<UINT>(i), &item);
            DrawTextA(dc, title, -1, &text, DT_SINGLELINE | DT_CALCRECT);
            if (text.right > item.right - item.left) {
                std::snprintf(line, sizeof line, "the menu title '%s' is %ld wide in a place %ld wide", title,
                              text.right, item.right - item.left);
                faults.push_back(line);
            }
        }
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        DeleteObject(font);
    }
    return faults;
}

int Fail(const char* what, const char* title) {
    std::fprintf(stderr, "DawnbellDriver: %s: %s\n", what, title);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: DawnbellDriver command title [args]\n");
        return 2;
    }
    std::string cmd = argv[1];
    const char* title = argv[2];
    int ms = argc > 3 ? std::atoi(argv[3]) : 10000;

    if (cmd == "apptitle") {
        HWND app = FindWindowA("TApplication", nullptr);
        if (!app) return Fail("no application window", "TApplication");
        std::printf("%s\n", TextOf(app).c_str());
        return 0;
    }
    if (cmd == "wait") return WaitFor(title, ms) ? 0 : Fail("no window", title);
    if (cmd == "windows") {
        AllFound all{title, {}};
        EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&all));
        for (HWND w : all.windows) {
            RECT r;
            GetWindowRect(w, &r);
            std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        }
        return 0;
    }
    if (cmd == "gone") {
        for (int waited = 0; FindTopLevel(title); waited += 50) {
            if (waited >= ms) return Fail("window still there", title);
            Sleep(50);
        }
        return 0;
    }
    HWND h = WaitFor(title, 10000);
    if (!h) return Fail("no window", title);
    if (cmd == "client") {
        RECT r;
        GetClientRect(h, &r);
        std::printf("%ld %ld\n", r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (cmd == "close") {
        PostMessageA(h, WM_CLOSE, 0, 0);
        return 0;
    }
    if (cmd == "check") {
        std::vector<std::string> faults = LayoutFaults(h);
        for (const std::string& f : faults) std::printf("%s\n", f.c_str());
        return faults.empty() ? 0 : 1;
    }
    if (cmd == "children") {
        int i = 0;
        for (HWND c : Children(h)) {
            char cls[128];
            GetClassNameA(c, cls, sizeof cls);
            std::printf("%d\t%s\t%s\n", i++, cls, TextOf(c).c_str());
        }
        return 0;
    }
    if (cmd == "click" && argc > 3) {
        for (HWND c : Children(h))
            if (TextOf(c) == argv[3]) {
                PostMessageA(c, BM_CLICK, 0, 0);
                return 0;
            }
        return Fail("no such button", argv[3]);
    }
    if (cmd == "setmemo" && argc > 3) {
        std::string text;
        for (const char* p = argv[3]; *p; ++p) {
            if (p[0] == '\\' && p[1] == 'n') {
                text += "\r\n";
                ++p;
            } else {
                text += *p;
            }
        }
        for (HWND c : Children(h)) {
            char cls[32];
            GetClassNameA(c, cls, sizeof cls);
            if (lstrcmpiA(cls, "Edit") == 0 && (GetWindowLongA(c, GWL_STYLE) & ES_MULTILINE)) {
                SendMessageA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
                return 0;
            }
        }
        return Fail("no multi-line edit", title);
    }
    if ((cmd == "thumb" && argc > 3) || (cmd == "tab" && argc > 4)) {
        std::vector<HWND> list = Children(h);
        int n = std::atoi(argv[3]);
        if (n < 0 || n >= static_cast<int>(list.size())) return Fail("no such child", argv[3]);
        HWND control = list[static_cast<std::size_t>(n)];
        RECT r{};
        bool ok = cmd == "thumb" ? RemoteRect(control, TBM_GETTHUMBRECT, 0, r)
                                 : RemoteRect(control, TCM_GETITEMRECT, static_cast<WPARAM>(std::atoi(argv[4])), r);
        if (!ok) return Fail("cannot read the rectangle in", title);
        MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if ((cmd == "rect" || cmd == "state" || cmd == "pos") && argc > 3) {
        HWND target = h;
        if (std::strcmp(argv[3], "-") != 0) {
            std::vector<HWND> list = Children(h);
            int n = std::atoi(argv[3]);
            if (n < 0 || n >= static_cast<int>(list.size())) return Fail("no such child", argv[3]);
            target = list[static_cast<std::size_t>(n)];
        }
        if (cmd == "rect") {
            RECT r;
            GetWindowRect(target, &r);
            std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        } else if (cmd == "state") {
            LRESULT check = SendMessageA(target, BM_GETCHECK, 0, 0);
            std::printf("%d %d %d\n", IsWindowVisible(target) ? 1 : 0, IsWindowEnabled(target) ? 1 : 0,
                        check == BST_CHECKED ? 1 : 0);
        } else {
            std::printf("%ld\n", static_cast<long>(SendMessageA(target, TBM_GETPOS, 0, 0)));
        }
        return 0;
    }
    if ((cmd == "gettext" || cmd == "settext") && argc > 3) {
        std::vector<HWND> list = Children(h);
        int n = std::atoi(argv[3]);
        if (n < 0 || n >= static_cast<int>(list.size())) return Fail("no such child", argv[3]);
        if (cmd == "gettext") {
            std::printf("%s\n", TextOf(list[static_cast<std::size_t>(n)]).c_str());
            return 0;
        }
        if (argc < 5) return 2;
        SendMessageA(list[static_cast<std::size_t>(n)], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        return 0;
    }
    return Fail("unknown command", cmd.c_str());
}
