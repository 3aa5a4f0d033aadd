// The settings' one path: edited entries and options take effect, Undo takes the stored ones back.
#include "engine/EngineFixture.h"
#include "engine/EngineOptions.h"
#include "settings/RunValue.h"
#include "ui/OptionsModel.h"

namespace hw::test {
namespace {

using EntryEdits = EngineTest;

// Captions seen before must be matched against the entries as they are now.
TEST_F(EntryEdits, TakeEffectOnTheNextTickForCaptionsSeenBefore) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    WindowHandle pad = Minimised(u"Untitled - Notepad");
    WindowHandle mail = Minimised(u"Inbox - Mail");
    Tick();
    ASSERT_TRUE(Hidden(pad));
    ASSERT_FALSE(Hidden(mail));

    EditEntries([](Entries& e) { e[0].titlePattern = u"*MAIL*"; });
    Tick();
    EXPECT_FALSE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(SlotTip(1), u"Inbox - Mail");

    EditEntries([](Entries& e) { e.insert(e.begin(), {u"*NOTE*", u""}); });
    Tick();
    EXPECT_TRUE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(engine.Records().Icons().Count(), 1);  // the new first entry has no icon
}

// A hidden window shows the icon of the entry that takes it now: another icon, none (the own
// icon is then its way back, back from hiding), or one where there was none.
TEST_F(EntryEdits, TheIconFollowsTheEntryThatTakesTheWindowNow) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    SetOptions([](OptionValues& o) { o.hideOwnIcon = true; });
    WindowHandle h = Minimised(u"Untitled - Notepad");
    Tick();
    Tick();
    ASSERT_EQ(tray.Find(FakeHost::kOwnReceiver), nullptr);
    const IconHandle first = SlotIcon(1)->icon;

    EditEntries([](Entries& e) { e[0].iconReference = kOtherIcon; });
    engine.Config().RefreshAll();
    EXPECT_NE(SlotIcon(1)->icon, first);
    EXPECT_EQ(icons.lastExtracted, u"C:\\Apps\\other.dll");
    EXPECT_EQ(icons.live.size(), 1u) << "the old picture is destroyed";

    EditEntries([](Entries& e) { e[0].iconReference = u""; });
    Tick();
    EXPECT_EQ(SlotIcon(1), nullptr);
    EXPECT_NE(tray.Find(FakeHost::kOwnReceiver), nullptr);
    EXPECT_TRUE(host.receivers.empty());

    EditEntries([](Entries& e) { e.insert(e.begin(), {u"UNTITLED*", kAppIcon}); });
    Tick();
    Tick();
    EXPECT_EQ(SlotTip(1), u"Untitled - Notepad");
    EXPECT_EQ(tray.Find(FakeHost::kOwnReceiver), nullptr);
    EXPECT_TRUE(Hidden(h));
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
}

// Ok after an edit refreshes: a window its entry no longer matches comes back at once as a
// taskbar button, and the others keep their slot, icon and tip without being added again.
TEST_F(EntryEdits, RefreshShowsWhatNoLongerMatchesAndLeavesTheRestAlone) {
    Start({{u"*NOTEPAD*", kAppIcon}, {u"*MAIL*", kOtherIcon}});
    WindowHandle pad = Minimised(u"Untitled - Notepad");
    WindowHandle mail = Minimised(u"Inbox - Mail");
    Tick();
    ASSERT_EQ(engine.Windows().HiddenCount(), 2);
    const WindowRef mailRef = engine.Windows().FindByCaption(u"Inbox - Mail").value();
    const std::size_t calls = tray.calls.size();

    EditEntries([](Entries& e) { e[0].titlePattern = u"*WORDPAD*"; });
    engine.Config().RefreshAll();
    desktop.Advance();
    EXPECT_TRUE(desktop[pad].visible && desktop[pad].iconic);
    EXPECT_EQ(engine.Windows().FindByCaption(u"Inbox - Mail"), mailRef);
    EXPECT_TRUE(Hidden(mail));
    ASSERT_EQ(tray.calls.size(), calls + 1);
    EXPECT_EQ(tray.calls.back().action, kNimDelete);  // notepad's icon, only
    EXPECT_EQ(host.interval, 1);
}

// A date icon that only counts how often it is taken away.
struct CountingDateIcon : DateIconSteps {
    void Tick(bool) override {}
    void RemoveIcon() override { ++removals; }
    void OnTaskbarCreated() override {}
    int removals = 0;
};

class EngineOptionsTest : public EngineTest {
protected:
    EngineOptionsTest() { engine.Records().Icons().SetDateIcon(&dateIcon); }
    // Runs the options dialog's rules on the engine: the user changes the values, then OK or not.
    void Dialog(OptionValues chosen, bool ok) {
        OptionsModel model(options.CurrentOptions());
        model.Values() = chosen;
        model.Finish(ok);
        model.ApplyTo(options);
    }
    CountingDateIcon dateIcon;
    int& dateRemovals = dateIcon.removals;
    EngineOptions options{engine};
};

TEST_F(EngineOptionsTest, OkAndUndoApplyAtOnceCancelLeavesEverythingIncludingTheRunValue) {
    Start({{u"*", kAppIcon}}, 300);  // hand-edited below the dialog's range
    ASSERT_FALSE(StartsWithWindows(reg));
    WindowHandle app = Minimised(u"App");
    Tick();
    ASSERT_NE(tray.Find(FakeHost::kOwnReceiver), nullptr);
    const OptionValues stored = options.CurrentOptions();

    OptionValues all = stored;
    all.startWithWindows = all.hideOwnIcon = all.hideDateIcon = all.singleClickRestores = true;
    all.pollIntervalMs = 4000;
    Dialog(all, false);
    EXPECT_FALSE(StartsWithWindows(reg));
    EXPECT_EQ(options.CurrentOptions(), stored);
    EXPECT_EQ(dateRemovals, 0);

    Dialog(all, true);
    EXPECT_TRUE(StartsWithWindows(reg));
    EXPECT_EQ(options.CurrentOptions(), all);
    EXPECT_EQ(dateRemovals, 1);
    // The own icon leaves at the next tick although the number of icons did not change.
    Tick();
    EXPECT_EQ(host.interval, 4000);
    EXPECT_EQ(tray.Find(FakeHost::kOwnReceiver), nullptr);

    // Undo takes the stored options back, and they take effect as the entries do.
    engine.Config().Reload();
    EXPECT_TRUE(engine.Records().Icons().DateRebuildRequested());
    Tick();
    EXPECT_EQ(host.interval, 300);
    EXPECT_NE(tray.Find(FakeHost::kOwnReceiver), nullptr);
    EXPECT_TRUE(Hidden(app));
}

}  // namespace
}  // namespace hw::test
