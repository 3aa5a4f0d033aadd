#include "win32/date/UnicodeTyping.h"

#include <vector>

namespace hw {

namespace {
constexpr DWORD kForegroundWaitMs = 1000;

bool BringToFront(HWND target) {
    if (IsIconic(target)) ShowWindow(target, SW_RESTORE);
    SetForegroundWindow(target);
    // The switch completes in the target's thread: wait for it before any key goes out.
    for (DWORD waited = 0; waited < kForegroundWaitMs; waited += 10) {
        if (GetForegroundWindow() == target) return true;
        Sleep(10);
    }
    return GetForegroundWindow() == target;
}
}  // namespace

bool TypeIntoWindow(HWND target, const Text& text) {
    if (!IsWindow(target) || !BringToFront(target)) return false;
    std::vector<INPUT> inputs;
    inputs.reserve(text.size() * 2);
    for (char16_t c : text) {
        for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = static_cast<WORD>(c);
            in.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(in);
        }
    }
    if (inputs.empty()) return true;
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

}  // namespace hw
