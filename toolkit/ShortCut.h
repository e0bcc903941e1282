// Menu shortcuts: a key code with modifier flags in one 16-bit value, as the
// window descriptions store them (16467 is Ctrl+S), and their display text.
#pragma once

#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;

// Modifier flags above the 8-bit key code; 0 is no shortcut.
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The virtual-key codes that have a name of their own in shortcut texts
// (checked against the system's values in the Win32 build).
namespace vk {
constexpr unsigned Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12, Escape = 0x1B,
                   Space = 0x20, Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26,
                   Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E, F1 = 0x70, F12 = 0x7B;
}  // namespace vk

// The shortcut a key press makes; scNone for a key code outside 1..255 or a
// modifier key pressed alone.
TShortCut MakeShortCut(unsigned key, bool shift, bool ctrl, bool alt);

// "Ctrl+S", "Ctrl+Shift+F5", "Del": modifiers in the order Ctrl, Alt, Shift,
// then the key. Empty for scNone and for keys without a name.
std::string ShortCutToText(TShortCut shortCut);

// The keys an editable text box keeps for its own editing (copy, cut, paste,
// undo, select all, also in their older Ins/Del forms): a menu shortcut on
// one of them must not act while such a box has the focus.
bool IsEditingShortCut(TShortCut shortCut);
