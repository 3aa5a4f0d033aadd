#pragma once
// The main window `Hidewell` as the tray engine sees it: the entries and options, the
// bookkeeping of hidden windows, tray slots and icons, and the handlers of its events.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "engine/TitleMatch.h"
#include "engine/WindowScan.h"
#include "engine/clsTrayIcon.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Forms.h"
#include "platform/Icons.h"
#include "platform/NotifyArea.h"
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "ui/IconPicture.h"

namespace hw {

// What the engine needs of the platform.
struct Platform {
    Desktop& desktop;
    NotifyArea& tray;
    Ui& ui;
    Forms& forms;
    Registry& registry;
    Icons& icons;
    Clock& clock;
    Text programPath;
};

// An item of Hidewell's own menu that stands for a hidden window.
struct LineerItem {
    Text Caption;  // the window's caption when it was hidden
    Text Tag;      // the window handle as decimal text
};

inline const Text kOwnTip = Text(u"Hidewell") + u'\0';
inline const Text kNoEntriesMessage =
    u"Hidewell needs at least one Program Title to allow Minimizing to the System Tray";
constexpr int kMaxSlots = 30;
constexpr int kFirstTickMs = 2000;

class Hidewell {
public:
    explicit Hidewell(Platform& platform);
    Hidewell(const Hidewell&) = delete;
    Hidewell& operator=(const Hidewell&) = delete;

    // Start-up: runs once when the main window has been created. Returns the stored
    // height of the configuration window in twips.
    int Form_Load();
    // The poll timer's tick: checks hidden windows, hides newly minimised matching ones.
    void Timer1_Timer();
    // Mouse messages of the own icon and of slot index's icon (the low word of lParam).
    void PicHook0_MouseMove(int message);
    void PicHook1_MouseMove(int index, int message);
    // The taskbar was re-created: every icon that was shown is added again.
    void TaskbarCreated();

    // Bookkeeping of hidden windows.
    // False when the entry has an icon but it could not be put in the notification area.
    bool IconInTray(int IconValue, const Text& Title, int MenuID);
    void RemoveFromMaster(const Text& handleText);
    void RefreshAll();
    void RestoreAll();
    std::int16_t GetID(const Text& txtAuto);

    // What can be done to one hidden window.
    void Lineer_Click(int Index);
    void AppIconAction(int Mode);
    void CloseApp(WindowHandle h);
    void mnuSuspend_Click();
    // The command inbox: another program names a hidden window's caption; tag "Close"
    // closes it, anything else restores it.
    void txtAuto_Change(const Text& txtAuto, const Text& tag);
    // `AppTitle` of a slot's popup: its icon's tip up to the NUL, cut to 30 characters, trimmed.
    Text AppTitle(int slot);
    // A mirrored system-menu item was chosen: sends the window of `CurrentSlot` its own
    // command and hides it again if it stays minimised.
    void MirroredCommand(std::uint32_t command);
    // Captions of the hidden windows, in slot order.
    std::vector<Text> HiddenCaptions() const;

    // Ending Hidewell: shows every hidden window again (unless Windows is ending the
    // session) and removes every icon.
    void Quit(bool restoreWindows);

    // The element of `TrayIcons` for a slot, created empty on first use.
    clsTrayIcon& TrayIconAt(int slot);
    WindowHandle SlotWindow(int slot) const;
    int SlotCount() const;

    SettingsModel Settings;
    SettingsStore Store;
    bool mnuSuspend = false;

    // Hidden windows: the slot counter (`mnuBar` Tag), one `Lineer` item per slot
    // (item 0 is the placeholder), and the master list of window keys.
    Text SlotCounter = u"0";
    std::map<int, LineerItem> Lineer;
    Text MasterList;
    ScanLists Scan;

    std::int16_t IconCount = 0;
    std::int16_t PrevCount = 0;
    std::int16_t CurrentSlot = 0;
    bool OperationBusy = false;
    bool MasterBusy = false;
    std::int16_t DateRefresh = 0;
    // The date icon's step of the tick; runs while chkHideDate is unchecked.
    std::function<void()> DateTick;

    clsTrayIcon OwnTray;

private:
    // Slot k: shown again, its record blanked, icon, receiver and item dropped.
    void BringBack(int k, WindowHandle h);
    bool Hide(int i, int j);
    void FailurePath(int errorNumber);
    void SetOwnPicture(Picture picture);
    void CompilePatterns();
    static constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);
    std::size_t FirstMatch(const Text& caption);

    Platform& p_;
    // The entries' title patterns, compiled when the entries change, and the first matching
    // entry of each caption met in this tick and in the one before.
    std::vector<Text> patternSources_;
    std::vector<TitlePattern> patterns_;
    std::unordered_map<Text, std::size_t> firstMatchNow_;
    std::unordered_map<Text, std::size_t> firstMatchBefore_;
    std::map<int, std::unique_ptr<clsTrayIcon>> trayIcons_;
    std::map<int, IconPicture> slotPictures_;  // the icon each slot's tray icon shows
};

}  // namespace hw
