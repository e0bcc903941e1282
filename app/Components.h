// Registers every component class of every layer with the reader of window
// descriptions; called once before the first window is built.
#pragma once

void RegisterComponents();
