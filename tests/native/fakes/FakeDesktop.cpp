#include "fakes/FakeDesktop.h"

#include <algorithm>

namespace hw::test {

WindowHandle FakeDesktop::Add(const Text& caption, bool iconic, WindowHandle owner) {
    next_ += 0x12;
    WindowHandle h = next_;
    AddWithHandle(h, caption, iconic);
    windows_[h].owner = owner;
    return h;
}

WindowHandle FakeDesktop::AddWithHandle(WindowHandle h, const Text& caption, bool iconic) {
    FakeWindow w;
    w.caption = caption;
    w.iconic = iconic;
    windows_[h] = w;
    zOrder_.insert(zOrder_.begin(), h);
    return h;
}

void FakeDesktop::Close(WindowHandle h) {
    windows_.erase(h);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), h), zOrder_.end());
}

WindowHandle FakeDesktop::FirstTopLevel() { return zOrder_.empty() ? 0 : zOrder_.front(); }

WindowHandle FakeDesktop::NextWindow(WindowHandle h) {
    // A walk asks for the window after the one it got last: look there first.
    if (walkAt_ >= zOrder_.size() || zOrder_[walkAt_] != h)
        walkAt_ = static_cast<std::size_t>(std::find(zOrder_.begin(), zOrder_.end(), h) - zOrder_.begin());
    if (walkAt_ + 1 >= zOrder_.size()) return 0;
    return zOrder_[++walkAt_];
}

bool FakeDesktop::IsIconic(WindowHandle h) {
    auto it = windows_.find(h);
    return it != windows_.end() && it->second.iconic;
}

Text FakeDesktop::GetText(WindowHandle h, int maxCount) {
    auto it = windows_.find(h);
    if (it == windows_.end() || maxCount <= 0) return {};
    return it->second.caption.substr(0, static_cast<size_t>(maxCount - 1));
}

WindowHandle FakeDesktop::ParentOrOwner(WindowHandle h) {
    auto it = windows_.find(h);
    return it == windows_.end() ? 0 : it->second.owner;
}

std::uint32_t FakeDesktop::GetStyle(WindowHandle h) {
    auto it = windows_.find(h);
    if (it == windows_.end()) return 0;
    return it->second.visible ? it->second.style : it->second.style & ~kWindowVisible;
}

bool FakeDesktop::ShowWindow(WindowHandle h, int command) {
    shows.emplace_back(h, command);
    auto it = windows_.find(h);
    if (it == windows_.end()) return false;
    FakeWindow& w = it->second;
    switch (command) {
    case kSwHide: w.visible = w.visible && w.refusesHide; break;
    case kSwShow:
    case kSwShowNa: w.visible = true; break;
    case kSwRestore: w.visible = true; w.iconic = false; break;
    default: break;
    }
    if (onShow) onShow(h, command);
    return true;
}

bool FakeDesktop::SetForeground(WindowHandle h) {
    if (!Exists(h) || !foregroundRight) return false;
    foreground = h;
    foregroundRight = false;
    return true;
}

bool FakeDesktop::SendTimeout(WindowHandle h, std::uint32_t msg, std::uint64_t wParam, std::int64_t) {
    sent.push_back({h, msg, wParam});
    auto it = windows_.find(h);
    if (it == windows_.end() || it->second.hung) return false;
    FakeWindow& w = it->second;
    if (msg == kWmSysCommand) {
        if (wParam == kScRestore) { w.iconic = false; w.visible = true; }
        if (wParam == 0xF020) w.iconic = true;            // SC_MINIMIZE
        if (wParam == 0xF030) { w.iconic = false; w.visible = true; }  // SC_MAXIMIZE
        if (wParam == 0xF060) msg = kWmClose;             // SC_CLOSE
    }
    bool closes = msg == kWmClose && !w.refusesClose;
    if (onMessage) onMessage(h, msg, wParam);
    if (closes) Close(h);
    return true;
}

}  // namespace hw::test
