#include "toolkit/GraphicChildren.h"

#include "toolkit/WinControl.h"

void PaintGraphicControls(TWinControl& parent, HDC dc) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* c = parent.Controls(i);
        if (c->IsWindowed() || !c->Visible()) continue;
        int saved = SaveDC(dc);
        RECT r = c->BoundsRect();
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        c->Paint(dc);
        RestoreDC(dc, saved);
    }
}
