#pragma once
// What the engine is doing now, which every room asks before it acts: a tick, a window
// operation, a tray icon's event, whether the poll timer runs and whether the user suspended it.
namespace hw {

struct Activity {
    bool inTick = false;
    // Set while a window operation runs; a tick then leaves the hidden windows alone.
    bool operation = false;
    // Set while a tray icon's event is handled; a nested event does nothing.
    bool iconEvent = false;
    bool polling = false;  // the poll timer runs
    bool suspended = false;

    // A tick or a window operation runs: a request that came in the middle of it (while
    // Hidewell waits on another program) must not change the ledger.
    bool Busy() const { return inTick || operation; }
};

}  // namespace hw
