#pragma once
// The command inbox of the main window over WM_COPYDATA (format in common/CommandInbox.h).
// A sender waits for WM_COPYDATA to return, while restoring or closing a window lets events
// run and may show a message box; so those requests are queued and carried out when the main
// window gets kRunMessage, which the inbox posts to it.
#include <windows.h>

#include <deque>

#include "common/CommandInbox.h"
#include "engine/TrayEngine.h"

namespace hw {

class CopyDataInbox {
public:
    static constexpr UINT kRunMessage = WM_APP + 40;
    // Posted to the main window for exit: Hidewell ends as its Exit command does, unasked.
    static constexpr UINT kExitMessage = WM_APP + 41;
    // More waiting requests than this are rejected.
    static constexpr std::size_t kMaxQueued = 64;

    // WM_COPYDATA of the main window (the open door) or of the trusted inbox: an InboxAnswer.
    LRESULT Receive(TrayEngine& engine, HWND mainWindow, InboxDoor door, WPARAM wParam, const COPYDATASTRUCT* data);
    // kRunMessage: carries out the queued requests, one at a time.
    void RunQueued(TrayEngine& engine);

private:
    std::deque<InboxRequest> queue_;
    bool running_ = false;
};

}  // namespace hw
