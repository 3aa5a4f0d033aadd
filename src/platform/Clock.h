#pragma once
// The current local date and time, and the system's own way of writing them.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int weekday = 6;  // 0 Sunday ... 6 Saturday
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
    // The date and the time as the user's system writes them.
    virtual Text SystemDate(const LocalTime& t) = 0;
    virtual Text SystemTime(const LocalTime& t) = 0;
    // Milliseconds since some fixed moment, never going back: how long something has lasted.
    virtual std::uint64_t Milliseconds() = 0;
};

}  // namespace hw
