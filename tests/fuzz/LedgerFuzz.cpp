// Random operations on the engine over a desktop that behaves like Windows: minimises and
// restores by every way there is, caption changes, entries edited, Refresh, Suspend, options,
// windows destroyed and handles reused, busy and hung programs, Explorer and Hidewell
// restarting. After every step each window Hidewell hid is in its ledger with a way back the
// user can reach; after Exit no window it hid stays hidden.
#include <algorithm>
#include <memory>
#include <vector>

#include "FuzzInput.h"
#include "fakes/RecordingLog.h"
#include "fakes/SimulatedEngine.h"

namespace {

using hw::fuzz::Check;
using namespace hw;
using namespace hw::test;

constexpr std::uint32_t kScMinimize = 0xF020, kScMaximize = 0xF030, kScClose = 0xF060, kScMove = 0xF010;
const Text kIcon = u"000:C:\\Apps\\app.exe";
const Text kCaptions[] = {u"Alpha", u"Beta", u"Alpha 2", u"Beta - Mail", u"C1", u"Zed", u""};
const Text kPatterns[] = {u"*", u"A*", u"B*", u"*2", u"[A-B]*", u"C?", u"Z*", u"[Z-A]*"};

struct World {
    FakeDesktop desktop;
    FakeNotifyArea tray;
    FakeUi ui;
    FakeHost host;
    MemoryRegistry reg;
    FakeIcons icons;
    FakeClock clock;
    TableCaseMapping caseMapping;
    RecordingLog log;
    Platform platform{desktop, tray, ui, host, reg, icons, clock, caseMapping, u"C:\\Tools\\Hidewell.exe", log};
    std::unique_ptr<TrayEngine> engine;
    Entries entries;
    // Refs as popups, menus and task lists built them, used later when they may be stale.
    std::vector<WindowRef> refs;

