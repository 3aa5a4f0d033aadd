#pragma once
// One icon in the notification area: its shell record, and adding, changing and removing it.
#include <cstddef>
#include <optional>

#include "platform/NotifyArea.h"

namespace hw {

// An action on a tray icon, decoded from the callback's message number: a mouse button, or
// what a shell that knows the icon's version reports besides: a selection by click (Select)
// or by keyboard (KeySelect), and a request for the icon's menu by mouse or keyboard.
enum class TrayEvent {
    LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp, RightDoubleClick, Select, KeySelect, ContextMenu
};

// Nothing for a message that is no action (a mouse move, for instance).
std::optional<TrayEvent> DecodeTrayMessage(int message);

class TrayIcon;
// Whether the event asks for the icon's menu: the shell's context-menu request, or a right
// click where the shell sends no such request.
bool OpensMenu(TrayEvent event, const TrayIcon& icon);

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
    const Text& Tip() const { return record_.tip; }

    // Adds the icon, or updates it when it is shown. False when there is nothing to show or
    // the shell refused (the icon still counts as shown after a refused add, so that Remove
    // and Readd see it).
    bool Show();
    void Remove();
    // A balloon beside the icon, a notice the user did not ask for (so it respects quiet
    // time); false when the icon is not shown or the shell refused.
    bool ShowBalloon(const Text& title, const Text& text);
    // Adds the icon again after the taskbar was re-created, if it is shown.
    void Readd();
    // Adds again an icon the shell refused (not ready yet); false while it still refuses.
    bool RetryAdd();
    // Whether the shell still has an icon it took: it refuses a change to one it has lost
    // (Explorer restarted without telling).
    bool StillThere();
    bool Shown() const { return shown_; }
    // Shown and taken by the shell, as far as Hidewell knows: the user can reach it.
    bool Present() const { return shown_ && added_; }
    // The shell took the icon's version: it reports keyboard selection and menu requests.
    bool ReportsKeys() const { return reportsKeys_; }

private:
    NotifyArea& shell_;
    NotifyIconRecord record_;
    bool shown_ = false;
    bool added_ = false;  // the shell took the last add
    bool reportsKeys_ = false;
};

}  // namespace hw
