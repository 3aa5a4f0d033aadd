#pragma once
// The local clock and the user's date and time formats.
#include "platform/Clock.h"

namespace hw {

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
    Text SystemDate(const LocalTime& t) override;
    Text SystemTime(const LocalTime& t) override;
    std::uint64_t Milliseconds() override;
};

}  // namespace hw
