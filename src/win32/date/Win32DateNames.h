#pragma once
// Weekday and month names and the short date in the user's locale.
#include "platform/DateNames.h"

namespace hw {

class Win32DateNames : public DateNames {
public:
    Text MonthName(int month, bool abbreviated) override;
    Text WeekdayName(int weekday, bool abbreviated) override;
    Text ShortDate(const LocalTime& t) override;
};

}  // namespace hw
