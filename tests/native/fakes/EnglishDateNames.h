#pragma once
// English weekday and month names and a day/month/year short date.
#include "platform/DateNames.h"

namespace hw::test {

class EnglishDateNames : public DateNames {
public:
    Text MonthName(int month, bool abbreviated) override {
        static const char16_t* const kNames[] = {u"January", u"February", u"March",     u"April",
                                                 u"May",     u"June",     u"July",      u"August",
                                                 u"September", u"October", u"November", u"December"};
        Text name = kNames[(month + 11) % 12];
        return abbreviated ? name.substr(0, 3) : name;
    }
    Text WeekdayName(int weekday, bool abbreviated) override {
        static const char16_t* const kNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                                 u"Thursday", u"Friday", u"Saturday"};
        Text name = kNames[(weekday % 7 + 7) % 7];
        return abbreviated ? name.substr(0, 3) : name;
    }
    Text ShortDate(const LocalTime& t) override {
        auto two = [](int n) { return Text{static_cast<char16_t>(u'0' + n / 10 % 10), static_cast<char16_t>(u'0' + n % 10)}; };
        return two(t.day) + u"/" + two(t.month) + u"/" + two(t.year / 100) + two(t.year);
    }
};

}  // namespace hw::test
