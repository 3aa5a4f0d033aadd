// What can be done to one window in the ledger: restore it, close it, send it a system command.
#include "engine/WindowActions.h"

#include <algorithm>

#include "common/TrimSpaces.h"
#include "engine/OperationScope.h"

namespace hw {

namespace {

// Runs a tray icon's handler unless another one is running (a click while a popup is open).
template <typename Handler>
void RunOnce(bool& busy, Handler&& handler) {
    if (busy) return;
    busy = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{busy};
    handler();
}

}  // namespace

WindowActions::WindowActions(Platform& platform, const Settings& settings, Activity& activity, Ledger& ledger)
    : platform_(platform), settings_(settings), activity_(activity), ledger_(ledger) {}

std::vector<HiddenWindowView> WindowActions::HiddenWindows() const {
    std::vector<HiddenWindowView> views;
    views.reserve(ledger_.Slots().size());
    for (auto& [slot, record] : ledger_.Slots()) views.push_back(*SlotView(slot));
    return views;
}

std::optional<HiddenWindowView> WindowActions::SlotView(int slot) const {
    auto it = ledger_.Slots().find(slot);
    if (it == ledger_.Slots().end()) return std::nullopt;
    const HiddenWindow& record = it->second;
    return HiddenWindowView{slot,         record.Ref(),     record.caption, record.kind, record.state == HideState::Asked,
                            record.program, record.className};
}

std::optional<WindowRef> WindowActions::FindByCaption(const Text& caption) const {
    const SlotMap& slots = ledger_.Slots();
    for (auto& [slot, record] : slots)
        if (record.caption == caption) return record.Ref();
    for (auto& [slot, record] : slots)
        if (record.currentCaption == caption) return record.Ref();
    // Entries match without regard to case, and so does a caption asked for, when it names
    // exactly one window.
    const Text upper = platform_.caseMapping.Upper(caption);
    std::optional<WindowRef> found;
    for (auto& [slot, record] : slots) {
        if (platform_.caseMapping.Upper(record.caption) != upper &&
            platform_.caseMapping.Upper(record.currentCaption) != upper)
            continue;
        if (found) return std::nullopt;
        found = record.Ref();
    }
    return found;
}

Text WindowActions::PopupTitle(const WindowRef& ref) const {
    const HiddenWindow* record = ledger_.Find(ref);
    if (!record || !record->icon) return {};
    const Text& tip = record->icon->Tip();
    return TrimSpaces(tip.substr(0, std::min<std::size_t>(tip.find(u'\0'), 30)));
}

bool WindowActions::Restore(const WindowRef& ref) {
    OperationScope busy(activity_.operation);
    HiddenWindow* record = ledger_.Find(ref);
    if (!record || !ledger_.SameWindow(*record)) return false;
    Desktop& desktop = platform_.desktop;
    const WindowHandle h = record->window;
    // It leaves the ledger once it shows; until then its icon stays, so a program that is busy
    // keeps its way back.
    record->restoreAsked = true;
    // The user wants it back: no appear rule takes it again, even if Hidewell restarts before
    // its program shows it.
    ledger_.Appear().BroughtBack(h);
    ledger_.AskShow(*record, kSwShow);
    bool front = desktop.SetForeground(h);
    desktop.SendTimeout(h, kWmSysCommand, kScRestore, 0);
    // Without the foreground right (a request from a program in the background) the window
    // comes back where it was and its taskbar button asks for the user's attention.
    if (!front) {
        desktop.ShowWindow(h, kSwRestore);
        desktop.Flash(h);
    }
    // Its icon goes as soon as it shows: now, or at a tick that comes soon.
    const bool shows = (desktop.GetStyle(h) & kWindowVisible) != 0 && !desktop.IsIconic(h);
    if (shows && record->state == HideState::Hidden && !record->showRefused) {
        ledger_.ForgetSlot(ledger_.SlotOf(record->id));
    } else if (activity_.polling && !activity_.inTick)
        platform_.host.SetPollInterval(std::min(kHideCheckMs, settings_.pollIntervalMs));
    return true;
}

bool WindowActions::Close(const WindowRef& ref) {
    OperationScope busy(activity_.operation);
    HiddenWindow* record = ledger_.Find(ref);
    if (!record) return false;
    const WindowHandle h = record->window;
    if (!ledger_.SameWindow(*record)) {
        ledger_.ForgetSlot(ledger_.SlotOf(record->id));
        return false;
    }
    // Shown first, so that a window that asks before closing can be answered, and one that
    // cancels the close stays on the taskbar. Where Windows refuses the show, the record stays
    // with its way back until the window shows, as after a restore; the next ticks ask again.
    platform_.desktop.ShowWindow(h, kSwRestore);
    if (ledger_.AskShow(*record, kSwShow))
        ledger_.ForgetSlot(ledger_.SlotOf(record->id));
    else
        record->restoreAsked = true;
    platform_.desktop.SendTimeout(h, kWmClose, static_cast<std::uint64_t>(-1), 0);
    return true;
}

void WindowActions::RunMirroredCommand(const WindowRef& ref, std::uint32_t command) {
    OperationScope busy(activity_.operation);
    HiddenWindow* record = ledger_.Find(ref);
    if (!record || !ledger_.SameWindow(*record)) return;
    Desktop& desktop = platform_.desktop;
    const WindowHandle h = record->window;
    desktop.ShowWindow(h, kSwShow);
    desktop.SendTimeout(h, kWmSysCommand, command, 0);
    if (desktop.IsIconic(h)) {
        // Hidden again: a restore asked before no longer stands, and the record waits for the
        // hide as a new one does.
        desktop.ShowWindow(h, kSwHide);
        record->restoreAsked = false;
        record->state = HideState::Asked;
        record->checks = 0;
    } else {
        record->restoreAsked = true;
        if (!desktop.SetForeground(h)) desktop.Flash(h);
    }
}

void WindowActions::OnOwnIconEvent(int message) {
    std::optional<TrayEvent> event = DecodeTrayMessage(message);
    if (!event) return;
    RunOnce(activity_.iconEvent, [&] {
        if (*event == TrayEvent::LeftDoubleClick || *event == TrayEvent::KeySelect) {
            if (!ledger_.Slots().empty())
                platform_.host.ShowTaskList();
            else
                platform_.host.ShowConfiguration();
        } else if (OpensMenu(*event, ledger_.Icons().Own())) {
            platform_.host.ShowOwnMenu();
        }
    });
}

void WindowActions::OnWindowIconEvent(int slot, int message) {
    std::optional<TrayEvent> event = DecodeTrayMessage(message);
    if (!event) return;
    RunOnce(activity_.iconEvent, [&] {
        auto it = ledger_.Slots().find(slot);
        if (it == ledger_.Slots().end()) return;
        const HiddenWindow& record = it->second;
        TrayEvent restoreClick = settings_.singleClickRestores ? TrayEvent::LeftDown : TrayEvent::LeftDoubleClick;
        if (*event == restoreClick || *event == TrayEvent::KeySelect)
            Restore(record.Ref());
        else if (record.icon && OpensMenu(*event, *record.icon))
            platform_.host.ShowIconMenu(slot);
    });
}

}  // namespace hw
