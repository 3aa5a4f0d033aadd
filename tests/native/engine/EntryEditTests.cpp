#include "engine/EngineFixture.h"

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

    engine.EditedEntries()[0].titlePattern = u"*MAIL*";
    Tick();
    EXPECT_FALSE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(SlotTip(1), u"Inbox - Mail");

    engine.EditedEntries().insert(engine.EditedEntries().begin(), {u"*NOTE*", u""});
    Tick();
    EXPECT_TRUE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(engine.IconCount(), 1);  // the new first entry has no icon
}

// Ok after an edit refreshes: a window its entry no longer matches comes back at once as a
// taskbar button, and the others keep their slot, icon and tip without being added again.
TEST_F(EntryEdits, RefreshShowsWhatNoLongerMatchesAndLeavesTheRestAlone) {
    Start({{u"*NOTEPAD*", kAppIcon}, {u"*MAIL*", kOtherIcon}});
    WindowHandle pad = Minimised(u"Untitled - Notepad");
    WindowHandle mail = Minimised(u"Inbox - Mail");
    Tick();
    ASSERT_EQ(engine.HiddenCount(), 2);
    const WindowRef mailRef = engine.FindByCaption(u"Inbox - Mail").value();
    const std::size_t calls = tray.calls.size();

    engine.EditedEntries()[0].titlePattern = u"*WORDPAD*";
    engine.RefreshAll();
    desktop.Advance();
    EXPECT_TRUE(desktop[pad].visible && desktop[pad].iconic);
    EXPECT_EQ(engine.FindByCaption(u"Inbox - Mail"), mailRef);
    EXPECT_TRUE(Hidden(mail));
    ASSERT_EQ(tray.calls.size(), calls + 1);
    EXPECT_EQ(tray.calls.back().action, kNimDelete);  // notepad's icon, only
    EXPECT_EQ(host.interval, 1);
}

}  // namespace
}  // namespace hw::test
