// Runs a clean-up when the scope ends, however it ends (also when an error
// leaves early). Portable; the Win32 resources have their own owners in
// platform/ScopedWin32.h.
#pragma once

#include <utility>

template <class F>
class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
};
