#include "fakes/FakeShell.h"

#include <algorithm>

namespace hw::test {

bool FakeNotifyArea::Notify(NotifyAction action, const NotifyIconRecord& record) {
    auto it = std::find_if(icons.begin(), icons.end(), [&](auto& r) { return r.receiver == record.receiver; });
    if (action == kNimSetVersion) return !oldShell && it != icons.end();
    calls.push_back({action, record});
    switch (action) {
    case kNimAdd:
        if (refuseAdds || it != icons.end()) return false;
        icons.push_back(record);
        return true;
    case kNimModify:
        if (it == icons.end()) return false;
        if (record.changes & kNifIcon) it->icon = record.icon;
        if (record.changes & kNifTip) it->tip = record.tip;
        if (record.changes & kNifInfo) balloons.push_back(record.balloonTitle + u"|" + record.balloonText);
        return true;
    case kNimDelete:
        if (it == icons.end()) return false;
        icons.erase(it);
        return true;
    case kNimSetVersion: break;
    }
    return false;
}

Text FakeNotifyArea::ShownTip(const NotifyIconRecord& r) { return r.tip.substr(0, r.tip.find(u'\0')); }

const NotifyIconRecord* FakeNotifyArea::Find(WindowHandle receiver) const {
    auto it = std::find_if(icons.begin(), icons.end(), [&](auto& r) { return r.receiver == receiver; });
    return it == icons.end() ? nullptr : &*it;
}

WindowHandle FakeHost::CreateReceiver(int slot) {
    if (failReceivers) return {};
    receivers.insert(slot);
    return ReceiverOf(slot);
}

}  // namespace hw::test
