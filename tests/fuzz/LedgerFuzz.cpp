// Random operations on the engine over a desktop that behaves like Windows: minimises and
// restores by every way there is, caption changes, entries edited, Refresh, Suspend, options,
// windows of several programs destroyed and handles reused, busy, hung and full programs, a
// shell that refuses icons, a failed tick, Explorer and Hidewell restarting, the session's end
// and an installer's close. After every step each window Hidewell hid is in its ledger with a
// way back of its own; nothing was hidden that no entry, hotkey or command took; a window the
// user brought back was not hidden again before the user minimised it, not even by a Hidewell
// started again in the same session by the Run value, which takes the windows open as new. After Exit no window
// it hid stays hidden, unless Windows refused to show it, and then the journal keeps it.
//
// Each step is three bytes: an operation code, a window, an argument. A code keeps its meaning
// for good: a new operation takes the next free code, and codes past the last do nothing. The
// kept inputs (tests/fuzz/inputs/LedgerFuzz/, each noted in its README.md) together use every
// operation and reach every path below; their replay checks that (HwReplayFinished).
#include <algorithm>
#include <bitset>
#include <cstdio>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "FuzzInput.h"
#include "engine/TitleMatch.h"
#include "fakes/RecordingLog.h"
#include "fakes/SimulatedEngine.h"

namespace {

using hw::fuzz::Check;
using namespace hw;
using namespace hw::test;

enum Op : std::uint8_t {
    kOpenWindow,            // a program opens a window
    kMinimise,              // the user minimises a window from its title bar
    kRestoreFromTaskbar,    // the user restores a window from its taskbar button
    kIconClick,             // a click or double click on a window's icon; a right click opens its popup
    kBuildView,             // the own menu, the task list or a popup is built now and used later
    kUseView,               // a menu item, task-list row or popup command, built some time ago
    kInbox,                 // hidewellctl restore or close
    kCaptionChange,         // a caption changes
    kEditEntries,           // entries added, edited, removed or reordered, then Ok
    kRefresh,               //
    kSuspend,               //
    kOptions,               // hide the own icon, restore with a single click
    kCloseWindow,           // a window closes
    kReuseHandle,           // ... and its handle goes to a new window
    kBusyOrHung,            // a program gets busy or hangs, or recovers
    kExplorerRestarts,      // every icon is gone, then TaskbarCreated
    kHidewellKilled,        // Hidewell is killed and started again; its icons die with it
    kReceiversFail,         // receivers cannot be made for a while (a failed icon)
    kShowsItself,           // a window shows itself again
    kHideHotkey,            // the hide hotkey, over whatever window is in front
    kRestoreHotkey,         // the restore hotkey
    kTimePasses,            // time passes and the poll timer fires, if it runs
    kQueueFull,             // a program's message queue fills up (Windows refuses shows), or drains
    kShellRefusesAdds,      // the shell refuses new icons for a while
    kCrowdedDesktop,        // more windows than a scan holds: the failed tick
    kSessionEnds,           // the session ends; the next one starts with a new Hidewell
    kRestartManagerClose,   // an installer closes Hidewell while the session goes on, and starts it again
    kHideByCommand,         // hidewellctl hide
    kManyWindows,           // sixty matching windows of three programs are minimised
    kAppearEntry,           // an entry that hides windows as they appear is added, or every one removed
    kOtherProgram,          // a window of another program and class opens
    kStartedWithWindows,    // Hidewell is killed and started again by the Run value: open windows count as new
    kOpCount
};
constexpr int kCodeSpace = 64;

constexpr std::uint32_t kScMinimize = 0xF020, kScMaximize = 0xF030, kScClose = 0xF060, kScMove = 0xF010;
const Text kIcon = u"000:C:\\Apps\\app.exe";
const Text kCaptions[] = {u"Alpha", u"Beta", u"Alpha 2", u"Beta - Mail", u"C1", u"Zed", u""};
const Text kPatterns[] = {u"*", u"A*", u"B*", u"*2", u"[A-B]*", u"C?", u"Z*", u"[Z-A]*"};
const Text kClasses[] = {u"AppWindow", u"Notepad", u"#32770", u"ApplicationFrameWindow"};

// What the runs reached, summed over the kept inputs by the replay.
struct Reached {
    std::bitset<kOpCount> ops;
    long hides = 0;
    bool refusedShow = false, refusedAdd = false, failedTick = false;
    std::set<std::uint32_t> programs;  // of windows hidden
    std::set<Text> classes;

