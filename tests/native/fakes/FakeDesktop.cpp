#include "fakes/FakeDesktop.h"

#include <algorithm>

namespace hw::test {

namespace {
constexpr std::uint32_t kScMinimize = 0xF020, kScMaximize = 0xF030, kScClose = 0xF060;
}  // namespace

WindowHandle FakeDesktop::Add(const Text& caption, bool iconic, WindowHandle owner) {
    next_ += 0x12;
    WindowHandle h{next_};
    AddWithHandle(h, caption, iconic);
    windows_[h].owner = owner;
    return h;
}

WindowHandle FakeDesktop::AddWithHandle(WindowHandle h, const Text& caption, bool iconic) {
    FakeWindow w;
    w.caption = caption;
    w.iconic = iconic;
    w.processId = ++nextProcess_;
    windows_[h] = w;
    zOrder_.insert(zOrder_.begin(), h);
    return h;
}

ProcessFacts FakeDesktop::Process(std::uint32_t processId) {
    ++programLookups;
    for (const auto& [h, w] : windows_)
        if (w.processId == processId) return {w.program, w.elevated, u"C:\\Apps\\" + w.program};
    return {};
}

void FakeDesktop::Close(WindowHandle h) {
    windows_.erase(h);
    queues_.erase(h);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), h), zOrder_.end());
}

void FakeDesktop::Reuse(WindowHandle h, const Text& caption, bool iconic) {
    Close(h);
    AddWithHandle(h, caption, iconic);
    windows_[h].processId = ++nextProcess_;
}

void FakeDesktop::Advance(int ms) {
    nowMs_ += ms;
    for (WindowHandle h : Windows()) {
        auto q = queues_.find(h);
        while (q != queues_.end() && !q->second.empty() && Exists(h) && Pumps(windows_.at(h)) &&
               q->second.front().dueMs <= nowMs_) {
            Request r = q->second.front();
            q->second.pop_front();
            if (r.isShow)
                ApplyShow(h, r.command);
            else if (!Deliver(h, r.msg, r.wParam))
                break;
            q = queues_.find(h);
        }
    }
}

bool FakeDesktop::VisibleInTheEnd(WindowHandle h) const {
    auto w = windows_.find(h);
    if (w == windows_.end()) return false;
    bool visible = w->second.visible;
    if (auto q = queues_.find(h); q != queues_.end())
        for (const Request& r : q->second) {
            if (!r.isShow) continue;
            if (r.command == kSwHide) visible = false;
            if (r.command == kSwShow || r.command == kSwShowNa || r.command == kSwRestore ||
                r.command == kSwShowNoActivate)
                visible = true;
        }
    return visible;
}

bool FakeDesktop::HasPendingRequests(WindowHandle h) const {
    auto q = queues_.find(h);
    return q != queues_.end() && !q->second.empty();
}

WindowHandle FakeDesktop::FirstTopLevel() { return zOrder_.empty() ? CrowdWindow(0) : zOrder_.front(); }

WindowHandle FakeDesktop::NextWindow(WindowHandle h) {
    if (InCrowd(h)) return CrowdWindow(static_cast<int>(h.Value() - kCrowdBase) + 1);
    if (!zOrder_.empty() && h == zOrder_.back()) return CrowdWindow(0);
    // A walk asks for the window after the one it got last: look there first.
    if (walkAt_ >= zOrder_.size() || zOrder_[walkAt_] != h)
        walkAt_ = static_cast<std::size_t>(std::find(zOrder_.begin(), zOrder_.end(), h) - zOrder_.begin());
    if (walkAt_ + 1 >= zOrder_.size()) return {};
    return zOrder_[++walkAt_];
}

bool FakeDesktop::IsIconic(WindowHandle h) {
    if (InCrowd(h)) return true;
    auto it = windows_.find(h);
    return it != windows_.end() && it->second.iconic;
}

Text FakeDesktop::GetText(WindowHandle h, int maxCount) {
    if (InCrowd(h)) return u"x";
    auto it = windows_.find(h);
    if (it == windows_.end() || maxCount <= 0) return {};
    return it->second.caption.substr(0, static_cast<size_t>(maxCount - 1));
}

WindowHandle FakeDesktop::ParentOrOwner(WindowHandle h) {
    auto it = windows_.find(h);
    return it == windows_.end() ? WindowHandle{} : it->second.owner;
}

std::uint32_t FakeDesktop::GetStyle(WindowHandle h) {
    auto it = windows_.find(h);
    if (it == windows_.end()) return 0;
    return it->second.visible ? it->second.style : it->second.style & ~kWindowVisible;
}

ShowRequest FakeDesktop::ShowWindow(WindowHandle h, int command) {
    shows.emplace_back(h, command);
    if (onShow) onShow(h, command);
    auto it = windows_.find(h);
    if (it == windows_.end()) return {};
    FakeWindow& w = it->second;
    ShowRequest result{true};
    const bool shows = command == kSwShow || command == kSwShowNa || command == kSwRestore;
    if (w.elevated || (command == kSwHide && w.refusesHide) || (shows && w.refusesShow)) return {false};
    if (w.own)
        ApplyShow(h, command);
    else
        queues_[h].push_back({nowMs_ + w.pumpDelayMs, true, command, 0, 0});
    return result;
}

void FakeDesktop::ApplyShow(WindowHandle h, int command) {
    FakeWindow& w = windows_.at(h);
    switch (command) {
    case kSwHide: w.visible = false; break;
    case kSwShow:
    case kSwShowNa: w.visible = true; break;
    case kSwRestore:
    case kSwShowNoActivate: w.visible = true; w.iconic = false; break;
    case kSwMinimize: w.iconic = true; break;
    default: break;
    }
}

bool FakeDesktop::SetForeground(WindowHandle h) {
    if (!Exists(h) || !foregroundRight) return false;
    foreground = h;
    foregroundRight = false;
    return true;
}

bool FakeDesktop::Deliver(WindowHandle h, std::uint32_t msg, std::uint64_t wParam) {
    FakeWindow& w = windows_.at(h);
    if (msg == kWmSysCommand) {
        if (wParam == kScRestore) { w.iconic = false; w.visible = true; }
        if (wParam == kScMinimize) w.iconic = true;
        if (wParam == kScMaximize) { w.iconic = false; w.visible = true; }
        if (wParam == kScClose) msg = kWmClose;
    }
    bool closes = msg == kWmClose && !w.refusesClose;
    if (onMessage) onMessage(h, msg, wParam);
    if (closes) Close(h);
    return !closes;
}

bool FakeDesktop::SendTimeout(WindowHandle h, std::uint32_t msg, std::uint64_t wParam, std::int64_t) {
    sent.push_back({h, msg, wParam});
    auto it = windows_.find(h);
    if (it == windows_.end()) return false;
    FakeWindow& w = it->second;
    // Sent messages are handled before posted ones, but only by a thread that pumps now;
    // otherwise the sender gives up and the program handles it when it gets there.
    if (w.hung || !Pumps(w) || w.pumpDelayMs > 0) {
        if (!w.hung) queues_[h].push_back({nowMs_ + w.pumpDelayMs, false, 0, msg, wParam});
        return false;
    }
    Deliver(h, msg, wParam);
    return true;
}

}  // namespace hw::test
