#include "settings/HotkeyClash.h"

namespace hw {

namespace {

struct Known {
    std::uint8_t modifiers;
    std::uint8_t key;
    HotkeyClash clash;
    const char16_t* use;
};

constexpr std::uint8_t kNone = 0, kCtrl = kHotkeyCtrl, kAlt = kHotkeyAlt, kShift = kHotkeyShift;
constexpr HotkeyClash kReserved = HotkeyClash::ReservedByWindows, kCommon = HotkeyClash::CommonShortcut;

constexpr Known kKnown[] = {
    {kCtrl | kAlt, vk::kDel, kReserved, u"Security options"},
    {kCtrl | kShift, vk::kEsc, kReserved, u"Task Manager"},
    {kAlt, vk::kTab, kReserved, u"Switch windows"},
    {kAlt | kShift, vk::kTab, kReserved, u"Switch windows"},
    {kCtrl | kAlt, vk::kTab, kReserved, u"Switch windows"},
    {kAlt, vk::kEsc, kReserved, u"Switch windows"},
    {kCtrl, vk::kEsc, kReserved, u"Start menu"},
    {kNone, vk::F(12), kReserved, u"Debugger"},
    {kNone, vk::kPrtSc, kReserved, u"Screenshot"},
    {kAlt, vk::kPrtSc, kReserved, u"Screenshot"},
    {kCtrl, vk::Letter('C'), kCommon, u"Copy"},
    {kCtrl, vk::kIns, kCommon, u"Copy"},
    {kCtrl, vk::Letter('V'), kCommon, u"Paste"},
    {kShift, vk::kIns, kCommon, u"Paste"},
    {kCtrl, vk::Letter('X'), kCommon, u"Cut"},
    {kShift, vk::kDel, kCommon, u"Cut"},
    {kCtrl, vk::Letter('Z'), kCommon, u"Undo"},
    {kAlt, vk::kBackspace, kCommon, u"Undo"},
    {kCtrl, vk::Letter('Y'), kCommon, u"Redo"},
    {kCtrl, vk::Letter('A'), kCommon, u"Select all"},
    {kCtrl, vk::Letter('S'), kCommon, u"Save"},
    {kCtrl, vk::Letter('O'), kCommon, u"Open"},
    {kCtrl, vk::Letter('N'), kCommon, u"New"},
    {kCtrl, vk::Letter('P'), kCommon, u"Print"},
    {kCtrl, vk::Letter('F'), kCommon, u"Find"},
    {kCtrl, vk::Letter('W'), kCommon, u"Close"},
    {kCtrl, vk::F(4), kCommon, u"Close"},
    {kAlt, vk::F(4), kCommon, u"Close window"},
    {kAlt, vk::kSpace, kCommon, u"Window menu"},
    {kCtrl, vk::kTab, kCommon, u"Next tab"},
    {kCtrl | kShift, vk::kTab, kCommon, u"Previous tab"},
    {kNone, vk::F(1), kCommon, u"Help"},
    {kNone, vk::F(10), kCommon, u"Menu bar"},
    {kShift, vk::F(10), kCommon, u"Shortcut menu"},
};

bool IsFunctionKey(std::uint8_t key) { return key >= vk::F(1) && key <= vk::F(24); }

// Keys that Windows takes with the Windows key: letters, digits and the keys it uses for
// windows, the taskbar, input and the magnifier.
bool WindowsKeyTakes(std::uint8_t key) {
    if ((key >= vk::Letter('A') && key <= vk::Letter('Z')) || (key >= vk::k0 && key <= vk::k0 + 9)) return true;
    switch (key) {
    case vk::kTab: case vk::kSpace: case vk::kEnter: case vk::kEsc: case vk::kHome: case vk::kPause:
    case vk::kPrtSc: case vk::kLeft: case vk::kUp: case vk::kRight: case vk::kDown: case vk::kPlus:
    case vk::kMinus: case vk::kComma: case vk::kPeriod: case vk::kSemicolon:
        return true;
    default:
        return false;
    }
}

}  // namespace

HotkeyConflict ConflictOf(const Hotkey& hotkey) {
    if (hotkey.IsNone()) return {};
    std::uint8_t modifiers = hotkey.modifiers & kHotkeyModifierMask;
    for (const Known& k : kKnown)
        if (k.modifiers == modifiers && k.key == hotkey.key) return {k.clash, k.use};
    if ((modifiers & kHotkeyWin) && WindowsKeyTakes(hotkey.key)) return {kReserved, u"Windows key shortcuts"};
    // Without Ctrl, Alt or Win a key types, moves the caret or confirms.
    if (!(modifiers & (kHotkeyCtrl | kHotkeyAlt | kHotkeyWin)) && !IsFunctionKey(hotkey.key) && hotkey.key != vk::kPause)
        return {kCommon, u"Typing"};
    return {};
}

}  // namespace hw
