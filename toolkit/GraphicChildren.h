// Painting the graphic controls (labels, bevels, images) that lie on a
// windowed control: each in its own rectangle, in the order they were added.
#pragma once

#include <windows.h>

class TWinControl;

void PaintGraphicControls(TWinControl& parent, HDC dc);
