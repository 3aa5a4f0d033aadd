#include "win32/date/ForegroundTyping.h"

#include <utility>

#include "win32/base/HandleCast.h"
#include "win32/date/UnicodeTyping.h"

namespace hw {

namespace {
constexpr UINT kCheckMs = 10;
}

ForegroundTyping::~ForegroundTyping() {
    if (target_) KillTimer(timerWindow_, kTimerId);
}

void ForegroundTyping::Start(HWND timerWindow, HWND target, Text text) {
    if (target_) KillTimer(timerWindow_, kTimerId);
    timerWindow_ = timerWindow;
    target_ = target;
    text_ = std::move(text);
    deadline_ = GetTickCount64() + kWaitMs;
    if (!IsWindow(target)) return Finish({TypingOutcome::NotInFront, ERROR_INVALID_WINDOW_HANDLE});
    SetForegroundWindow(target);
    // The switch completes in the target's thread: no key goes out before it has.
    if (GetForegroundWindow() == target) return Finish(SendUnicodeText(text_));
    if (!SetTimer(timerWindow_, kTimerId, kCheckMs, nullptr)) Finish({TypingOutcome::NotInFront, GetLastError()});
}

void ForegroundTyping::OnTimer() {
    if (!target_) return;
    if (GetForegroundWindow() == target_) return Finish(SendUnicodeText(text_));
    if (!IsWindow(target_) || GetTickCount64() >= deadline_) Finish({TypingOutcome::NotInFront, 0});
}

void ForegroundTyping::Finish(const TypingResult& result) {
    KillTimer(timerWindow_, kTimerId);
    HWND target = std::exchange(target_, nullptr);
    text_.clear();
    if (done_) done_(FromWin32(target), result);
}

}  // namespace hw
