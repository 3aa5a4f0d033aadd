#pragma once
// Weekday and month names in the user's language, and the user's short date.
#include "platform/Clock.h"

namespace hw {

class DateNames {
public:
    virtual ~DateNames() = default;
    // month 1 to 12
    virtual Text MonthName(int month, bool abbreviated) = 0;
    // weekday 0 Sunday ... 6 Saturday
    virtual Text WeekdayName(int weekday, bool abbreviated) = 0;
    // The date as the user's system writes it in short form.
    virtual Text ShortDate(const LocalTime& t) = 0;
};

}  // namespace hw
