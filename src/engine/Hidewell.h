#pragma once
// The main window `Hidewell` as the tray engine sees it: the shared state of hidden
// windows, tray slots and icons, and the handlers that run on its events.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "engine/clsTrayIcon.h"
#include "platform/Desktop.h"
#include "platform/Forms.h"
#include "platform/NotifyArea.h"
#include "platform/Ui.h"

namespace hw {

// What the engine needs of the platform.
struct Platform {
    Desktop& desktop;
    NotifyArea& tray;
    Ui& ui;
    Forms& forms;
};

// An item of Hidewell's own menu that stands for a hidden window.
struct LineerItem {
    Text Caption;  // the window's caption when it was hidden
    Text Tag;      // the window handle as decimal text
};

inline const Text kOwnTip = Text(u"Hidewell") + u'\0';
inline const Text kNoEntriesMessage =
    u"Hidewell needs at least one Program Title to allow Minimizing to the System Tray";

class Hidewell {
public:
    explicit Hidewell(Platform& platform);
    Hidewell(const Hidewell&) = delete;
    Hidewell& operator=(const Hidewell&) = delete;

    // Start-up: runs once when the main window has been created.
    void Form_Load();
    // Mouse message of the own icon (the low word of the callback's lParam).
    void PicHook0_MouseMove(int message);
    // The taskbar was re-created: every icon that was shown is added again.
    void TaskbarCreated();

    // The application entries: title patterns and, beside them, icon references.
    std::vector<Text> ApplicationsList;
    std::vector<Text> EntryIcons;

    // Hidden windows: the slot counter (`mnuBar` Tag), one `Lineer` item per slot
    // (item 0 is the placeholder), and the master list of window keys.
    Text SlotCounter = u"0";
    std::map<int, LineerItem> Lineer;
    Text MasterList;

    std::int16_t IconCount = 0;
    std::int16_t PrevCount = 0;
    std::int16_t CurrentSlot = 0;
    bool OperationBusy = false;
    bool MasterBusy = false;

    clsTrayIcon OwnTray;

private:
    Platform& p_;
};

}  // namespace hw
