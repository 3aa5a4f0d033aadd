#include "engine/TrayIcon.h"

#include <algorithm>

namespace hw {

std::optional<TrayEvent> DecodeTrayMessage(int message) {
    switch (message) {
    case 0x201: return TrayEvent::LeftDown;
    case 0x202: return TrayEvent::LeftUp;
    case 0x203: return TrayEvent::LeftDoubleClick;
    case 0x204: return TrayEvent::RightDown;
    case 0x205: return TrayEvent::RightUp;
    case 0x206: return TrayEvent::RightDoubleClick;
    case 0x400: return TrayEvent::Select;
    case 0x401: return TrayEvent::KeySelect;
    case 0x7B: return TrayEvent::ContextMenu;
    default: return std::nullopt;
    }
}

bool OpensMenu(TrayEvent event, const TrayIcon& icon) {
    return event == TrayEvent::ContextMenu || (event == TrayEvent::RightUp && !icon.ReportsKeys());
}

TrayIcon::TrayIcon(NotifyArea& shell) : shell_(shell) { record_.tip.assign(kTipLength, u' '); }

TrayIcon::~TrayIcon() {
    if (shown_) Remove();
}

void TrayIcon::SetIcon(IconHandle icon) {
    if (shown_ && record_.icon == icon) return;  // the shell is not asked for nothing
    record_.icon = icon;
    record_.changes = kNifIcon;
    if (shown_) Show();
}

void TrayIcon::SetReceiver(WindowHandle receiver) { record_.receiver = receiver; }

void TrayIcon::SetTip(const Text& tip) {
    Text field(kTipLength, u' ');
    std::copy_n(tip.begin(), std::min(tip.size(), kTipLength), field.begin());
    if (shown_ && field == record_.tip) return;
    record_.changes = kNifTip;
    record_.tip = std::move(field);
    if (shown_) Show();
}

bool TrayIcon::Show() {
    if (!record_.receiver || !record_.icon) return false;
    if (shown_) return shell_.Notify(kNimModify, record_);
    record_.changes = kNifMessage | kNifIcon | kNifTip;
    shown_ = true;
    added_ = shell_.Notify(kNimAdd, record_);
    reportsKeys_ = added_ && shell_.Notify(kNimSetVersion, record_);
    return added_;
}

void TrayIcon::Remove() {
    shown_ = added_ = false;
    shell_.Notify(kNimDelete, record_);
}

bool TrayIcon::ShowBalloon(const Text& title, const Text& text) {
    if (!shown_) return false;
    NotifyIconRecord balloon = record_;
    balloon.changes = kNifInfo;
    balloon.balloonText = text;
    balloon.balloonTitle = title;
    balloon.balloonIcon = kNiifWarning;
    balloon.respectQuietTime = true;
    return shell_.Notify(kNimModify, balloon);
}

void TrayIcon::Readd() {
    if (!shown_) return;
    // An icon the shell still has (TaskbarCreated also comes on a change of DPI) is only
    // brought up to date.
    record_.changes = kNifMessage | kNifIcon | kNifTip;
    if (added_ && shell_.Notify(kNimModify, record_)) return;
    shown_ = false;
    Show();
}

bool TrayIcon::RetryAdd() {
    if (!shown_ || added_) return true;
    Readd();
    return added_;
}

bool TrayIcon::StillThere() {
    if (!shown_ || !added_) return true;
    NotifyIconRecord probe = record_;
    probe.changes = kNifMessage;  // changes nothing
    if (shell_.Notify(kNimModify, probe)) return true;
    added_ = false;
    return false;
}

}  // namespace hw
