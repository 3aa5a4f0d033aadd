// Date patterns as the user types them: any pattern and any date formats without harm, and
// quoted text, or letters that are no elements, come out unchanged.
#include <algorithm>

#include "FuzzInput.h"
#include "addons/date/DateFormat.h"
#include "fakes/EnglishDateNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    hw::LocalTime t;
    t.year = static_cast<int>(in.Number(2)) % 10000;
    t.month = 1 + in.Byte() % 12;
    t.day = 1 + in.Byte() % 31;
    t.hour = in.Byte() % 24;
    t.minute = in.Byte() % 60;
    t.second = in.Byte() % 60;
    t.weekday = in.Byte() % 7;
    hw::test::EnglishDateNames names;
    const hw::Text pattern = in.Chars(512);
    hw::FormatDate(t, pattern, names);
    hw::FormatOrdinalDate(t, pattern, names);

    const hw::Text plain = u"Week: " + hw::Text(1 + in.Byte() % 4, u'X');
    Check(hw::FormatDate(t, plain, names) == plain);
    hw::Text quoted = in.Chars(64);
    quoted.erase(std::remove(quoted.begin(), quoted.end(), u'"'), quoted.end());
    Check(hw::FormatDate(t, u"\"" + quoted + u"\"", names) == quoted);
    return 0;
}
