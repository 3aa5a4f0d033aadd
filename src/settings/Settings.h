#pragma once
// Hidewell's settings as the program holds them: the entries and the options.
#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace hw {

// What an entry's pattern is matched against: the window's caption, the file name of its
// program ("notepad.exe") or its window class ("Notepad"). Unknown: a stored value this
// version does not know; such an entry matches no window.
enum class MatchBy : std::uint8_t { Caption, Program, Class, Unknown };

// One application entry: the pattern, the icon reference of the tray icon its windows get
// (empty: they are hidden without an icon), when its windows are hidden, and what the
// pattern is matched against.
struct Entry {
    Text titlePattern;
    Text iconReference;
    // As soon as a window appears; otherwise when it is minimised.
    bool hideOnAppear = false;
    // As stored: empty for the caption, "Program" or "Class" in any case; anything else is
    // kept as it is, so that saving does not lose it.
    Text matchBy{};

    MatchBy Kind() const { return MatchByOf(matchBy); }
    static MatchBy MatchByOf(const Text& stored) {
        auto is = [&](const char16_t* name) {
            std::size_t i = 0;
            for (; name[i] && i < stored.size(); ++i) {
                char16_t c = stored[i];
                if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
                char16_t n = name[i];
                if (n >= u'a' && n <= u'z') n = static_cast<char16_t>(n - u'a' + u'A');
                if (c != n) return false;
            }
            return !name[i] && i == stored.size();
        };
        if (stored.empty()) return MatchBy::Caption;
        if (is(kMatchByProgram)) return MatchBy::Program;
        if (is(kMatchByClass)) return MatchBy::Class;
        return MatchBy::Unknown;
    }
    static constexpr const char16_t* kMatchByProgram = u"Program";
    static constexpr const char16_t* kMatchByClass = u"Class";
    bool operator==(const Entry&) const = default;
};

constexpr int kDefaultPollIntervalMs = 3000;
constexpr int kMaxPollIntervalMs = 10000;

// The global hotkeys, by what they do.
enum class HotkeyAction { Hide, Restore, Menu };
constexpr HotkeyAction kHotkeyActions[] = {HotkeyAction::Hide, HotkeyAction::Restore, HotkeyAction::Menu};

// The options, as the options dialog edits them.
struct OptionValues {
    bool startWithWindows = false;
    bool hideOwnIcon = false;  // while application icons are shown
    bool hideDateIcon = false;
    bool singleClickRestores = false;
    // A right click on a window's minimise button (or a Shift+right click on its title bar)
    // hides it by hand. On for a new installation; settings stored before the option existed
    // load it off.
    bool rightClickHides = true;
    int pollIntervalMs = kDefaultPollIntervalMs;  // 1 to kMaxPollIntervalMs
    // Hotkeys as text (settings/HotkeyText.h): canonical when readable, as stored otherwise;
    // empty for none.
    Text hotkeyHide;
    Text hotkeyRestore;
    Text hotkeyMenu;

    Text& HotkeyOf(HotkeyAction action) {
        return action == HotkeyAction::Hide ? hotkeyHide : action == HotkeyAction::Restore ? hotkeyRestore : hotkeyMenu;
    }
    const Text& HotkeyOf(HotkeyAction action) const { return const_cast<OptionValues*>(this)->HotkeyOf(action); }

    // Takes only intervals the poll timer accepts; false leaves it as it was.
    bool SetPollInterval(int ms) {
        if (ms < 1 || ms > kMaxPollIntervalMs) return false;
        pollIntervalMs = ms;
        return true;
    }
    bool operator==(const OptionValues&) const = default;
};

struct Settings : OptionValues {
    std::vector<Entry> entries;
    bool operator==(const Settings&) const = default;
};

}  // namespace hw
