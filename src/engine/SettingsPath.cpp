// The one path by which changed settings take effect.
#include "engine/SettingsPath.h"

#include "engine/OperationScope.h"

namespace hw {

SettingsPath::SettingsPath(Platform& platform, Settings& settings, Activity& activity, WindowReader& reader,
                           EntryMatcher& matcher, Ledger& ledger, Poller& poller, Hotkeys& hotkeys, HandHiding& hand)
    : platform_(platform),
      settings_(settings),
      store_(platform.registry, platform.ui, platform.log, settings, platform.programPath),
      activity_(activity),
      reader_(reader),
      matcher_(matcher),
      ledger_(ledger),
      poller_(poller),
      hotkeys_(hotkeys),
      hand_(hand) {}

void SettingsPath::ApplyOptions(const OptionValues& options) {
    OptionValues taken = options;
    taken.startWithWindows = settings_.startWithWindows;  // what the Run value says
    if (!taken.SetPollInterval(options.pollIntervalMs)) taken.pollIntervalMs = settings_.pollIntervalMs;
    static_cast<OptionValues&>(settings_) = taken;
    SettingsChanged();
}

void SettingsPath::Reload() {
    store_.Load();
    SettingsChanged();
}

void SettingsPath::RefreshAll() {
    activity_.suspended = false;
    SettingsChanged();
}

void SettingsPath::SettingsChanged() {
    matcher_.Compile(settings_.entries);
    {
        OperationScope busy(activity_.operation);  // the walk waits on the taskbar
        ledger_.Walk([&](int slot, HiddenWindow& record) {
            if (record.kind == HideKind::Manual || record.leaving) return true;
            const WindowFacts w = reader_.Read(record.window);
            const std::size_t j = matcher_.FirstMatch(w);
            if (j == EntryMatcher::kNone) {
                // One the user had brought back already stays the user's, as at a tick.
                if (SameWindow(record, w) && BroughtBackByTheUser(record, w)) ledger_.Appear().BroughtBack(w.window);
                ledger_.BringBack(slot);
            } else
                ledger_.FollowEntry(slot, settings_.entries[j]);
            return true;
        });
        ledger_.Icons().ShowOwnState();
    }
    hotkeys_.Register();
    hand_.FollowRightClickOption(true);
    ledger_.Appear().FollowEntries(settings_.entries, true);
    ledger_.Icons().FollowOptions();
    if (activity_.suspended) return;
    poller_.Resume();
}

}  // namespace hw
