#pragma once
// The date add-on's stored settings: the user's pattern and what a double click types.
#include "platform/Registry.h"

namespace hw {

// What a double click on the date icon types.
enum class DateChoice : int { User = 0, Medium = 1, Short = 2 };

inline const Text kDefaultDateFormat = u"dth mmmm yyyy";

struct DateSettings {
    Text format = kDefaultDateFormat;
    DateChoice choice = DateChoice::User;
};

// Reads "Format" and "Double" under the add-on's key, creating the key. With no format
// stored the default is written at once; a "Double" other than 0, 1 or 2 reads as the user format.
DateSettings LoadDateSettings(Registry& reg);
// Writes both values as text; the registry status of the first write that failed, 0 when
// both were written.
std::int32_t SaveDateSettings(Registry& reg, const DateSettings& settings);

}  // namespace hw
