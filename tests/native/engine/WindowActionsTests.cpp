#include "engine/EngineFixture.h"

namespace hw::test {
namespace {

class WindowActions : public EngineTest {
protected:
    void SetUp() override { Start({{u"*", kAppIcon}}); }
    WindowHandle HideOne(const Text& caption) {
        WindowHandle h = Minimised(caption);
        engine.Timer1_Timer();
        return h;
    }
};

TEST_F(WindowActions, PopupTitleIsTheTipCutToThirtyCharacters) {
    HideOne(u"A window title of more than thirty characters");
    HideOne(u"  Short  ");
    EXPECT_EQ(engine.AppTitle(1), u"A window title of more than th");
    EXPECT_EQ(engine.AppTitle(2), u"Short");
}

TEST_F(WindowActions, InboxFindsTheLowerSlotAndReportsUnknownCaptions) {
    WindowHandle first = HideOne(u"Same");
    HideOne(u"Same");
    EXPECT_EQ(engine.GetID(u"Same"), 1);
    engine.txtAuto_Change(u"Same", u"");
    EXPECT_FALSE(desktop[first].iconic);
    engine.txtAuto_Change(u"same", u"");  // case counts
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, u"Error 909745");
}

TEST_F(WindowActions, CloseDropsTheSlotAtOnceEvenWhenTheWindowRefuses) {
    WindowHandle h = HideOne(u"Unsaved work");
    desktop[h].refusesClose = true;
    engine.txtAuto_Change(u"Unsaved work", u"Close");
    EXPECT_EQ(SlotIcon(1), nullptr);
    EXPECT_EQ(engine.SlotCount(), 0);
    EXPECT_EQ(engine.IconCount, 0);
    EXPECT_TRUE(engine.MasterList.empty());
    EXPECT_TRUE(desktop.Exists(h));
    EXPECT_FALSE(engine.OperationBusy);
}

TEST_F(WindowActions, MirroredCommandHidesAgainWhileMinimisedElseBringsToFront) {
    WindowHandle h = HideOne(u"App");
    engine.CurrentSlot = 1;
    engine.MirroredCommand(0xF010);  // SC_MOVE: still minimised
    EXPECT_FALSE(desktop[h].visible);
    engine.MirroredCommand(0xF030);  // SC_MAXIMIZE
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_EQ(desktop.foreground, h);
}

TEST_F(WindowActions, ClicksRestoreByTheClickOption) {
    WindowHandle h = HideOne(u"App");
    engine.PicHook1_MouseMove(1, 513);  // double-click mode: a single click does nothing
    EXPECT_TRUE(desktop[h].iconic);
    engine.PicHook1_MouseMove(1, 517);
    EXPECT_EQ(forms.iconMenus, std::vector<int>{1});
    engine.PicHook1_MouseMove(1, 515);
    EXPECT_FALSE(desktop[h].iconic);

    desktop[h].iconic = true;
    engine.Settings.chkSingleClick = 1;
    engine.PicHook1_MouseMove(1, 513);
    EXPECT_FALSE(desktop[h].iconic);
}

TEST_F(WindowActions, OwnIconDoubleClickOpensTheTaskListOnlyWhileWindowsAreHidden) {
    engine.PicHook0_MouseMove(515);
    EXPECT_TRUE(forms.configurationVisible);
    EXPECT_EQ(forms.taskLists, 0);
    HideOne(u"App");
    engine.PicHook0_MouseMove(515);
    EXPECT_EQ(forms.taskLists, 1);
    engine.PicHook0_MouseMove(517);
    EXPECT_EQ(forms.ownMenus, 1);
}

}  // namespace
}  // namespace hw::test
