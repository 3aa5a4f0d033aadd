#include "engine/EngineFixture.h"

namespace hw::test {
namespace {

using EntryEdits = EngineTest;

// Captions seen before must be matched against the entries as they are now.
TEST_F(EntryEdits, TakeEffectOnTheNextTickForCaptionsSeenBefore) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    WindowHandle pad = Minimised(u"Untitled - Notepad");
    WindowHandle mail = Minimised(u"Inbox - Mail");
    engine.Timer1_Timer();
    ASSERT_TRUE(Hidden(pad));
    ASSERT_FALSE(Hidden(mail));

    engine.Settings.ApplicationsList[0] = u"*MAIL*";
    engine.Timer1_Timer();
    EXPECT_FALSE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(SlotTip(1), u"Inbox - Mail");

    engine.Settings.ApplicationsList.insert(engine.Settings.ApplicationsList.begin(), u"*NOTE*");
    engine.Settings.EntryIcons.insert(engine.Settings.EntryIcons.begin(), u"");
    engine.Timer1_Timer();
    EXPECT_TRUE(Hidden(pad));
    EXPECT_TRUE(Hidden(mail));
    EXPECT_EQ(engine.IconCount, 1);  // the new first entry has no icon
}

}  // namespace
}  // namespace hw::test
