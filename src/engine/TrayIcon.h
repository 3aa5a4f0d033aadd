#pragma once
// One icon in the notification area: its shell record, and adding, changing and removing it.
#include <cstddef>
#include <optional>

#include "platform/NotifyArea.h"

namespace hw {

// A mouse action on a tray icon, decoded from the callback's mouse message number.
enum class TrayEvent { LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp, RightDoubleClick };

// Nothing for a message that is no click (a mouse move, for instance).
std::optional<TrayEvent> DecodeTrayMessage(int message);

class TrayIcon {
public:
    // The shell's tip field: 64 characters, shown up to the first NUL.
    static constexpr std::size_t kTipLength = 64;

    explicit TrayIcon(NotifyArea& shell);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetIcon(IconHandle icon);
    void SetReceiver(WindowHandle receiver);
    // The tip is kept as the shell's field: cut after 64 characters, padded with blanks.
    void SetTip(const Text& tip);
    const Text& Tip() const { return record_.szTip; }

    // Adds the icon, or updates it when it is shown. False when there is nothing to show or
    // the shell refused (the icon still counts as shown after a refused add, so that Remove
    // and Readd see it).
    bool Show();
    void Remove();
    // Adds the icon again after the taskbar was re-created, if it is shown.
    void Readd();
    bool Shown() const { return shown_; }

private:
    NotifyArea& shell_;
    NotifyIconRecord record_;
    bool shown_ = false;
};

}  // namespace hw
