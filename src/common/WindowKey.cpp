#include "common/WindowKey.h"

namespace hw {

Text HandleText(WindowHandle h) {
    Text digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + h % 10));
        h /= 10;
    } while (h != 0);
    return digits;
}

WindowHandle HandleFromText(const Text& decimal) {
    std::size_t i = 0;
    while (i < decimal.size() && decimal[i] == u' ') ++i;
    WindowHandle h = 0;
    std::size_t digits = 0;
    for (; i < decimal.size() && decimal[i] >= u'0' && decimal[i] <= u'9'; ++i, ++digits) {
        WindowHandle next = h * 10 + static_cast<WindowHandle>(decimal[i] - u'0');
        if (digits >= kKeyDigits || next / 10 != h) return 0;  // does not fit a handle
        h = next;
    }
    return h;
}

Text BH(WindowHandle h) {
    Text digits = HandleText(h);
    return Text(kKeyDigits - digits.size(), u'0') + digits;
}

Text BH(const Text& decimal) { return BH(HandleFromText(decimal)); }

std::vector<WindowHandle> MasterRecords(const Text& masterList) {
    std::vector<WindowHandle> handles;
    for (std::size_t at = 0; at + kRecordLength <= masterList.size(); at += kRecordLength)
        handles.push_back(HandleFromText(masterList.substr(at, kKeyDigits)));
    return handles;
}

}  // namespace hw
