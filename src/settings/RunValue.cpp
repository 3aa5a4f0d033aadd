#include "settings/RunValue.h"

#include "settings/SettingsLayout.h"
#include "settings/RegistryStore.h"

namespace hw {

namespace {

bool IsUsable(const Text& command) { return command.find_first_not_of(u'\0') != Text::npos; }

}  // namespace

bool StartsWithWindows(Registry& reg) {
    for (RegKey root : {kHkeyCurrentUser, kHkeyLocalMachine}) {
        if (IsUsable(ReadValue(reg, root, kRunKey, kRunValueName).ToText())) return true;
    }
    return false;
}

std::int32_t WriteRunValue(Registry& reg, const Text& programPath) {
    CreateKey(reg, kHkeyCurrentUser, kRunKey);
    return WriteValue(reg, kHkeyCurrentUser, kRunKey, kRunValueName, u"\"" + programPath + u"\"", kRegSz);
}

bool RemoveRunValue(Registry& reg) {
    std::int32_t user = RemoveValue(reg, kHkeyCurrentUser, kRunKey, kRunValueName);
    RemoveValue(reg, kHkeyLocalMachine, kRunKey, kRunValueName);
    return (user == kErrorSuccess || user == kErrorFileNotFound) && !StartsWithWindows(reg);
}

}  // namespace hw
