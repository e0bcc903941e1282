// Makes the toolkit's standard components known to the window-description
// reader. Each layer has one such function; the program calls them all at
// start-up (app/Components.h).
#pragma once

void RegisterToolkitComponents();
