// Event types shared by the components.
#pragma once

#include <functional>

class TComponent;

using TNotifyEvent = std::function<void(TComponent* sender)>;

// Mouse events: the button, the keys and buttons held (TShiftState bits) and
// the point in the control's own coordinates.
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;
enum TShiftStateBits : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
