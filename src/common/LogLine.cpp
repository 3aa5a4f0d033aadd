#include "common/LogLine.h"

namespace hw {

namespace {

Text TwoDigits(int n) {
    n = n < 0 ? 0 : n % 100;
    return Text{static_cast<char16_t>(u'0' + n / 10), static_cast<char16_t>(u'0' + n % 10)};
}

Text OneLine(Text text) {
    for (char16_t& c : text)
        if (c < u' ' || c == 0x7F) c = u' ';
    while (!text.empty() && text.back() == u' ') text.pop_back();
    return text;
}

}  // namespace

Text LogLine(const LocalTime& t, const Text& what, const Text& caption, const Text& errorText) {
    Text line = TwoDigits(t.year / 100) + TwoDigits(t.year) + u"-" + TwoDigits(t.month) + u"-" + TwoDigits(t.day) +
                u" " + TwoDigits(t.hour) + u":" + TwoDigits(t.minute) + u":" + TwoDigits(t.second) + u"  " +
                OneLine(what);
    if (!caption.empty()) line += u"  \"" + OneLine(caption) + u"\"";
    Text error = OneLine(errorText);
    if (!error.empty()) line += u"  " + error;
    return line + u"\r\n";
}

}  // namespace hw
