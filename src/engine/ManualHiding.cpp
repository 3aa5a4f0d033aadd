// Hiding by hand and the global hotkeys: the window in front or one named by its caption is
// hidden whatever its caption; the last one hidden comes back first.
#include "common/NumericParse.h"
#include "engine/TrayEngine.h"
#include "settings/HotkeyText.h"
#include "ui/IconTools.h"

namespace hw {

bool TrayEngine::HideManually(const WindowFacts& w) {
    if (!Qualifies(w) || !w.visible || InLedger(w.window) || refused_.count(w.window)) return false;
    // Its own icon is its way back.
    HideWindow(w, Entry{Text(), kWindowIconReference}, HideKind::Manual);
    return InLedger(w.window);
}

WindowHandle TrayEngine::RootOwner(WindowHandle h) {
    for (int depth = 0; depth < 64 && h; ++depth) {
        const WindowHandle owner = p_.desktop.ParentOrOwner(h);
        if (!owner) break;
        h = owner;
    }
    return h;
}

// A dialog in front stands for the window that owns it, which takes it along.
bool TrayEngine::HideForeground() { return HideManually(reader_.Read(RootOwner(p_.desktop.Foreground()))); }

bool TrayEngine::HideByHand(WindowHandle h) { return HideManually(reader_.Read(RootOwner(h))); }

HandHide TrayEngine::JudgeHandHide(WindowHandle h) {
    const WindowFacts w = reader_.Read(RootOwner(h));
    if (!Qualifies(w) || !w.visible || InLedger(w.window)) return HandHide::Ignore;
    return refused_.count(w.window) || w.aboveUs || w.className == kStoreAppFrameClass ? HandHide::Refuse : HandHide::Hide;
}

void TrayEngine::TellHandHideRefused(WindowHandle h) {
    const WindowFacts w = reader_.Read(RootOwner(h));
    if (w.window) Refuse(w.window, w.className == kStoreAppFrameClass ? StoreAppMessage(w.caption) : CannotHideMessage(w.caption));
}

bool TrayEngine::HideFirstWindowOf(std::uint32_t processId) {
    std::vector<WindowFacts> shown;
    reader_.Scan(shown, true);
    for (const WindowFacts& w : shown)
        if (w.processId == processId && w.visible) return HideManually(w);
    return false;
}

bool TrayEngine::HideByCaption(const Text& caption) {
    std::vector<WindowFacts> shown;
    reader_.Scan(shown, true);
    for (const WindowFacts& w : shown)
        if (w.visible && w.caption == caption) return HideManually(w);
    return false;
}
bool TrayEngine::RestoreLast() {
    const HiddenWindow* last = nullptr;
    for (auto& [slot, record] : ledger_)
        if (!record.restoreAsked && (!last || record.id > last->id)) last = &record;
    return last && Restore(last->Ref());
}

void TrayEngine::OnHotkey(int id) {
    if (id == HotkeyId(HotkeyAction::Hide))
        HideForeground();
    else if (id == HotkeyId(HotkeyAction::Restore))
        RestoreLast();
    else if (id == HotkeyId(HotkeyAction::Menu))
        p_.host.ShowOwnMenu();
}

std::uint32_t TrayEngine::TryHotkey(const Hotkey& hotkey) {
    const Text text = HotkeyText(hotkey);
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i)
        if (hotkeysHeld_[i] && hotkeysTried_[i] == text) return 0;
    std::uint32_t error = p_.host.RegisterHotkey(kHotkeyTrialId, hotkey.modifiers, hotkey.key);
    if (error == 0) p_.host.UnregisterHotkey(kHotkeyTrialId);
    return error;
}

void TrayEngine::FollowRightClickOption(bool userAsked) {
    const bool on = settings_.rightClickHides;
    if (on == rightClickHooked_) return;
    if (const std::uint32_t error = p_.host.SetRightClickHiding(on)) {
        p_.log.Failure(kRightClickFailure, u"", error);
        if (userAsked) p_.ui.ShowMessage(kRightClickFailure + u" (error " + DecimalText(error) + u").", kAppTitle, kMbIconExclamation);
        return;
    }
    rightClickHooked_ = on;
}

void TrayEngine::RegisterHotkeys() {
    constexpr std::size_t n = std::size(kHotkeyActions);
    bool changed[n] = {};
    // Every changed one lets go first, so that two hotkeys can swap their combinations.
    for (std::size_t i = 0; i < n; ++i) {
        changed[i] = hotkeysTried_[i] != settings_.HotkeyOf(kHotkeyActions[i]);
        if (changed[i] && hotkeysHeld_[i]) p_.host.UnregisterHotkey(HotkeyId(kHotkeyActions[i]));
        if (changed[i]) hotkeysHeld_[i] = false;
    }
    Text failures;
    for (std::size_t i = 0; i < n; ++i) {
        const HotkeyAction action = kHotkeyActions[i];
        const Text& text = hotkeysTried_[i] = settings_.HotkeyOf(action);
        if (!changed[i] || text.empty()) continue;
        HotkeyReading reading = ReadHotkey(text);
        Text why = reading.problem;
        if (why.empty()) {
            const std::uint32_t error = p_.host.RegisterHotkey(HotkeyId(action), reading.hotkey.modifiers, reading.hotkey.key);
            hotkeysHeld_[i] = error == 0;
            if (error == kErrorHotkeyTaken)
                why = u"another program uses it";
            else if (error != 0)
                why = u"Windows refused it (error " + DecimalText(static_cast<std::int64_t>(error)) + u")";
        }
        if (why.empty()) continue;
        const Text line = HotkeyActionName(action) + u" (" + text + u"): " + why + u".";
        p_.log.Failure(u"Hidewell could not set up a hotkey", line, 0);
        failures += u"\n" + line;
    }
    if (!failures.empty()) p_.ui.ShowMessage(kHotkeyFailureHeading + failures, kAppTitle, kMbIconExclamation);
}

}  // namespace hw
