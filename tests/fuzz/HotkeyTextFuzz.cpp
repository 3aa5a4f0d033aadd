// Hotkey text from the settings: any text reads without harm, into a hotkey or a reason; what
// is read writes back canonically and reads again the same; every hotkey reads back from its
// text.
#include "FuzzInput.h"
#include "settings/HotkeyClash.h"
#include "settings/HotkeyText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    hw::Hotkey written{static_cast<std::uint8_t>(in.Byte() & hw::kHotkeyModifierMask), in.Byte()};
    if (written.key == 0xFF) written.key = 0;  // no virtual key has that code
    if (written.IsNone()) written.modifiers = 0;
    Check(hw::ReadHotkey(hw::HotkeyText(written)).hotkey == written);

    const hw::HotkeyReading r = hw::ReadHotkey(in.Chars(200));
    Check(r.problem.empty() || r.hotkey.IsNone());
    Check(r.problem.size() < 80);
    const hw::Text canonical = hw::HotkeyText(r.hotkey);
    const hw::HotkeyReading again = hw::ReadHotkey(canonical);
    Check(again.hotkey == r.hotkey && again.problem.empty());
    hw::ConflictOf(r.hotkey);
    return 0;
}
