#include <gtest/gtest.h>

#include "settings/HotkeyClash.h"
#include "settings/HotkeyText.h"

namespace hw {
namespace {

constexpr std::uint8_t kCtrl = kHotkeyCtrl, kAlt = kHotkeyAlt, kShift = kHotkeyShift, kWin = kHotkeyWin;

TEST(HotkeyText, WritesCanonicallyAndReadsBack) {
    const std::pair<Hotkey, const char16_t*> cases[] = {
        {{kCtrl | kAlt, vk::Letter('H')}, u"Ctrl+Alt+H"},
        {{kShift, vk::F(12)}, u"Shift+F12"},
        {{kAlt | kCtrl, vk::kPgDn}, u"Ctrl+Alt+PgDn"},
        {{kWin | kShift | kAlt | kCtrl, vk::F(24)}, u"Ctrl+Alt+Shift+Win+F24"},
        {{kWin, vk::kNum0 + 5}, u"Win+Num5"},
        {{kCtrl, vk::kNumPlus}, u"Ctrl+NumPlus"},
        {{kCtrl, vk::kPlus}, u"Ctrl+Plus"},
        {{kAlt, vk::kBackslash}, u"Alt+\\"},
        {{kCtrl | kShift, 0xE2}, u"Ctrl+Shift+VKE2"},
        {{0, vk::kSpace}, u"Space"},
        {{kCtrl, 0}, u""},
    };
    for (auto [hotkey, text] : cases) {
        EXPECT_EQ(HotkeyText(hotkey), text);
        HotkeyReading r = ReadHotkey(text);
        EXPECT_EQ(r.hotkey, hotkey.IsNone() ? Hotkey{} : hotkey) << std::u16string_view(text).size();
        EXPECT_EQ(r.problem, u"");
    }
    // Every key with every set of modifiers comes back as it was written.
    for (int key = 1; key <= 254; ++key)
        for (std::uint8_t m = 0; m <= kHotkeyModifierMask; ++m) {
            Hotkey h{m, static_cast<std::uint8_t>(key)};
            ASSERT_EQ(ReadHotkey(HotkeyText(h)).hotkey, h) << key << " " << int(m);
        }
}

TEST(HotkeyText, ReadsAnyCaseOrderSpacingAndOtherNames) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"ctrl+alt+h", u"Ctrl+Alt+H"},      {u" alt + CTRL + pgdn ", u"Ctrl+Alt+PgDn"},
        {u"Control+PageUp", u"Ctrl+PgUp"},   {u"Ctrl++", u"Ctrl+Plus"},
        {u"ctrl+=", u"Ctrl+Plus"},           {u"Ctrl+Num+", u"Ctrl+NumPlus"},
        {u"shift+escape", u"Shift+Esc"},     {u"Win+Delete", u"Win+Del"},
        {u"vk41", u"A"},                     {u"Alt+Alt+F3", u"Alt+F3"},
    };
    for (auto [text, canonical] : cases) {
        HotkeyReading r = ReadHotkey(text);
        EXPECT_EQ(HotkeyText(r.hotkey), canonical);
        EXPECT_EQ(r.problem, u"") << std::u16string_view(text).size();
    }
}

TEST(HotkeyText, UnreadableTextIsNoHotkeyWithTheReason) {
    const Text longName(60, u'x');
    const std::pair<Text, Text> cases[] = {
        {u"Ctrl+Alt", u"it names no key, only modifiers"},
        {u"Ctrl+", u"it names no key, only modifiers"},
        {u"Ctrl+Foo", u"\"Foo\" is not a key name"},
        {u"Ctrl+VK00", u"\"VK00\" is not a key name"},
        {u"Hyper+H", u"\"Hyper+H\" is not a key name"},
        {u"Ctrl+" + longName, u"\"" + Text(30, u'x') + u"…\" is not a key name"},
    };
    for (const auto& [text, problem] : cases) {
        HotkeyReading r = ReadHotkey(text);
        EXPECT_TRUE(r.hotkey.IsNone());
        EXPECT_EQ(r.problem, problem);
    }
    for (const char16_t* none : {u"", u"  "}) EXPECT_EQ(ReadHotkey(none).problem, u"");
}

TEST(HotkeyClash, NamesWhatWindowsOrOtherProgramsUseACombinationFor) {
    const std::tuple<Hotkey, HotkeyClash, const char16_t*> cases[] = {
        {{kWin, vk::Letter('L')}, HotkeyClash::ReservedByWindows, u"Windows key shortcuts"},
        {{kWin | kShift, vk::kLeft}, HotkeyClash::ReservedByWindows, u"Windows key shortcuts"},
        {{kCtrl | kAlt, vk::kDel}, HotkeyClash::ReservedByWindows, u"Security options"},
        {{kAlt, vk::kTab}, HotkeyClash::ReservedByWindows, u"Switch windows"},
        {{0, vk::F(12)}, HotkeyClash::ReservedByWindows, u"Debugger"},
        {{kCtrl, vk::Letter('C')}, HotkeyClash::CommonShortcut, u"Copy"},
        {{kAlt, vk::F(4)}, HotkeyClash::CommonShortcut, u"Close window"},
        {{kShift, vk::Letter('A')}, HotkeyClash::CommonShortcut, u"Typing"},
        {{0, vk::kEnter}, HotkeyClash::CommonShortcut, u"Typing"},
        {{kCtrl | kAlt, vk::Letter('H')}, HotkeyClash::None, u""},
        {{kCtrl | kShift, vk::Letter('C')}, HotkeyClash::None, u""},
        {{kWin, vk::F(9)}, HotkeyClash::None, u""},
        {{kShift, vk::F(12)}, HotkeyClash::None, u""},
        {{}, HotkeyClash::None, u""},
    };
    for (const auto& [hotkey, clash, use] : cases)
        EXPECT_EQ(ConflictOf(hotkey), (HotkeyConflict{clash, use})) << HotkeyText(hotkey).size();
}

}  // namespace
}  // namespace hw
