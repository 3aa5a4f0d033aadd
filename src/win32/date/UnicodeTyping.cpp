#include "win32/date/UnicodeTyping.h"

#include <windows.h>

#include <vector>

namespace hw {

TypingResult SendUnicodeText(const Text& text) {
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
    if (inputs.empty()) return {};
    SetLastError(0);
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent == inputs.size()) return {};
    return TypingResult{TypingOutcome::InputBlocked, GetLastError()};
}

}  // namespace hw
