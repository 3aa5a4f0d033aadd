#include "engine/EngineFixture.h"

namespace hw::test {
namespace {

using EntryEdits = EngineTest;

// Captions seen before must be matched against the entries as they are now.
TEST_F(EntryEdits, TakeEffectOnTheNextTickForCaptionsSeenBefore) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    WindowHandle pad = Minimised(u"Untitled - Notepad");
    WindowHandle mail = Minimised(u"Inbox - Mail");
    engine.PollTick();
    ASSERT_TRUE(Hidden(pad));
    ASSERT_FALSE(Hidden(mail));

    engine.settings.entries[0].titlePattern = u"*MAIL*";
    engine.PollTick();
    EXPECT_FALSE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(SlotTip(1), u"Inbox - Mail");

    engine.settings.entries.insert(engine.settings.entries.begin(), {u"*NOTE*", u""});
    engine.PollTick();
    EXPECT_TRUE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(engine.IconCount(), 1);  // the new first entry has no icon
}

}  // namespace
}  // namespace hw::test
