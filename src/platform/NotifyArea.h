#pragma once
// The notification area (tray) of the taskbar.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

// kNimSetVersion asks for the newest behaviour: keyboard selection and menu requests reported.
enum NotifyAction : int { kNimAdd = 0, kNimModify = 1, kNimDelete = 2, kNimSetVersion = 4 };
enum NotifyFlags : std::uint32_t { kNifMessage = 1, kNifIcon = 2, kNifTip = 4, kNifInfo = 0x10 };
// The balloon's icon.
constexpr std::uint32_t kNiifWarning = 2;
// The message every tray icon's receiver gets from the shell: one of the application's own
// (WM_APP + 0x100), clear of the numbers the system sends.
constexpr std::uint32_t kTrayCallbackMessage = 0x8000 + 0x100;

// One icon's record as handed to the shell: the window that receives its mouse messages and
// the icon's number there, which fields a call changes (NotifyFlags), the message the receiver
// gets, the picture and the tip.
struct NotifyIconRecord {
    WindowHandle receiver;
    std::uint32_t id = 1;
    std::uint32_t changes = kNifMessage | kNifIcon | kNifTip;
    std::uint32_t callbackMessage = kTrayCallbackMessage;
    IconHandle icon;
    Text tip;  // up to 64 characters; the shell shows it up to the first NUL
    // A balloon (with kNifInfo): its text, title and icon (kNiifWarning).
    Text balloonText;
    Text balloonTitle;
    std::uint32_t balloonIcon = 0;
    // A balloon the user did not ask for: the shell holds it back while the user does not
    // want to be disturbed.
    bool respectQuietTime = false;
};

class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    virtual bool Notify(NotifyAction action, const NotifyIconRecord& record) = 0;
};

}  // namespace hw