    void Add(const Reached& r) {
        ops |= r.ops;
        hides += r.hides;
        refusedShow = refusedShow || r.refusedShow;
        refusedAdd = refusedAdd || r.refusedAdd;
        failedTick = failedTick || r.failedTick;
        programs.insert(r.programs.begin(), r.programs.end());
        classes.insert(r.classes.begin(), r.classes.end());
    }
};

Reached& AllRuns() {
    static Reached reached;
    return reached;
}

// The simulated world, with what the checks remember of what the user did.
struct World : SimulatedEngine {
    // Refs as popups, menus and task lists built them, used later when they may be stale.
    std::vector<WindowRef> refs;
    // Windows the user brought back and has not minimised since, and windows the user asked
    // to hide by hand.
    std::set<WindowHandle> restored;
    std::set<WindowHandle> takenByHand;
    // The icons were lost while the shell refused new ones (Explorer or Hidewell restarting
    // meanwhile): they come back at the first tick once the shell takes icons again.
    bool iconsLost = false;
    bool crowded = false;
    Reached reached;

    World() {
        desktop.onShow = [this](WindowHandle h, int command) { OnShowRequest(h, command); };
    }
    void TickAfter(int ms) {
        desktop.Advance(ms);
        engine.PollTick();
        desktop.Advance();
        if (!tray.refuseAdds && !desktop.crowd) iconsLost = false;
    }
    // Starts Hidewell on the stored settings, up to its first tick.
    void StartEngine(bool withWindows = false) {
        engine.Start(withWindows);
        desktop.Advance();
        TickAfter(0);
    }
    // Hidewell ends (killed, or quit for a restart): its icons and receivers go with it. A
    // restore the old one asked for and the program has not carried out is lost with it; a
    // window the user brought back stays the user's.
    void RestartEngine(bool withWindows = false) {
        Restart();
        tray.icons.clear();
        host.receivers.clear();
        std::erase_if(restored, [&](WindowHandle h) {
            return !desktop.Exists(h) || !desktop[h].visible || desktop[h].iconic;
        });
        iconsLost = iconsLost || tray.refuseAdds;
        StartEngine(withWindows);
    }
    bool InLedger(WindowHandle h) const {
        if (!running) return false;
        for (const HiddenWindowView& v : engine.Windows().HiddenWindows())
            if (v.ref.window == h) return true;
        return false;
    }
    bool AnEntryTakes(WindowHandle h) {
        for (const Entry& e : engine.Config().Current().entries)
            if (MatchTitle(desktop[h].caption, e.titlePattern, caseMapping) == MatchResult::Match) return true;
        return false;
    }
    void OnShowRequest(WindowHandle h, int command) {
        if (!running || !desktop.Exists(h)) return;
        if (command != kSwHide && command != kSwMinimize) {
            reached.refusedShow = reached.refusedShow || desktop[h].refusesShow;
            return;
        }
        Check(!restored.count(h));
        Check(takenByHand.count(h) || InLedger(h) || AnEntryTakes(h));
        if (command != kSwHide) return;
        ++reached.hides;
        reached.programs.insert(desktop[h].processId);
        reached.classes.insert(desktop[h].className);
    }
    // Windows the step asked to show (a restore), from the show requests made since.
    void TakeRestores(std::size_t showsBefore) {
        for (std::size_t i = showsBefore; i < desktop.shows.size(); ++i)
            if (desktop.shows[i].second == kSwShow) restored.insert(desktop.shows[i].first);
    }
    void Forget(WindowHandle h) {
        restored.erase(h);
        takenByHand.erase(h);
    }
    // Every window Hidewell hid is shown once its program gets to it, or kept in the journal
    // for the next start when Windows refused the show.
    void CheckAllBack() {
        std::vector<JournalRecord> journal = HiddenJournal(reg, kJournalKey).Read();
        for (WindowHandle h : desktop.Windows()) {
            if (desktop.VisibleInTheEnd(h)) continue;
            Check(std::any_of(journal.begin(), journal.end(), [&](auto& r) { return r.window == h; }));
        }
    }
};

WindowHandle Pick(World& w, std::uint8_t at) {
    std::vector<WindowHandle> all = w.desktop.Windows();
    return all.empty() ? WindowHandle{} : all[at % all.size()];
}

// Every window that will be hidden once its program has caught up is in the ledger with a way
// back of its own: its icon; or the task list, which lists every record, opened from the own
// icon, a record's icon popup or the own menu (where a window past the menu's limit is
// reached through the last item). Icons lost while the shell refuses new ones are only wanted
// until the shell takes them again.
void CheckWayBack(World& w) {
    std::unordered_map<WindowHandle, bool> ownIcon;  // the ledger's windows, and whether each has its icon
    bool taskList = w.tray.Find(FakeHost::kOwnReceiver) != nullptr;
    for (const HiddenWindowView& v : w.engine.Windows().HiddenWindows()) {
        const bool icon = w.tray.Find(FakeHost::ReceiverOf(v.slot)) != nullptr;
        ownIcon.emplace(v.ref.window, icon);
        taskList = taskList || icon;
    }
    for (WindowHandle h : w.desktop.Windows()) {
        if (w.desktop.VisibleInTheEnd(h)) continue;
        auto it = ownIcon.find(h);
        Check(it != ownIcon.end());
        Check(it->second || taskList || w.iconsLost);
    }
}

void Step(World& w, std::uint8_t op, std::uint8_t pick, std::uint8_t arg) {
    WindowHandle h = Pick(w, pick);
    auto views = w.engine.Windows().HiddenWindows();
    const HiddenWindowView* view = views.empty() ? nullptr : &views[arg % views.size()];
    const std::size_t shows = w.desktop.shows.size();
    switch (op) {
    case kOpenWindow: {
        WindowHandle n = w.desktop.Add(kCaptions[arg % std::size(kCaptions)], arg & 0x80);
        if (arg & 0x40) w.desktop[n].pumpDelayMs = 2000;
        if ((arg & 0x30) == 0x30) w.desktop[n].elevated = true;
        break;
    }
    case kMinimise:
        if (h && w.desktop[h].visible && !w.desktop[h].iconic) {
            w.desktop[h].iconic = true;
            w.restored.erase(h);
            if (arg & 1) w.engine.OnWindowEvent(WindowEvent::Minimized, h);
        }
        break;
    case kRestoreFromTaskbar:
        if (h && w.desktop[h].visible && w.desktop[h].iconic) {
            w.desktop[h].iconic = false;
            if (w.InLedger(h)) w.restored.insert(h);
        }
        break;
    case kIconClick:
        if (view) {
            static const int kMessages[] = {0x201, 0x203, 0x205, 0x401, 0x7B};
            w.engine.OnWindowIconEvent(view->slot, kMessages[arg % std::size(kMessages)]);
            if (auto popup = w.engine.Windows().SlotView(view->slot)) w.refs.push_back(popup->ref);
            w.TakeRestores(shows);
        }
        break;
    case kBuildView:
        if (view) w.refs.push_back(view->ref);
        break;
    case kUseView:
        if (!w.refs.empty()) {
            const WindowRef ref = w.refs[arg % w.refs.size()];
            static const std::uint32_t kCommands[] = {kScMinimize, kScMaximize, kScClose, kScMove, kScRestore};
            switch (arg % 3) {
            case 0:
                w.engine.Windows().Restore(ref);
                w.TakeRestores(shows);
                break;
            case 1:  // a close supersedes a restore asked before
                w.restored.erase(ref.window);
                w.engine.Windows().Close(ref);
                break;
            default:
                w.restored.erase(ref.window);
                w.engine.Windows().RunMirroredCommand(ref, kCommands[(arg >> 2) % std::size(kCommands)]);
                break;
            }
        }
        break;
    case kInbox:
        if (h) {
            const Text caption = w.desktop[h].caption;
            if (arg & 1)
                for (WindowHandle same : w.desktop.Windows())
                    if (w.desktop[same].caption == caption) w.restored.erase(same);
            w.engine.OnInboxRequest({arg & 1 ? InboxCommand::Close : InboxCommand::Restore, caption}, true);
            if (!(arg & 1)) w.TakeRestores(shows);
        }
        break;
    case kCaptionChange:
        if (h) {
            w.desktop[h].caption = kCaptions[arg % std::size(kCaptions)];
            if (arg & 0x80) w.engine.OnWindowEvent(WindowEvent::CaptionChanged, h);
        }
        break;
    case kEditEntries: {
        w.EditEntries([&](Entries& entries) {
            const Entry e{kPatterns[arg % std::size(kPatterns)], arg & 0x80 ? kIcon : Text()};
            const std::size_t at = entries.empty() ? 0 : (arg >> 3) % entries.size();
            switch ((arg >> 5) & 3) {
            case 0: entries.push_back(e); break;
            case 1: if (!entries.empty()) entries[at] = e; break;
            case 2: if (!entries.empty()) entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at)); break;
            default: if (entries.size() > 1) std::swap(entries[0], entries[at]); break;
            }
        });
        w.engine.Config().Save();
        if (arg & 1) w.engine.Config().RefreshAll();
        break;
    }
    case kRefresh: w.engine.Config().RefreshAll(); break;
    case kSuspend: w.engine.Poll().ToggleSuspend(); break;
    case kOptions: {
        OptionValues o = w.engine.Config().Current();
        (arg & 1 ? o.hideOwnIcon : o.singleClickRestores) = arg & 2;
        w.engine.Config().ApplyOptions(o);
        break;
    }
    case kCloseWindow:
        if (h) {
            w.desktop.Close(h);
            w.Forget(h);
        }
        break;
    case kReuseHandle:
        if (h) {
            w.desktop.Reuse(h, kCaptions[arg % std::size(kCaptions)], arg & 0x80);
            w.Forget(h);
        }
        break;
    case kBusyOrHung:
        if (h) {
            FakeWindow& f = w.desktop[h];
            switch (arg % 4) {
            case 0: f.hung = !f.hung; break;
            case 1: f.pumpDelayMs = f.pumpDelayMs ? 0 : 2000; break;
            default: f.busyUntilMs = w.desktop.NowMs() + (arg % 2 ? 100 : 3000); break;
            }
        }
        break;
    case kExplorerRestarts:
        w.iconsLost = w.iconsLost || w.tray.refuseAdds;
        w.tray.icons.clear();
        w.engine.OnTaskbarCreated();
        break;
    case kHidewellKilled: w.RestartEngine(); break;
    case kReceiversFail: w.host.failReceivers = arg & 1; break;
    case kShowsItself:
        if (h && !w.desktop[h].hung) w.desktop[h].visible = true;
        break;
    case kHideHotkey:
        w.desktop.foreground = h;
        w.takenByHand.insert(h);
        w.restored.erase(h);
        w.engine.OnHotkey(HotkeyId(HotkeyAction::Hide));
        break;
    case kRestoreHotkey:
        w.engine.OnHotkey(HotkeyId(HotkeyAction::Restore));
        w.TakeRestores(shows);
        break;
    case kTimePasses:
        if (w.host.timerEnabled) w.TickAfter(static_cast<int>(arg) * 20);
        break;
    case kQueueFull:
        if (h) w.desktop[h].refusesShow = !w.desktop[h].refusesShow;
        break;
    case kShellRefusesAdds:  // an icon Hidewell puts up meanwhile is only wanted until the shell takes it
        w.tray.refuseAdds = arg & 1;
        w.iconsLost = w.iconsLost || w.tray.refuseAdds;
        break;
    case kCrowdedDesktop:  // once a run: the walk over so many windows is slow
        if (std::exchange(w.crowded, true)) break;
        w.desktop.crowd = kScanMaxCount + 1;
        if (w.host.timerEnabled) w.TickAfter(0);
        w.desktop.crowd = 0;
        break;
    case kSessionEnds:
        w.engine.Quit(QuitReason::SessionEnd);
        Check(w.tray.icons.empty());
        // The session's programs and the journal end with it.
        for (WindowHandle gone : w.desktop.Windows()) w.desktop.Close(gone);
        w.reg.Logoff();
        w.refs.clear();
        w.takenByHand.clear();
        w.restored.clear();
        w.RestartEngine();
        break;
    case kRestartManagerClose:
        w.engine.Quit(QuitReason::RestartManager);
        w.CheckAllBack();
        w.RestartEngine();
        break;
    case kHideByCommand:
        if (h) {
            for (WindowHandle same : w.desktop.Windows()) {
                if (w.desktop[same].caption != w.desktop[h].caption) continue;
                w.takenByHand.insert(same);
                w.restored.erase(same);
            }
            w.engine.Hand().HideByCaption(w.desktop[h].caption);
        }
        break;
    case kManyWindows:
        for (int i = 0; i < 60 && w.desktop.Windows().size() < 200; ++i) {
            WindowHandle n = w.desktop.Add(u"Alpha", true);
            w.desktop[n].processId = 8000 + static_cast<std::uint32_t>(i % 3);
            w.desktop[n].className = kClasses[i % 3];
        }
        break;
    case kAppearEntry: {
        w.EditEntries([&](Entries& entries) {
            if (arg & 1)
                entries.push_back({kPatterns[(arg >> 1) % std::size(kPatterns)], arg & 0x80 ? kIcon : Text(), true});
            else
                std::erase_if(entries, [](const Entry& e) { return e.hideOnAppear; });
        });
        w.engine.Config().Save();
        if (arg & 0x40) w.engine.Config().RefreshAll();
        break;
    }
    case kOtherProgram: {
        WindowHandle n = w.desktop.Add(kCaptions[arg % std::size(kCaptions)], arg & 0x80);
        w.desktop[n].processId = 7000 + ((arg >> 3) & 3);
        w.desktop[n].className = kClasses[(arg >> 5) & 3];
        break;
    }
    case kStartedWithWindows: w.RestartEngine(true); break;
    default: return;  // a free code
    }
    w.reached.ops.set(op);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hw::fuzz::FuzzInput in(data, size);
    World w;
    w.icons.files[u"C:\\Apps\\app.exe"] = 1;
    PlantEntries(w.reg, {{u"A*", kIcon}, {u"B*", u"", true}});
    PlantSetting(w.reg, u"RT", u"500");
    w.StartEngine();

    for (int step = 0; step < 400 && !in.Empty(); ++step) {
        const std::uint8_t op = in.Byte() % kCodeSpace;
        const std::uint8_t pick = in.Byte();
        const std::uint8_t arg = in.Byte();
        const std::size_t calls = w.tray.calls.size();
        const bool refusingAdds = w.tray.refuseAdds;
        Step(w, op, pick, arg);
        for (std::size_t i = calls; refusingAdds && w.tray.refuseAdds && i < w.tray.calls.size(); ++i)
            w.reached.refusedAdd = w.reached.refusedAdd || w.tray.calls[i].action == kNimAdd;
        CheckWayBack(w);
    }
    for (const FakeUi::Message& m : w.ui.messages) w.reached.failedTick = w.reached.failedTick || m.text.starts_with(u"6 : ");

    // Exit: every window Hidewell hid comes back, once its program gets to it.
    w.engine.Quit(QuitReason::User);
    for (WindowHandle h : w.desktop.Windows()) {
        w.desktop[h].hung = false;
        w.desktop[h].busyUntilMs = 0;
    }
    w.desktop.Advance(1'000'000'000);
    w.CheckAllBack();
    AllRuns().Add(w.reached);
    return 0;
}

// Called once the kept inputs were replayed: together they must use every operation, hide
// windows of several programs and classes, and reach refused shows and icons and the failed tick.
extern "C" int HwReplayFinished() {
    const Reached& r = AllRuns();
    int missing = 0;
    auto need = [&](bool ok, const char* what) {
        if (!ok) std::fprintf(stderr, "The kept inputs do not reach: %s\n", what), ++missing;
    };
    for (int op = 0; op < kOpCount; ++op)
        if (!r.ops.test(static_cast<std::size_t>(op))) std::fprintf(stderr, "No kept input uses operation %d\n", op), ++missing;
    need(r.hides > 0, "a hide");
    need(r.programs.size() >= 2 && r.classes.size() >= 2, "hidden windows of several programs and classes");
    need(r.refusedShow, "a show Windows refused");
    need(r.refusedAdd, "an icon the shell refused");
    need(r.failedTick, "the failed tick");
    std::printf("%ld hides\n", r.hides);
    return missing == 0 ? 0 : 1;
}
