#pragma once
// A hotkey as the settings hold it: modifiers first, in the order Ctrl+Alt+Shift+Win, then the
// key: "Ctrl+Alt+H", "Shift+F12", "Ctrl+Alt+PgDn". Empty text is no hotkey.
//
// Key names: letters "A" to "Z", digits "0" to "9", "F1" to "F24"; "PgUp", "PgDn", "Home",
// "End", "Ins", "Del", "Left", "Up", "Right", "Down"; "Space", "Tab", "Esc", "Enter",
// "Backspace", "Pause", "PrtSc"; the numeric keypad "Num0" to "Num9", "Num*", "Num/", "Num-",
// "Num.", "NumPlus"; punctuation by its US keyboard place ";", "Plus", ",", "-", ".", "/",
// "`", "[", "\", "]", "'". Any other key is written "VK" and its code in two hex digits
// ("VKE2"). Reading ignores case and spaces around "+", takes the modifiers in any order and
// also knows "Control", "PageUp", "PageDown", "Insert", "Delete", "Escape", "Return", "Num+",
// "+" and "=" for Plus.
#include "platform/Types.h"
#include "settings/Hotkey.h"
#include "settings/Settings.h"

namespace hw {

struct HotkeyReading {
    Hotkey hotkey;  // no hotkey when the text is empty or cannot be read
    Text problem;   // why the text cannot be read; empty when it can
};

HotkeyReading ReadHotkey(const Text& text);

// The canonical text; empty for no hotkey.
Text HotkeyText(const Hotkey& hotkey);

// What each hotkey does, as the user is told.
Text HotkeyActionName(HotkeyAction action);

}  // namespace hw
