#include "engine/EngineFixture.h"

#include "common/WindowKey.h"

namespace hw::test {
namespace {

using PollLoop = EngineTest;

TEST_F(PollLoop, HidesAMinimisedMatchingWindowBehindAnIcon) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    EXPECT_EQ(forms.interval, kFirstTickMs);
    EXPECT_TRUE(forms.timerEnabled);
    WindowHandle h = Minimised(u"Untitled - Notepad");
    desktop.Add(u"Untitled - Notepad");  // not minimised: stays
    engine.Timer1_Timer();

    EXPECT_TRUE(Hidden(h));
    EXPECT_TRUE(desktop[h].iconic);
    ASSERT_EQ(engine.Lineer.count(1), 1u);
    EXPECT_EQ(engine.Lineer[1].Caption, u"Untitled - Notepad");
    EXPECT_EQ(engine.SlotWindow(1), h);
    EXPECT_EQ(engine.MasterList, BH(h) + u";");
    EXPECT_EQ(SlotTip(1), u"Untitled - Notepad");
    EXPECT_EQ(engine.IconCount, 1);
    EXPECT_EQ(forms.mainIcon, Picture::Got);
    EXPECT_EQ(tray.Find(FakeForms::kOwnReceiver)->hIcon, forms.PictureIcon(Picture::Got));
    EXPECT_EQ(forms.interval, 500);
    EXPECT_TRUE(forms.timerEnabled);
}

TEST_F(PollLoop, RestoredWindowsLoseTheirSlotsInAnyOrder) {
    Start({{u"DOC*", kAppIcon}});
    WindowHandle a = Minimised(u"Doc A"), b = Minimised(u"Doc B");
    engine.Timer1_Timer();
    ASSERT_EQ(engine.SlotCount(), 2);
    WindowHandle first = engine.SlotWindow(1);
    desktop[first].iconic = false;  // restored through the task list or by its program
    engine.Timer1_Timer();
    EXPECT_EQ(engine.MasterList, BH(0) + u";" + BH(engine.SlotWindow(2)) + u";");
    EXPECT_EQ(engine.SlotCounter, u"2");
    EXPECT_EQ(SlotIcon(1), nullptr);
    EXPECT_EQ(engine.IconCount, 1);
    EXPECT_TRUE(desktop[first].visible);

    desktop.Close(first == a ? b : a);  // closed by its program while hidden
    engine.Timer1_Timer();
    EXPECT_TRUE(engine.MasterList.empty());
    EXPECT_EQ(engine.SlotCounter, u"0");
    EXPECT_EQ(engine.IconCount, 0);
    EXPECT_EQ(forms.mainIcon, Picture::NotGot);
    EXPECT_TRUE(tray.icons.size() == 1 && tray.icons[0].hWnd == FakeForms::kOwnReceiver);
}

TEST_F(PollLoop, CaptionChangesFollowTheTipOrBringTheWindowBack) {
    Start({{u"*EDITOR*", kAppIcon}});
    WindowHandle h = Minimised(u"report.txt - Editor");
    engine.Timer1_Timer();
    desktop[h].caption = u"letter.txt - Editor";
    engine.Timer1_Timer();
    EXPECT_EQ(SlotTip(1), u"letter.txt - Editor");
    // A caption found inside the old tip leaves the tip alone.
    desktop[h].caption = u"letter.txt - Editor";
    std::size_t calls = tray.calls.size();
    engine.Timer1_Timer();
    EXPECT_EQ(tray.calls.size(), calls);
    // A window that showed itself while minimised is hidden again.
    desktop[h].visible = true;
    engine.Timer1_Timer();
    EXPECT_TRUE(Hidden(h));
    // A caption that no longer matches brings the window back, still minimised.
    desktop[h].caption = u"Something else";
    engine.Timer1_Timer();
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_TRUE(desktop[h].iconic);
    EXPECT_EQ(engine.SlotCount(), 0);
}

TEST_F(PollLoop, FirstMatchingEntryDecidesTheIcon) {
    Start({{u"*PAD*", kOtherIcon}, {u"*NOTEPAD*", kAppIcon}});
    Minimised(u"Notepad");
    engine.Timer1_Timer();
    EXPECT_EQ(engine.SlotCount(), 1);
    EXPECT_EQ(engine.IconCount, 1);
    ASSERT_NE(SlotIcon(1), nullptr);
    EXPECT_EQ(icons.lastExtracted, u"C:\\Apps\\other.dll");
}

TEST_F(PollLoop, EntryWithoutIconHidesWithoutOneAndAMissingFileShowsHidewellsIcon) {
    Start({{u"PLAIN*", u""}, {u"GONE*", u"000:C:\\Gone\\missing.exe"}});
    WindowHandle plain = Minimised(u"Plain");
    Minimised(u"Gone");  // on top of the Z order: slot 1
    engine.Timer1_Timer();
    EXPECT_TRUE(Hidden(plain));
    EXPECT_EQ(engine.SlotWindow(2), plain);
    EXPECT_EQ(SlotIcon(2), nullptr);
    ASSERT_NE(SlotIcon(1), nullptr);
    EXPECT_EQ(SlotIcon(1)->hIcon, forms.PictureIcon(Picture::Program));
    EXPECT_EQ(engine.IconCount, 1);
}

TEST_F(PollLoop, OwnIconLeavesWhileAppIconsShowWithHideOption) {
    Start({{u"*", kAppIcon}});
    engine.Settings.chkHide = 1;
    WindowHandle h = Minimised(u"App");
    engine.Timer1_Timer();
    EXPECT_EQ(tray.Find(FakeForms::kOwnReceiver), nullptr);
    desktop[h].iconic = false;
    engine.Timer1_Timer();
    EXPECT_NE(tray.Find(FakeForms::kOwnReceiver), nullptr);
}

TEST_F(PollLoop, SuspendLetsTheRunningTickFinishAndStopsPolling) {
    Start({{u"*", kAppIcon}});
    engine.mnuSuspend_Click();
    EXPECT_FALSE(forms.timerEnabled);
    Minimised(u"App");
    engine.Timer1_Timer();
    EXPECT_EQ(engine.SlotCount(), 1);
    EXPECT_FALSE(forms.timerEnabled);
    engine.mnuSuspend_Click();
    EXPECT_TRUE(forms.timerEnabled);
    EXPECT_EQ(forms.interval, 1);
}

TEST_F(PollLoop, MalformedPatternMatchesNothingAndPollingGoesOn) {
    Start({{u"[ABC", kAppIcon}});
    Minimised(u"[ABC");
    engine.Timer1_Timer();
    EXPECT_EQ(engine.SlotCount(), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(forms.timerEnabled);
}

TEST_F(PollLoop, HandlesSharingTheirLastEightDigitsAreBothHidden) {
    Start({{u"*", u""}});
    desktop.AddWithHandle(0x100000000ull + 12345678, u"One", true);
    desktop.AddWithHandle(12345678, u"Two", true);
    engine.Timer1_Timer();
    EXPECT_EQ(engine.SlotCount(), 2);
}

TEST_F(PollLoop, WindowIsShownAgainWhenItsIconCannotBeAdded) {
    Start({{u"*", kAppIcon}});
    tray.refuseAdds = true;
    WindowHandle h = Minimised(u"App");
    engine.Timer1_Timer();
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_EQ(engine.SlotCount(), 0);
    EXPECT_TRUE(engine.MasterList.empty());
}

TEST_F(PollLoop, SlotsAreRenumberedWhenTheThirtiethIsTakenAfterOthersWereFreed) {
    Start({{u"W*", kAppIcon}});
    std::vector<WindowHandle> windows;
    for (int i = 0; i < 29; ++i) windows.push_back(Minimised(Text(u"W").append(DecimalText(i))));
    engine.Timer1_Timer();
    ASSERT_EQ(engine.SlotCounter, u"29");
    desktop[windows[0]].iconic = false;
    Minimised(u"W new");
    engine.Timer1_Timer();  // slot 30 is taken, then the slots start over
    EXPECT_EQ(engine.SlotCount(), 0);
    EXPECT_EQ(forms.interval, 1);
    EXPECT_TRUE(forms.timerEnabled);
    engine.Timer1_Timer();
    EXPECT_EQ(engine.SlotCount(), 29);
    EXPECT_EQ(engine.SlotCounter, u"29");
    EXPECT_EQ(engine.IconCount, 29);
}

TEST_F(PollLoop, MoreThanThirtyHiddenWindowsKeepTheirSlots) {
    Start({{u"W*", kAppIcon}});
    for (int i = 0; i < 31; ++i) Minimised(Text(u"W").append(DecimalText(i)));
    engine.Timer1_Timer();
    EXPECT_EQ(engine.SlotCount(), 31);
    EXPECT_EQ(engine.IconCount, 31);
    engine.Timer1_Timer();  // no renumbering loop
    EXPECT_EQ(engine.SlotCounter, u"31");
    EXPECT_EQ(forms.interval, 500);
}

TEST_F(PollLoop, ScanOverflowShowsOneMessageDropsSlotsAndStopsPolling) {
    Start({{u"W*", kAppIcon}});
    WindowHandle hidden = Minimised(u"W first");
    engine.Timer1_Timer();
    for (int i = 0; i < 32768; ++i) desktop.Add(u"x", true);
    engine.Timer1_Timer();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, u"6 : 06/12/2026 : 14:05:00");
    EXPECT_EQ(ui.messages[0].style, static_cast<std::uint32_t>(kMbIconCritical));
    EXPECT_EQ(engine.SlotCount(), 0);
    EXPECT_FALSE(forms.timerEnabled);
    EXPECT_TRUE(Hidden(hidden));  // stays hidden until polling restarts
}

TEST_F(PollLoop, QuitShowsHiddenWindowsUnlessTheSessionEnds) {
    Start({{u"*", kAppIcon}});
    WindowHandle h = Minimised(u"App");
    engine.Timer1_Timer();
    engine.Quit(false);
    EXPECT_TRUE(tray.icons.empty());
    EXPECT_TRUE(Hidden(h));
    engine.Quit(true);
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_TRUE(desktop[h].iconic);
}

}  // namespace
}  // namespace hw::test
