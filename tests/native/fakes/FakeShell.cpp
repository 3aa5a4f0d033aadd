#include "fakes/FakeShell.h"

#include <algorithm>

namespace hw::test {

bool FakeNotifyArea::Notify(NotifyAction action, const NotifyIconRecord& record) {
    auto it = std::find_if(icons.begin(), icons.end(), [&](auto& r) { return r.hWnd == record.hWnd; });
    if (action == kNimSetVersion) return !oldShell && it != icons.end();
    calls.push_back({action, record});
    switch (action) {
    case kNimAdd:
        if (refuseAdds || it != icons.end()) return false;
        icons.push_back(record);
        return true;
    case kNimModify:
        if (it == icons.end()) return false;
        if (record.uFlags & kNifIcon) it->hIcon = record.hIcon;
        if (record.uFlags & kNifTip) it->szTip = record.szTip;
        if (record.uFlags & kNifInfo) balloons.push_back(record.szInfoTitle + u"|" + record.szInfo);
        return true;
    case kNimDelete:
        if (it == icons.end()) return false;
        icons.erase(it);
        return true;
    case kNimSetVersion: break;
    }
    return false;
}

Text FakeNotifyArea::ShownTip(const NotifyIconRecord& r) { return r.szTip.substr(0, r.szTip.find(u'\0')); }

const NotifyIconRecord* FakeNotifyArea::Find(WindowHandle receiver) const {
    auto it = std::find_if(icons.begin(), icons.end(), [&](auto& r) { return r.hWnd == receiver; });
    return it == icons.end() ? nullptr : &*it;
}

WindowHandle FakeHost::CreateReceiver(int slot) {
    if (failReceivers) return {};
    receivers.insert(slot);
    return ReceiverOf(slot);
}

}  // namespace hw::test
