#pragma once
// The ledger's icons in the notification area: Hidewell's own icon, each hidden window's icon
// with its picture, and the date icon's place behind them.
#include "engine/Activity.h"
#include "engine/DateIconSteps.h"
#include "engine/HiddenWindow.h"
#include "engine/Platform.h"
#include "engine/TrayIcon.h"
#include "settings/Settings.h"

namespace hw {

inline const Text kOwnTip = Text(u"Hidewell") + u'\0';
inline const Text kSuspendedTip = Text(u"Hidewell (suspended)") + u'\0';

class LedgerIcons {
public:
    LedgerIcons(Platform& platform, const Settings& settings, Activity& activity, SlotMap& slots);
    LedgerIcons(const LedgerIcons&) = delete;
    LedgerIcons& operator=(const LedgerIcons&) = delete;

    // Puts the own icon up at start; a shell still starting refuses it, and the ticks add it
    // again.
    void ShowOwnIcon();
    TrayIcon& Own() { return ownIcon_; }
    // The own icon's picture and tip follow the hidden windows and Suspend.
    void ShowOwnState();
    // The own icon follows the number of window icons: hidden while there are some, if the
    // user chose so; the date icon goes behind whatever changed.
    void FollowIconCount();
    // After the options changed: the own icon is reconsidered at the next tick, the date
    // icon taken away now or rebuilt.
    void FollowOptions();
    // The own icon comes back at once when it was hidden for icons that are now gone, so that
    // windows without an icon of their own keep a way back.
    void KeepOwnWayBack();

    // A record's icon: added (false when the shell or the receiver failed), taken away with
    // its picture, or only taken off the shell as its record goes.
    bool AddWindowIcon(int slot, HiddenWindow& record);
    void RemoveWindowIcon(int slot, HiddenWindow& record);
    void DropWindowIcon(int slot, HiddenWindow& record);
    // A rule record shows the icon of the entry that takes its window now; false when its
    // new icon could not be added (then it has none).
    bool FollowEntryIcon(int slot, HiddenWindow& record, const Entry& entry);
    // Records that have a tray icon.
    int Count() const;
    // Whether the shell has the own icon or a hidden window's icon, from which the own menu or
    // the task list opens.
    bool Reachable() const;
    // Shows a notice on the own icon or, while that is hidden, on a hidden window's icon;
    // false when none could show it now.
    bool ShowNotice(const Text& text);

    // The taskbar was re-created: every icon that was shown is added again.
    void Readd();
    // Icons the shell refused are added again, and when the shell has lost them all (Explorer
    // restarted without a TaskbarCreated) every icon is added again.
    void Keep();
    // Every icon gets its picture again, drawn at the notification area's size now.
    void Redraw();
    // Takes every icon away as Hidewell ends: its own, the windows', the date icon.
    void RemoveAll();

    // The date icon (none until the program gives one): its steps at a tick, and whether it
    // must be added again behind new window icons.
    void SetDateIcon(DateIconSteps* dateIcon) { dateIcon_ = dateIcon; }
    void TickDate();
    bool DateRebuildRequested() const { return dateRebuildRequested_; }

private:
    void RemoveDateIcon();
    void SetOwnPicture(Picture picture);
    // The picture of a record's icon at the notification area's size: from its entry's icon
    // file, or the window's own; 0 leaves the program icon.
    IconHandle PictureOf(const HiddenWindow& record);

    Platform& platform_;
    const Settings& settings_;
    Activity& activity_;
    SlotMap& slots_;
    TrayIcon ownIcon_;
    DateIconSteps* dateIcon_ = nullptr;
    bool dateRebuildRequested_ = false;
    int lastIconCount_ = 0;  // the icon count the own icon last followed
};

}  // namespace hw
