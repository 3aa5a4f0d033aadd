#pragma once
// A global hotkey: modifier keys held with one key, as Windows registers it.
#include <cstdint>

namespace hw {

// Modifier bits, with the values the Windows hotkey API takes.
enum HotkeyModifier : std::uint8_t {
    kHotkeyAlt = 1,
    kHotkeyCtrl = 2,
    kHotkeyShift = 4,
    kHotkeyWin = 8,
};
constexpr std::uint8_t kHotkeyModifierMask = kHotkeyAlt | kHotkeyCtrl | kHotkeyShift | kHotkeyWin;

struct Hotkey {
    std::uint8_t modifiers = 0;  // HotkeyModifier bits
    std::uint8_t key = 0;        // Windows virtual-key code, 1 to 254; 0 for no hotkey
    bool IsNone() const { return key == 0; }
    bool Has(HotkeyModifier m) const { return (modifiers & m) != 0; }
    bool operator==(const Hotkey&) const = default;
};

// The virtual-key codes the hotkey rules name.
namespace vk {
constexpr std::uint8_t kBackspace = 0x08, kTab = 0x09, kEnter = 0x0D, kPause = 0x13, kEsc = 0x1B, kSpace = 0x20;
constexpr std::uint8_t kPgUp = 0x21, kPgDn = 0x22, kEnd = 0x23, kHome = 0x24;
constexpr std::uint8_t kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
constexpr std::uint8_t kPrtSc = 0x2C, kIns = 0x2D, kDel = 0x2E;
constexpr std::uint8_t k0 = 0x30, kA = 0x41, kNum0 = 0x60, kF1 = 0x70;
constexpr std::uint8_t kNumMul = 0x6A, kNumPlus = 0x6B, kNumMinus = 0x6D, kNumDot = 0x6E, kNumDiv = 0x6F;
// Punctuation keys by their place on a US keyboard; Plus, Comma, Minus and Period are the same
// keys on every layout.
constexpr std::uint8_t kSemicolon = 0xBA, kPlus = 0xBB, kComma = 0xBC, kMinus = 0xBD, kPeriod = 0xBE;
constexpr std::uint8_t kSlash = 0xBF, kBacktick = 0xC0, kOpenBracket = 0xDB, kBackslash = 0xDC;
constexpr std::uint8_t kCloseBracket = 0xDD, kQuote = 0xDE;
constexpr std::uint8_t Letter(char c) { return static_cast<std::uint8_t>(kA + (c - 'A')); }
constexpr std::uint8_t F(int n) { return static_cast<std::uint8_t>(kF1 + n - 1); }
}  // namespace vk

}  // namespace hw