    TrayEngine& E() { return *engine; }
    void Tick(int ms) {
        desktop.Advance(ms);
        engine->PollTick();
        desktop.Advance();
    }
    // Starts Hidewell on the stored settings, up to its first tick.
    void StartEngine() {
        engine = std::make_unique<TrayEngine>(platform);
        engine->Start();
        desktop.Advance();
        Tick(0);
    }
};

WindowHandle Pick(World& w, hw::fuzz::FuzzInput& in) {
    std::vector<WindowHandle> all = w.desktop.Windows();
    const std::uint8_t at = in.Byte();
    return all.empty() ? WindowHandle{} : all[at % all.size()];
}

// Every window that will be hidden once its program has caught up is in the ledger, with its
// own icon shown or, failing that, an icon shown from which the own menu or the task list opens.
void CheckWayBack(World& w) {
    std::vector<HiddenWindowView> ledger = w.E().HiddenWindows();
    bool anyIcon = !w.tray.icons.empty();
    for (WindowHandle h : w.desktop.Windows()) {
        if (w.desktop.VisibleInTheEnd(h)) continue;
        auto it = std::find_if(ledger.begin(), ledger.end(), [&](auto& v) { return v.ref.window == h; });
        Check(it != ledger.end());
        Check(w.tray.Find(FakeHost::ReceiverOf(it->slot)) != nullptr || anyIcon);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hw::fuzz::FuzzInput in(data, size);
    World w;
    w.icons.files[u"C:\\Apps\\app.exe"] = 1;
    w.entries = {{u"A*", kIcon}, {u"B*", u"", true}};
    PlantEntries(w.reg, w.entries);
    PlantSetting(w.reg, u"RT", u"500");
    w.StartEngine();

    for (int step = 0; step < 400 && !in.Empty(); ++step) {
        const std::uint8_t op = in.Byte() % 24;
        WindowHandle h = Pick(w, in);
        const std::uint8_t arg = in.Byte();
        auto views = w.E().HiddenWindows();
        const HiddenWindowView* view = views.empty() ? nullptr : &views[arg % views.size()];
        switch (op) {
        case 0: {  // a program opens a window
            WindowHandle n = w.desktop.Add(kCaptions[arg % std::size(kCaptions)], arg & 0x80);
            if (arg & 0x40) w.desktop[n].pumpDelayMs = 2000;
            if ((arg & 0x30) == 0x30) w.desktop[n].elevated = true;
            break;
        }
        case 1:  // the user minimises a window from its title bar
        case 2:
            if (h && w.desktop[h].visible) {
                w.desktop[h].iconic = true;
                if (arg & 1) w.E().OnWindowEvent(WindowEvent::Minimized, h);
            }
            break;
        case 3:  // the user restores a window from its taskbar button
            if (h && w.desktop[h].visible) w.desktop[h].iconic = false;
            break;
        case 4:  // a click or double click on a window's icon; a right click opens its popup
            if (view) {
                static const int kMessages[] = {0x201, 0x203, 0x205, 0x401, 0x7B};
                w.E().OnWindowIconEvent(view->slot, kMessages[arg % std::size(kMessages)]);
                if (auto popup = w.E().SlotView(view->slot)) w.refs.push_back(popup->ref);
            }
            break;
        case 5:  // the own menu, the task list or a popup is built now and used later
            if (view) w.refs.push_back(view->ref);
            break;
        case 6:  // a menu item, task-list row or popup command, built some time ago
            if (!w.refs.empty()) {
                const WindowRef ref = w.refs[arg % w.refs.size()];
                static const std::uint32_t kCommands[] = {kScMinimize, kScMaximize, kScClose, kScMove, kScRestore};
                switch (arg % 3) {
                case 0: w.E().Restore(ref); break;
                case 1: w.E().Close(ref); break;
                default: w.E().RunMirroredCommand(ref, kCommands[(arg >> 2) % std::size(kCommands)]); break;
                }
            }
            break;
        case 7:  // hidewellctl restore or close
            if (h) w.E().OnInboxRequest({arg & 1 ? InboxCommand::Close : InboxCommand::Restore, w.desktop[h].caption}, true);
            break;
        case 8:  // a caption changes
            if (h) {
                w.desktop[h].caption = kCaptions[arg % std::size(kCaptions)];
                if (arg & 0x80) w.E().OnWindowEvent(WindowEvent::CaptionChanged, h);
            }
            break;
        case 9: {  // entries added, edited, removed or reordered, then Ok (which refreshes after an edit)
            std::vector<Entry>& entries = w.E().EditedEntries();
            const Entry e{kPatterns[arg % std::size(kPatterns)], arg & 0x80 ? kIcon : Text()};
            const std::size_t at = entries.empty() ? 0 : (arg >> 3) % entries.size();
            switch ((arg >> 5) & 3) {
            case 0: entries.push_back(e); break;
            case 1: if (!entries.empty()) entries[at] = e; break;
            case 2: if (!entries.empty()) entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at)); break;
            default: if (entries.size() > 1) std::swap(entries[0], entries[at]); break;
            }
            w.E().SaveSettings();
            if (arg & 1) w.E().RefreshAll();
            break;
        }
        case 10:
            w.E().RefreshAll();
            break;
        case 11:
            w.E().ToggleSuspend();
            break;
        case 12: {
            OptionValues o = w.E().CurrentSettings();
            (arg & 1 ? o.hideOwnIcon : o.singleClickRestores) = arg & 2;
            w.E().ApplyOptions(o);
            break;
        }
        case 13:  // a window closes
            if (h) w.desktop.Close(h);
            break;
        case 14:  // ... and its handle goes to a new window
            if (h) w.desktop.Reuse(h, kCaptions[arg % std::size(kCaptions)], arg & 0x80);
            break;
        case 15:  // a program gets busy or hangs, or recovers
            if (h) {
                FakeWindow& f = w.desktop[h];
                switch (arg % 4) {
                case 0: f.hung = !f.hung; break;
                case 1: f.pumpDelayMs = f.pumpDelayMs ? 0 : 2000; break;
                default: f.busyUntilMs = w.desktop.NowMs() + (arg % 2 ? 100 : 3000); break;
                }
            }
            break;
        case 16:  // Explorer restarts: every icon is gone, then TaskbarCreated
            w.tray.icons.clear();
            w.E().OnTaskbarCreated();
            break;
        case 17:  // Hidewell is killed and started again; its icons die with it
            w.engine.reset();
            w.tray.icons.clear();
            w.host.receivers.clear();
            w.StartEngine();
            break;
        case 18:  // receivers cannot be made for a while (a failed icon)
            w.host.failReceivers = arg & 1;
            break;
        case 19:  // a window shows itself again
            if (h && !w.desktop[h].hung) w.desktop[h].visible = true;
            break;
        case 20:  // the hide hotkey, over whatever window is in front
            w.desktop.foreground = h;
            w.E().OnHotkey(HotkeyId(HotkeyAction::Hide));
            break;
        case 21:  // the restore hotkey
            w.E().OnHotkey(HotkeyId(HotkeyAction::Restore));
            break;
        default:  // time passes and the timer fires
            w.Tick(static_cast<int>(arg) * 20);
            break;
        }
        CheckWayBack(w);
    }

    // Exit: every window Hidewell hid comes back, once its program gets to it.
    w.E().Quit(QuitReason::User);
    for (WindowHandle h : w.desktop.Windows()) {
        w.desktop[h].hung = false;
        w.desktop[h].busyUntilMs = 0;
    }
    w.desktop.Advance(1'000'000'000);
    for (WindowHandle h : w.desktop.Windows()) Check(w.desktop[h].visible);
    return 0;
}
