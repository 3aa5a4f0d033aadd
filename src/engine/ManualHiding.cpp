// Hiding by hand and the global hotkeys: the window in front or one named by its caption is
// hidden whatever its caption; the last one hidden comes back first.
#include "common/NumericParse.h"
#include "engine/OperationScope.h"
#include "engine/TrayEngine.h"
#include "settings/HotkeyText.h"
#include "ui/IconTools.h"

namespace hw {

namespace {

// The shell's own windows: hiding them would take the taskbar or the desktop away.
bool IsShellWindow(const Text& className) {
    for (const char16_t* shell : {u"Shell_TrayWnd", u"Shell_SecondaryTrayWnd", u"Progman", u"WorkerW"})
        if (className == shell) return true;
    return false;
}

}  // namespace

bool TrayEngine::HideManually(WindowHandle h) {
    if (!h || !p_.desktop.IsWindow(h) || p_.desktop.IsOwnWindow(h) || InLedger(h) || refused_.count(h) ||
        (p_.desktop.GetStyle(h) & kWindowVisible) == 0 || IsShellWindow(p_.desktop.ClassName(h)))
        return false;
    // Its own icon is its way back.
    OperationScope busy(operationBusy_);
    HideWindow(h, p_.desktop.GetText(h, kScanCaptionMax), Entry{Text(), kWindowIconReference}, HideKind::Manual);
    return InLedger(h);
}

bool TrayEngine::HideForeground() { return HideManually(p_.desktop.Foreground()); }

bool TrayEngine::HideByCaption(const Text& caption) {
    // The first shown window with the exact caption; else the one window that has it without
    // regard to case.
    const Text upper = p_.caseMapping.Upper(caption);
    WindowHandle alike;
    int alikeCount = 0;
    for (WindowHandle h = p_.desktop.FirstTopLevel(); h; h = p_.desktop.NextWindow(h)) {
        if ((p_.desktop.GetStyle(h) & kWindowVisible) == 0 || p_.desktop.IsOwnWindow(h) || p_.desktop.IsCloaked(h))
            continue;
        const Text text = p_.desktop.GetText(h, kScanCaptionMax);
        if (text == caption) return HideManually(h);
        if (p_.caseMapping.Upper(text) == upper && ++alikeCount == 1) alike = h;
    }
    return alikeCount == 1 && HideManually(alike);
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

Text HotkeyFailureHeading(int failed, int working) {
    return Text(failed == 1 ? u"Hidewell could not set up this hotkey" : u"Hidewell could not set up these hotkeys") +
           (working == 0 ? u":" : working == 1 ? u"; the other one works:" : u"; the others work:");
}

void TrayEngine::SetHotkeysAside(bool aside) {
    if (aside == hotkeysAside_) return;
    hotkeysAside_ = aside;
    if (!aside) {
        RegisterHotkeys();
        return;
    }
    // Let go, and forgotten as registered, so that each is registered again.
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i) {
        if (hotkeysHeld_[i]) p_.host.UnregisterHotkey(HotkeyId(kHotkeyActions[i]));
        hotkeysHeld_[i] = false;
        hotkeysTried_[i].clear();
    }
}

void TrayEngine::RegisterHotkeys() {
    if (hotkeysAside_) return;
    constexpr std::size_t n = std::size(kHotkeyActions);
    bool changed[n] = {};
    // Every changed one lets go first, so that two hotkeys can swap their combinations.
    for (std::size_t i = 0; i < n; ++i) {
        changed[i] = hotkeysTried_[i] != settings_.HotkeyOf(kHotkeyActions[i]);
        if (changed[i] && hotkeysHeld_[i]) p_.host.UnregisterHotkey(HotkeyId(kHotkeyActions[i]));
        if (changed[i]) hotkeysHeld_[i] = false;
    }
    Text failures;
    int failed = 0;
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
        ++failed;
    }
    if (failed == 0) return;
    int working = 0;
    for (bool held : hotkeysHeld_) working += held;
    p_.ui.ShowMessage(HotkeyFailureHeading(failed, working) + failures, kAppTitle, kMbIconExclamation);
}

}  // namespace hw
