// Entries that hide windows as soon as they appear, kept from fighting the user.
#include "engine/EngineFixture.h"

namespace hw::test {
namespace {

using AppearRuleTest = EngineTest;

const Entries kAppearNotepad = {{u"*NOTEPAD*", kAppIcon, true}};

// Ticks an engine of the fixture's platform as its poll timer would.
void TickOf(SimulatedEngine& sim, TrayEngine& e) {
    sim.desktop.Advance(sim.host.interval);
    e.PollTick();
    sim.desktop.Advance();
}

// A caption a window takes within its first 10 seconds counts (a program that sets its title
// after showing); a later one does not (a browser tab switched to a matching page).
class CaptionChange : public EngineTest, public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(CaptionChange, CountsOnlyInTheWindowsFirstTenSeconds) {
    const auto [afterMs, hidden] = GetParam();
    Start(kAppearNotepad);
    const WindowHandle h = desktop.Add(u"Loading...");
    Tick();  // first seen
    desktop.Advance(afterMs - host.interval);
    Tick();  // a tick before the change leaves it
    EXPECT_FALSE(Hidden(h));
    desktop[h].caption = u"Notes - Notepad";
    const int interval = host.interval;
    engine.OnWindowEvent(WindowEvent::CaptionChanged, h);
    EXPECT_EQ(host.interval, hidden ? kEventTickMs : interval);
    engine.PollTick();
    desktop.Advance();
    EXPECT_EQ(Hidden(h), hidden);
}

INSTANTIATE_TEST_SUITE_P(NineOrElevenSeconds, CaptionChange, ::testing::Values(std::pair{9000, true}, std::pair{11000, false}));

// Windows already open count as appearing only when Hidewell starts with Windows, not when
// it is started by hand nor when an appear entry is saved later.
class OpenAtTheStart : public EngineTest, public ::testing::WithParamInterface<std::tuple<bool, bool, bool>> {};

TEST_P(OpenAtTheStart, AppearOnlyAtTheStartWithWindows) {
    const auto [withWindows, savedLater, hidden] = GetParam();
    const WindowHandle h = desktop.Add(u"Untitled - Notepad");
    Start(savedLater ? Entries{{u"*NOTEPAD*", kAppIcon}} : kAppearNotepad, 500, withWindows);
    if (savedLater) {
        engine.Config().SetEntries(kAppearNotepad);
        engine.Config().RefreshAll();
    }
    Tick();
    Tick();
    EXPECT_EQ(Hidden(h), hidden);
}

// Started with Windows, the appear entry saved after the start, hidden.
INSTANTIATE_TEST_SUITE_P(ByHandWithWindowsOrSaved, OpenAtTheStart,
                         ::testing::Values(std::tuple{false, false, false}, std::tuple{true, false, true},
                                           std::tuple{true, true, false}));

// A window the user brought back stays shown when Hidewell starts again in the same Windows
// session, even started with Windows; one that is closed is forgotten.
TEST_F(AppearRuleTest, AWindowBroughtBackStaysShownAfterARestart) {
    Start(kAppearNotepad, 500, true);
    const WindowHandle kept = desktop.Add(u"Untitled - Notepad");
    const WindowHandle closed = desktop.Add(u"Other - Notepad");
    Tick();
    ASSERT_TRUE(Hidden(kept) && Hidden(closed));
    for (int slot : {1, 2}) engine.OnWindowIconEvent(slot, 0x203);  // double clicks
    Tick();
    Tick();
    ASSERT_FALSE(Hidden(kept) || Hidden(closed));
    engine.Quit(QuitReason::User);
    desktop.Reuse(closed, u"Other - Notepad");  // closed, and a new window took the handle

    TrayEngine again{platform};
    again.Start(true);
    TickOf(*this, again);
    TickOf(*this, again);
    EXPECT_FALSE(Hidden(kept));
    EXPECT_TRUE(Hidden(closed)) << "a new window with the handle of one brought back is new";
    again.Quit(QuitReason::User);
}

struct FakeWatch : CaptionWatch {
    void WatchCaptionsOf(const std::vector<std::uint32_t>& ids) override { processes = ids; }
    AppearanceWatch WatchAppearances(bool on) override {
        ++asked;
        return on ? how : AppearanceWatch{};
    }
    AppearanceWatch how;
    std::vector<std::uint32_t> processes;
    int asked = 0;
};

// How new windows are watched: a watch that cannot be had is logged with its cause, and told
// only when the user has just saved an appear entry. Without the shell's notices, the captions
// of appearing windows are followed by process.
struct WatchCase {
    AppearanceWatch how;
    bool savedByUser;
    const Text* logged;
    bool told;
    bool captionsByProcess;
};
class Watch : public EngineTest, public ::testing::WithParamInterface<WatchCase> {};

TEST_P(Watch, ThatCannotBeHadIsHeard) {
    const WatchCase& c = GetParam();
    FakeWatch watch;
    watch.how = c.how;
    Start(c.savedByUser ? Entries{{u"*NOTEPAD*", kAppIcon}} : kAppearNotepad);
    engine.Poll().SetCaptionWatch(&watch);
    if (c.savedByUser) {
        engine.Config().SetEntries(kAppearNotepad);
        engine.Config().RefreshAll();
    }
    const WindowHandle h = desktop.Add(u"Loading...");
    Tick();
    EXPECT_EQ(watch.asked, 1);
    const bool logged = !log.lines.empty() && c.logged && log.lines.back().what == *c.logged;
    EXPECT_EQ(logged, c.logged != nullptr);
    EXPECT_EQ(ui.messages.size(), c.told ? 1u : 0u);
    EXPECT_EQ(watch.processes == std::vector{desktop.ProcessId(h)}, c.captionsByProcess);
    engine.Poll().SetCaptionWatch(nullptr);
}

INSTANTIATE_TEST_SUITE_P(ShellHookOrNeither, Watch,
                         ::testing::Values(WatchCase{{true, 0, false, 0}, true, nullptr, false, false},
                                           WatchCase{{false, 1400, true, 0}, true, &kShellNoticesFailure, false, true},
                                           WatchCase{{false, 1400, false, 5}, false, &kAppearWatchFailure, false, true},
                                           WatchCase{{false, 1400, false, 5}, true, &kAppearWatchFailure, true, true}));

}  // namespace
}  // namespace hw::test
