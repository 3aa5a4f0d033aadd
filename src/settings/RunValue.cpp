#include "settings/RunValue.h"

#include "settings/SettingsLayout.h"
#include "settings/RegistryStore.h"

namespace hw {

namespace {

bool IsUsable(const Text& command) { return command.find_first_not_of(u'\0') != Text::npos; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

bool StartedWithWindows(const Text& commandLine) {
    std::size_t i = 0;
    // The program: in double quotes, or up to the first blank.
    if (!commandLine.empty() && commandLine[0] == u'"') {
        i = commandLine.find(u'"', 1);
        i = i == Text::npos ? commandLine.size() : i + 1;
    }
    while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
    while (i < commandLine.size()) {
        while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
        const std::size_t start = i;
        while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
        if (commandLine.compare(start, i - start, kWithWindowsArgument) == 0 && i > start) return true;
    }
    return false;
}

bool StartsWithWindows(Registry& reg) {
    for (RegKey root : {kHkeyCurrentUser, kHkeyLocalMachine}) {
        if (IsUsable(ReadValue(reg, root, kRunKey, kRunValueName).ToText())) return true;
    }
    return false;
}

std::int32_t WriteRunValue(Registry& reg, const Text& programPath) {
    CreateKey(reg, kHkeyCurrentUser, kRunKey);
    return WriteValue(reg, kHkeyCurrentUser, kRunKey, kRunValueName, u"\"" + programPath + u"\" " + kWithWindowsArgument, kRegSz);
}

bool RemoveRunValue(Registry& reg) {
    std::int32_t user = RemoveValue(reg, kHkeyCurrentUser, kRunKey, kRunValueName);
    RemoveValue(reg, kHkeyLocalMachine, kRunKey, kRunValueName);
    return (user == kErrorSuccess || user == kErrorFileNotFound) && !StartsWithWindows(reg);
}

}  // namespace hw
