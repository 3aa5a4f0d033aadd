// Hiding by hand: the window in front or one named by its caption is hidden whatever its
// caption; the last one hidden comes back first.
#include "engine/HandHiding.h"

#include "common/NumericParse.h"
#include "engine/OperationScope.h"
#include "ui/IconTools.h"

namespace hw {

HandHiding::HandHiding(Platform& platform, const Settings& settings, Activity& activity, WindowReader& reader,
                       Ledger& ledger, WindowActions& windows)
    : platform_(platform), settings_(settings), activity_(activity), reader_(reader), ledger_(ledger), windows_(windows) {}

bool HandHiding::HideManually(const WindowFacts& w) {
    if (!Qualifies(w) || !w.visible || ledger_.Contains(w.window) || ledger_.Notices().Refused(w.window)) return false;
    // Its own icon is its way back.
    OperationScope busy(activity_.operation);
    ledger_.Hide(w, Entry{Text(), kWindowIconReference}, HideKind::Manual);
    return ledger_.Contains(w.window);
}

WindowHandle HandHiding::RootOwner(WindowHandle h) {
    for (int depth = 0; depth < 64 && h; ++depth) {
        const WindowHandle owner = platform_.desktop.ParentOrOwner(h);
        if (!owner) break;
        h = owner;
    }
    return h;
}

// A dialog in front stands for the window that owns it, which takes it along.
bool HandHiding::HideForeground() { return HideManually(reader_.Read(RootOwner(platform_.desktop.Foreground()))); }

bool HandHiding::HideByHand(WindowHandle h) { return HideManually(reader_.Read(RootOwner(h))); }

HandHide HandHiding::JudgeHandHide(WindowHandle h) {
    const WindowFacts w = reader_.Read(RootOwner(h));
    if (!Qualifies(w) || !w.visible || ledger_.Contains(w.window)) return HandHide::Ignore;
    return ledger_.Notices().Refused(w.window) || w.aboveUs || w.className == kStoreAppFrameClass ? HandHide::Refuse
                                                                                                : HandHide::Hide;
}

void HandHiding::TellHandHideRefused(WindowHandle h) {
    const WindowFacts w = reader_.Read(RootOwner(h));
    if (w.window)
        ledger_.Notices().Refuse(w.window, w.className == kStoreAppFrameClass ? StoreAppMessage(w.caption)
                                                                              : CannotHideMessage(w.caption));
}

bool HandHiding::HideFirstWindowOf(std::uint32_t processId) {
    std::vector<WindowFacts> shown;
    reader_.Scan(shown, true);
    for (const WindowFacts& w : shown)
        if (w.processId == processId && w.visible) return HideManually(w);
    return false;
}

bool HandHiding::HideByCaption(const Text& caption) {
    // The first shown window with the exact caption; else the one window that has it without
    // regard to case.
    std::vector<WindowFacts> shown;
    reader_.Scan(shown, true);
    const Text upper = platform_.caseMapping.Upper(caption);
    const WindowFacts* alike = nullptr;
    int alikeCount = 0;
    for (const WindowFacts& w : shown) {
        if (!w.visible) continue;
        if (w.caption == caption) return HideManually(w);
        if (platform_.caseMapping.Upper(w.caption) == upper && ++alikeCount == 1) alike = &w;
    }
    return alikeCount == 1 && HideManually(*alike);
}

bool HandHiding::RestoreLast() {
    const HiddenWindow* last = nullptr;
    for (auto& [slot, record] : ledger_.Slots())
        if (!record.restoreAsked && (!last || record.id > last->id)) last = &record;
    return last && windows_.Restore(last->Ref());
}

void HandHiding::FollowRightClickOption(bool userAsked) {
    const bool on = settings_.rightClickHides;
    if (on == rightClickHooked_) return;
    if (const std::uint32_t error = platform_.host.SetRightClickHiding(on)) {
        platform_.log.Failure(kRightClickFailure, u"", error);
        if (userAsked)
            platform_.ui.ShowMessage(kRightClickFailure + u" (error " + DecimalText(error) + u").", kAppTitle,
                                     kMbIconExclamation);
        return;
    }
    rightClickHooked_ = on;
}

}  // namespace hw
