#include "settings/HotkeyText.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hw {

namespace {

struct KeyName {
    Text name;
    std::uint8_t code;
};

// Every key with a name: the canonical names first, then the names also read.
const std::vector<KeyName>& KeyNames() {
    static const std::vector<KeyName> names = [] {
        std::vector<KeyName> n;
        auto named = [](std::string_view prefix, int number) {
            std::string s = std::string(prefix) + std::to_string(number);
            return Text(s.begin(), s.end());
        };
        for (char c = 'A'; c <= 'Z'; ++c) n.push_back({Text(1, static_cast<char16_t>(c)), vk::Letter(c)});
        for (int d = 0; d <= 9; ++d) {
            n.push_back({named("", d), static_cast<std::uint8_t>(vk::k0 + d)});
            n.push_back({named("Num", d), static_cast<std::uint8_t>(vk::kNum0 + d)});
        }
        for (int f = 1; f <= 24; ++f) n.push_back({named("F", f), vk::F(f)});
        const std::pair<const char16_t*, std::uint8_t> others[] = {
            {u"PgUp", vk::kPgUp},         {u"PgDn", vk::kPgDn},       {u"Home", vk::kHome},
            {u"End", vk::kEnd},           {u"Ins", vk::kIns},         {u"Del", vk::kDel},
            {u"Left", vk::kLeft},         {u"Up", vk::kUp},           {u"Right", vk::kRight},
            {u"Down", vk::kDown},         {u"Space", vk::kSpace},     {u"Tab", vk::kTab},
            {u"Esc", vk::kEsc},           {u"Enter", vk::kEnter},     {u"Backspace", vk::kBackspace},
            {u"Pause", vk::kPause},       {u"PrtSc", vk::kPrtSc},     {u"Num*", vk::kNumMul},
            {u"Num/", vk::kNumDiv},       {u"Num-", vk::kNumMinus},   {u"Num.", vk::kNumDot},
            {u"NumPlus", vk::kNumPlus},   {u";", vk::kSemicolon},     {u"Plus", vk::kPlus},
            {u",", vk::kComma},           {u"-", vk::kMinus},         {u".", vk::kPeriod},
            {u"/", vk::kSlash},           {u"`", vk::kBacktick},      {u"[", vk::kOpenBracket},
            {u"\\", vk::kBackslash},      {u"]", vk::kCloseBracket},  {u"'", vk::kQuote},
            // Also read.
            {u"PageUp", vk::kPgUp},       {u"PageDown", vk::kPgDn},   {u"Insert", vk::kIns},
            {u"Delete", vk::kDel},        {u"Escape", vk::kEsc},      {u"Return", vk::kEnter},
            {u"Num+", vk::kNumPlus},      {u"+", vk::kPlus},          {u"=", vk::kPlus},
        };
        for (auto [name, code] : others) n.push_back({name, code});
        return n;
    }();
    return names;
}

struct ModifierName {
    const char16_t* name;
    HotkeyModifier bit;
};

// In the order they are written.
constexpr ModifierName kModifiers[] = {
    {u"Ctrl", kHotkeyCtrl}, {u"Alt", kHotkeyAlt}, {u"Shift", kHotkeyShift}, {u"Win", kHotkeyWin}};

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.remove_suffix(1);
    return s;
}

std::optional<HotkeyModifier> Modifier(std::u16string_view name) {
    for (const ModifierName& m : kModifiers)
        if (SameName(name, m.name)) return m.bit;
    if (SameName(name, u"Control")) return kHotkeyCtrl;
    return std::nullopt;
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    c = Fold(c);
    return c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
}

std::optional<std::uint8_t> KeyCode(std::u16string_view name) {
    for (const KeyName& k : KeyNames())
        if (SameName(name, k.name)) return k.code;
    if (name.size() == 4 && SameName(name.substr(0, 2), u"VK")) {
        int high = HexDigit(name[2]), low = HexDigit(name[3]);
        int code = high * 16 + low;
        if (high >= 0 && low >= 0 && code >= 1 && code <= 254) return static_cast<std::uint8_t>(code);
    }
    return std::nullopt;
}

Text Quoted(std::u16string_view s) {
    constexpr std::size_t kShown = 30;
    Text quoted(1, u'"');
    quoted.append(s.substr(0, kShown));
    quoted.append(s.size() > kShown ? u"…\"" : u"\"");
    return quoted;
}

}  // namespace

HotkeyReading ReadHotkey(const Text& text) {
    std::u16string_view rest = Trim(text);
    if (rest.empty()) return {};
    std::uint8_t modifiers = 0;
    // "Name+" at the front is a modifier while something follows it; the rest is the key.
    for (;;) {
        std::size_t plus = rest.find(u'+', 1);
        if (plus == std::u16string_view::npos || Trim(rest.substr(plus + 1)).empty()) break;
        std::optional<HotkeyModifier> m = Modifier(Trim(rest.substr(0, plus)));
        if (!m) break;
        modifiers |= *m;
        rest = Trim(rest.substr(plus + 1));
    }
    if (std::optional<std::uint8_t> key = KeyCode(rest)) return {Hotkey{modifiers, *key}, Text()};
    std::u16string_view last = rest.size() > 1 && rest.back() == u'+' ? Trim(rest.substr(0, rest.size() - 1)) : rest;
    if (Modifier(last)) return {Hotkey{}, u"it names no key, only modifiers"};
    return {Hotkey{}, Quoted(rest) + u" is not a key name"};
}

Text HotkeyText(const Hotkey& hotkey) {
    if (hotkey.IsNone()) return Text();
    Text text;
    for (const ModifierName& m : kModifiers)
        if (hotkey.Has(m.bit)) text += Text(m.name) + u"+";
    for (const KeyName& k : KeyNames())
        if (k.code == hotkey.key) return text + k.name;
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    return text + u"VK" + kHex[hotkey.key >> 4] + kHex[hotkey.key & 15];
}

Text HotkeyActionName(HotkeyAction action) {
    switch (action) {
    case HotkeyAction::Hide: return u"Hide the window in front";
    case HotkeyAction::Restore: return u"Bring back the last hidden window";
    case HotkeyAction::Menu: return u"Open the menu of hidden windows";
    }
    return {};
}

}  // namespace hw
