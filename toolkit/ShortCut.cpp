#include "toolkit/ShortCut.h"

namespace {

std::string KeyName(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= vk::F1 && key <= vk::F12) return "F" + std::to_string(key - vk::F1 + 1);
    switch (key) {
        case vk::Back: return "BkSp";
        case vk::Tab: return "Tab";
        case vk::Return: return "Enter";
        case vk::Escape: return "Esc";
        case vk::Space: return "Space";
        case vk::Prior: return "PgUp";
        case vk::Next: return "PgDn";
        case vk::End: return "End";
        case vk::Home: return "Home";
        case vk::Left: return "Left";
        case vk::Up: return "Up";
        case vk::Right: return "Right";
        case vk::Down: return "Down";
        case vk::Insert: return "Ins";
        case vk::Delete: return "Del";
        default: return "";
    }
}

}  // namespace

TShortCut MakeShortCut(unsigned key, bool shift, bool ctrl, bool alt) {
    if (key == 0 || key > 0xFF || key == vk::Shift || key == vk::Control || key == vk::Menu) return scNone;
    unsigned value = key;
    if (shift) value |= scShift;
    if (ctrl) value |= scCtrl;
    if (alt) value |= scAlt;
    return static_cast<TShortCut>(value);
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyName(shortCut & 0xFFu);
    if (key.empty()) return "";
    std::string text;
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    if (shortCut & scShift) text += "Shift+";
    return text + key;
}

bool IsEditingShortCut(TShortCut shortCut) {
    switch (shortCut) {
        case scCtrl | 'C':
        case scCtrl | 'X':
        case scCtrl | 'V':
        case scCtrl | 'Z':
        case scCtrl | 'A':
        case scCtrl | vk::Insert:
        case scShift | vk::Insert:
        case scShift | vk::Delete: return true;
        default: return false;
    }
}
