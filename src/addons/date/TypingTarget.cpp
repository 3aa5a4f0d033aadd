#include "addons/date/TypingTarget.h"

namespace hw {

namespace {
constexpr int kTitleBuffer = 256;

bool HoldsToFile(Text title) {
    for (char16_t& c : title)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return title.find(u"TO FILE") != Text::npos;
}

bool TakesTyping(Desktop& desktop, WindowHandle h, const std::function<bool(WindowHandle)>& excluded) {
    if (!(desktop.GetStyle(h) & kWindowVisible) || desktop.IsIconic(h)) return false;
    if (desktop.GetExStyle(h) & (kWsExToolWindow | kWsExNoActivate)) return false;
    Text title = desktop.GetText(h, kTitleBuffer);
    if (title.empty()) return false;
    if (desktop.ParentOrOwner(h) && !HoldsToFile(title)) return false;
    if (excluded && excluded(h)) return false;
    return !desktop.IsCloaked(h);
}
}  // namespace

WindowHandle ChooseTypingTarget(Desktop& desktop, const std::function<bool(WindowHandle)>& excluded) {
    WindowHandle front = desktop.Foreground();
    if (front && TakesTyping(desktop, front, excluded)) return front;
    for (WindowHandle h = desktop.FirstTopLevel(); h; h = desktop.NextWindow(h))
        if (TakesTyping(desktop, h, excluded)) return h;
    return {};
}

}  // namespace hw
