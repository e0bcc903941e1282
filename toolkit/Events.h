// Event types shared by the components.
#pragma once

#include <functional>

class TComponent;

using TNotifyEvent = std::function<void(TComponent* sender)>;
