#pragma once
// Whether a hotkey is one that Windows keeps for itself or one that programs commonly use, so
// that the user can be warned before taking it.
#include "platform/Types.h"
#include "settings/Hotkey.h"

namespace hw {

enum class HotkeyClash {
    None,
    ReservedByWindows,  // Windows acts on it first, or it cannot be registered
    CommonShortcut,     // it would stop working in other programs
};

struct HotkeyConflict {
    HotkeyClash clash = HotkeyClash::None;
    Text use;  // what the combination does elsewhere, such as "Copy"; empty with None
    bool operator==(const HotkeyConflict&) const = default;
};

HotkeyConflict ConflictOf(const Hotkey& hotkey);

}  // namespace hw
