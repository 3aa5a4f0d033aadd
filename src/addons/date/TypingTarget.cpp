#include "addons/date/TypingTarget.h"

namespace hw {

namespace {
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr int kTitleBuffer = 256;

bool HoldsToFile(Text title) {
    for (char16_t& c : title)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return title.find(u"TO FILE") != Text::npos;
}
}  // namespace

WindowHandle ChooseTypingTarget(Desktop& desktop, const std::function<bool(WindowHandle)>& excluded) {
    for (WindowHandle h = desktop.FirstTopLevel(); h != 0; h = desktop.NextWindow(h)) {
        if (!(desktop.GetStyle(h) & kWsVisible) || desktop.IsIconic(h)) continue;
        Text title = desktop.GetText(h, kTitleBuffer);
        if (title.empty()) continue;
        if (desktop.ParentOrOwner(h) != 0 && !HoldsToFile(title)) continue;
        if (excluded && excluded(h)) continue;
        return h;
    }
    return 0;
}

}  // namespace hw
