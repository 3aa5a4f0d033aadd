#pragma once
// What the user is told on a tray icon without asking: the windows Hidewell cannot hide (each
// once), and where Windows puts the icons of hidden windows (once per user).
#include <map>

#include "engine/LedgerIcons.h"

namespace hw {

inline Text CannotHideMessage(const Text& caption) {
    return u"Hidewell cannot hide " + caption + u": it runs with higher rights.";
}
// The frame of a Store app: hiding it leaves a dead taskbar button and a black Alt-Tab entry.
inline const Text kStoreAppFrameClass = u"ApplicationFrameWindow";
inline Text StoreAppMessage(const Text& caption) {
    return u"Hidewell cannot hide " + caption + u": it is a Store app, which Windows does not let other programs hide.";
}
inline Text RefusedHideMessage(const Text& caption) {
    return u"Hidewell cannot hide " + caption + u": Windows refused the request.";
}
// Said once, the first time a window is hidden where new icons go out of sight.
inline const Text kOverflowTipValue = u"OverflowTipShown";
inline const Text kOverflowTip =
    u"Windows puts new notification icons behind the ^ button. To keep the icons of hidden windows in sight, "
    u"drag them onto the taskbar, or turn them on in Settings > Personalization > Taskbar. Hidewell's menu and task "
    u"list also reach every hidden window.";

class IconNotices {
public:
    IconNotices(Platform& platform, LedgerIcons& icons) : platform_(platform), icons_(icons) {}

    // Tells the user once that the window cannot be hidden, and leaves it alone until it is gone.
    void Refuse(WindowHandle h, const Text& message);
    bool Refused(WindowHandle h) const { return refused_.count(h) != 0; }
    // Shows the refusals not told yet; those that cannot be shown now are told at a later tick.
    void TellRefusals();
    // A window that refused to go is left alone until it is gone (a new window with its
    // handle is another window).
    void ForgetGone();
    // Tells once per user, on the icon, where Windows 11 puts the icons of hidden windows.
    void TellAboutOverflowOnce(TrayIcon& icon);

private:
    Platform& platform_;
    LedgerIcons& icons_;
    // Windows that cannot be hidden, with the notice not yet shown (empty once told).
    std::map<WindowHandle, Text> refused_;
    bool overflowTold_ = false;
};

}  // namespace hw
