// Makes the widgets layer's components known to the window-description reader.
#pragma once

void RegisterWidgetComponents();
