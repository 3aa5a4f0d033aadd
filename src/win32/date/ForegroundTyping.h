#pragma once
// Types into a window once it has come to the front. The wait runs on a timer of a window of
// ours, so the user-interface thread keeps handling its messages meanwhile.
#include <windows.h>

#include <functional>

#include "addons/date/TypingTarget.h"

namespace hw {

class ForegroundTyping {
public:
    using Done = std::function<void(WindowHandle target, const TypingResult& result)>;
    // The timer's identifier on the window given to Start: its WM_TIMER goes to OnTimer.
    static constexpr UINT_PTR kTimerId = 0x7470;
    static constexpr ULONGLONG kWaitMs = 1000;

    explicit ForegroundTyping(Done done) : done_(std::move(done)) {}
    ~ForegroundTyping();
    ForegroundTyping(const ForegroundTyping&) = delete;
    ForegroundTyping& operator=(const ForegroundTyping&) = delete;

    // Asks for the target to come to the front and types the text when it is there; a typing
    // still waiting is dropped. The outcome goes to done.
    void Start(HWND timerWindow, HWND target, Text text);
    void OnTimer();

private:
    void Finish(const TypingResult& result);

    Done done_;
    HWND timerWindow_ = nullptr;
    HWND target_ = nullptr;
    Text text_;
    ULONGLONG deadline_ = 0;
};

}  // namespace hw
