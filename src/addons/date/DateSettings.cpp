#include "addons/date/DateSettings.h"

#include "common/NumericParse.h"
#include "settings/SettingsLayout.h"
#include "settings/RegistryStore.h"

namespace hw {

namespace {
const Text kDateKey = kSettingsKey + u"\\" + kDateKeyName;
}

DateSettings LoadDateSettings(Registry& reg) {
    CreateKey(reg, kHkeyCurrentUser, kDateKey);
    DateSettings settings;
    settings.format = ReadValue(reg, kHkeyCurrentUser, kDateKey, u"Format").ToText();
    if (settings.format.empty()) {
        settings.format = kDefaultDateFormat;
        WriteValue(reg, kHkeyCurrentUser, kDateKey, u"Format", settings.format, kRegSz);
    }
    std::optional<std::int16_t> choice = ParseInt16(ReadValue(reg, kHkeyCurrentUser, kDateKey, u"Double").ToText());
    if (choice && *choice >= 0 && *choice <= 2) settings.choice = static_cast<DateChoice>(*choice);
    return settings;
}

std::int32_t SaveDateSettings(Registry& reg, const DateSettings& settings) {
    CreateKey(reg, kHkeyCurrentUser, kDateKey);
    std::int32_t choice =
        WriteValue(reg, kHkeyCurrentUser, kDateKey, u"Double", DecimalText(static_cast<int>(settings.choice)), kRegSz);
    std::int32_t format = WriteValue(reg, kHkeyCurrentUser, kDateKey, u"Format", settings.format, kRegSz);
    return choice != kErrorSuccess ? choice : format;
}

}  // namespace hw
