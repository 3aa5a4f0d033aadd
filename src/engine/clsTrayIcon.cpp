#include "engine/clsTrayIcon.h"

#include <algorithm>

namespace hw {

clsTrayIcon::clsTrayIcon(NotifyArea& shell) : shell_(shell) {
    record_.uFlags = kNifMessage | kNifIcon | kNifTip;
    TrayToolTip(u"Hello World");
    record_.uFlags = kNifMessage | kNifIcon | kNifTip;
}

clsTrayIcon::~clsTrayIcon() {
    if (shown_) RemoveIcon();
}

void clsTrayIcon::IconToShow(IconHandle icon) {
    record_.hIcon = icon;
    record_.uFlags = kNifIcon;
    if (shown_) ShowIcon();
}

void clsTrayIcon::ObjectToReceiveEvent(WindowHandle receiver) { record_.hWnd = receiver; }

void clsTrayIcon::TrayToolTip(const Text& message) {
    record_.uFlags = kNifTip;
    Text field(kTipLength, u' ');
    std::copy_n(message.begin(), std::min(message.size(), kTipLength), field.begin());
    record_.szTip = std::move(field);
    if (shown_) ShowIcon();
}

bool clsTrayIcon::ShowIcon() {
    if (record_.hWnd == 0 || record_.hIcon == 0) return false;
    if (shown_) return shell_.Notify(kNimModify, record_);
    record_.uFlags = kNifMessage | kNifIcon | kNifTip;
    shown_ = true;
    return shell_.Notify(kNimAdd, record_);
}

void clsTrayIcon::RemoveIcon() {
    shown_ = false;
    shell_.Notify(kNimDelete, record_);
}

void clsTrayIcon::Readd() {
    if (!shown_) return;
    shown_ = false;
    ShowIcon();
}

std::int16_t clsTrayIcon::TrayEvent(int message) {
    return Dispatch(message, [](std::int16_t) {});
}

std::int16_t clsTrayIcon::Decode(int message) {
    switch (message) {
    case 513: return tiLButDwn();
    case 514: return tiLButUp();
    case 515: return tiLDblClk();
    case 516: return tiRButDwn();
    case 517: return tiRButUp();
    case 518: return tiRDblClk();
    default: return -1;
    }
}

}  // namespace hw
