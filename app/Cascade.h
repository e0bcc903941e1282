// Several Dawnbells at once: a window is moved off the place of a window of
// the same kind that another Dawnbell shows there already, down and right by
// the caption's height, so that no instance opens exactly on top of another.
#pragma once

#include <windows.h>

// Moves the top-level window h while a visible window of its class that
// belongs to another process has its top-left corner where h has its own.
// Stays within the screen's work area, starting again at its top left.
void CascadeFromOtherInstances(HWND h);
