#pragma once
// The command inbox of the main window over WM_COPYDATA (format in common/CommandInbox.h):
// each verb of common/Verbs.h carried out. Those that run before the answer are carried out
// while the sender waits, so its answer says what happened; exit is posted to the main window
// and runs after the sender's call returned.
#include <windows.h>

#include "common/CommandInbox.h"
#include "engine/TrayEngine.h"

namespace hw {

class CopyDataInbox {
public:
    // Posted to the main window for exit: Hidewell ends as its Exit command does, unasked.
    static constexpr UINT kExitMessage = WM_APP + 41;

    // WM_COPYDATA of the main window (the open door) or of the trusted inbox: an InboxAnswer.
    LRESULT Receive(TrayEngine& engine, HWND mainWindow, InboxDoor door, WPARAM wParam, const COPYDATASTRUCT* data);
};

}  // namespace hw
