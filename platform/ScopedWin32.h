// Owners of Win32 resources that must be given back when a scope ends, also
// when an error leaves it early: GDI objects, objects selected into a device
// context, device contexts, a device context's saved state and the windows a
// modal loop disables. Win32 build only.
#pragma once

#include <windows.h>

#include <vector>

namespace scoped {

// A pen, brush, bitmap or font made for one use; deleted with the owner.
template <class H = HGDIOBJ>
class GdiObject {
public:
    explicit GdiObject(H object = nullptr) : object_(object) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    H Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Deletes the object held and holds the new one.
    void Reset(H object = nullptr) {
        if (object_) DeleteObject(object_);
        object_ = object;
    }

private:
    H object_;
};

// An object selected into a device context; the previous one goes back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's device context (the screen's for a null window), released.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context compatible with dc, deleted.
class MemoryDC {
public:
    explicit MemoryDC(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// The device context's state (selected objects, colours, modes) as it was,
// restored when the scope ends.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() { RestoreDC(dc_, saved_); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Disables the thread's visible, enabled top-level windows other than
// `except`, as a modal loop does; gives them back on Restore or at the end
// of the scope, whichever comes first.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND except = nullptr) : except_(except) {
        EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(this));
    }
    ~DisabledWindows() { Restore(); }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

    void Restore() {
        for (HWND h : windows_)
            if (IsWindow(h)) EnableWindow(h, TRUE);
        windows_.clear();
    }

private:
    static BOOL CALLBACK DisableOne(HWND h, LPARAM self) {
        auto* d = reinterpret_cast<DisabledWindows*>(self);
        if (h != d->except_ && IsWindowVisible(h) && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            d->windows_.push_back(h);
        }
        return TRUE;
    }

    HWND except_;
    std::vector<HWND> windows_;
};

}  // namespace scoped
