#pragma once
// How the menus, the task list and the command line see and act on the ledger of hidden
// windows, without holding any of its records.
#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace hw {

// A record's number in the ledger: never given to another record in one run.
using RecordId = std::uint64_t;

// What a popup, a menu item or a task-list row carries: the window it was built for and the
// ledger's record of it. A command for a record that has gone, or whose window is not the
// one it names, does nothing.
struct WindowRef {
    RecordId record = 0;
    WindowHandle window;
    bool operator==(const WindowRef&) const = default;
};

// Why a window is hidden: an entry's rule, or the user's hand (hotkey, command line).
enum class HideKind { Rule, Manual };

// What the menus, the task list and the command line show of a record.
struct HiddenWindowView {
    int slot = 0;
    WindowRef ref;
    Text caption;
    HideKind kind = HideKind::Rule;
    // Asked to hide, but its program has not done it yet.
    bool pending = false;
    // Its program's file name and its window class.
    Text program;
    Text className;
};

// What can be done to a window in the ledger: one way each, for the popups, the own menu,
// the task list and the command line. False when the record has gone.
class HiddenWindowActions {
public:
    virtual ~HiddenWindowActions() = default;
    virtual std::vector<HiddenWindowView> HiddenWindows() const = 0;
    virtual bool Restore(const WindowRef& ref) = 0;
    virtual bool Close(const WindowRef& ref) = 0;
};

}  // namespace hw
