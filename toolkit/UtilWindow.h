// A hidden window that forwards every message to a component: the private
// message target of timers, media players and the like. Its class
// "TPUtilWindow" has DefWindowProcA as class procedure; each window's
// procedure is replaced by one that forwards to the window's handler.
#pragma once

#include <windows.h>

#include <functional>

using UtilWindowHandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// Creates the window; the handler gets every message. Never shown.
HWND AllocateHWnd(UtilWindowHandler handler);
// Destroys a window made by AllocateHWnd (null is ignored).
void DeallocateHWnd(HWND h);
