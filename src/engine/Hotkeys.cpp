// The global hotkeys: registered each on its own as their combinations change, set aside while
// the options dialog takes combinations.
#include "engine/Hotkeys.h"

#include <utility>

#include "common/NumericParse.h"
#include "settings/HotkeyText.h"

namespace hw {

Text HotkeyFailureHeading(int failed, int working) {
    return Text(failed == 1 ? u"Hidewell could not set up this hotkey" : u"Hidewell could not set up these hotkeys") +
           (working == 0 ? u":" : working == 1 ? u"; the other one works:" : u"; the others work:");
}

Hotkeys::Hotkeys(Platform& platform, const Settings& settings, HandHiding& hand)
    : platform_(platform), settings_(settings), hand_(hand) {}

void Hotkeys::OnHotkey(int id) {
    if (id == HotkeyId(HotkeyAction::Hide))
        hand_.HideForeground();
    else if (id == HotkeyId(HotkeyAction::Restore))
        hand_.RestoreLast();
    else if (id == HotkeyId(HotkeyAction::Menu))
        platform_.host.ShowOwnMenu();
}

std::uint32_t Hotkeys::Try(const Hotkey& hotkey) {
    const Text text = HotkeyText(hotkey);
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i)
        if (held_[i] && tried_[i] == text) return 0;
    std::uint32_t error = platform_.host.RegisterHotkey(kHotkeyTrialId, hotkey.modifiers, hotkey.key);
    if (error == 0) platform_.host.UnregisterHotkey(kHotkeyTrialId);
    return error;
}

void Hotkeys::SetAside(bool aside) {
    if (aside == aside_) return;
    aside_ = aside;
    if (!aside) {
        Register();
        return;
    }
    // Let go, and forgotten as registered, so that each is registered again.
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i) {
        if (held_[i]) platform_.host.UnregisterHotkey(HotkeyId(kHotkeyActions[i]));
        held_[i] = false;
        tried_[i].clear();
    }
}

void Hotkeys::ReleaseAll() {
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i)
        if (std::exchange(held_[i], false)) platform_.host.UnregisterHotkey(HotkeyId(kHotkeyActions[i]));
}

void Hotkeys::Register() {
    if (aside_) return;
    constexpr std::size_t n = std::size(kHotkeyActions);
    bool changed[n] = {};
    // Every changed one lets go first, so that two hotkeys can swap their combinations.
    for (std::size_t i = 0; i < n; ++i) {
        changed[i] = tried_[i] != settings_.HotkeyOf(kHotkeyActions[i]);
        if (changed[i] && held_[i]) platform_.host.UnregisterHotkey(HotkeyId(kHotkeyActions[i]));
        if (changed[i]) held_[i] = false;
    }
    Text failures;
    int failed = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const HotkeyAction action = kHotkeyActions[i];
        const Text& text = tried_[i] = settings_.HotkeyOf(action);
        if (!changed[i] || text.empty()) continue;
        HotkeyReading reading = ReadHotkey(text);
        Text why = reading.problem;
        if (why.empty()) {
            const std::uint32_t error =
                platform_.host.RegisterHotkey(HotkeyId(action), reading.hotkey.modifiers, reading.hotkey.key);
            held_[i] = error == 0;
            if (error == kErrorHotkeyTaken)
                why = u"another program uses it";
            else if (error != 0)
                why = u"Windows refused it (error " + DecimalText(static_cast<std::int64_t>(error)) + u")";
        }
        if (why.empty()) continue;
        const Text line = HotkeyActionName(action) + u" (" + text + u"): " + why + u".";
        platform_.log.Failure(u"Hidewell could not set up a hotkey", line, 0);
        failures += u"\n" + line;
        ++failed;
    }
    if (failed == 0) return;
    int working = 0;
    for (bool held : held_) working += held;
    platform_.ui.ShowMessage(HotkeyFailureHeading(failed, working) + failures, kAppTitle, kMbIconExclamation);
}

}  // namespace hw
