#include "engine/EngineFixture.h"

namespace hw::test {
namespace {

constexpr auto Done = TrayEngine::InboxOutcome::Done;
constexpr auto NotFound = TrayEngine::InboxOutcome::NotFound;

class WindowActions : public EngineTest {
protected:
    void SetUp() override { Start({{u"*", kAppIcon}}); }
    WindowHandle HideOne(const Text& caption) {
        WindowHandle h = Minimised(caption);
        Tick();
        return h;
    }
};

// The popup's title is the tip cut to thirty characters; a new icon size draws every picture again.
TEST_F(WindowActions, PopupTitlesAndPicturesAtTheNewIconSize) {
    HideOne(u"A window title of more than thirty characters");
    HideOne(u"  Short  ");
    EXPECT_EQ(engine.Windows().PopupTitle(Ref(1)), u"A window title of more than th");
    EXPECT_EQ(engine.Windows().PopupTitle(Ref(2)), u"Short");
    EXPECT_EQ(icons.lastSize, 16);
    IconHandle before = SlotIcon(1)->icon;
    host.iconSize = 24;
    host.pictureSet = 0x10;
    engine.OnIconSizeChanged();
    EXPECT_EQ(icons.lastSize, 24);
    EXPECT_NE(SlotIcon(1)->icon, before);
    EXPECT_EQ(icons.live, (std::set<IconHandle>{SlotIcon(1)->icon, SlotIcon(2)->icon})) << "the old pictures are destroyed";
    EXPECT_EQ(tray.Find(FakeHost::kOwnReceiver)->icon, host.PictureIcon(Picture::SomeHidden));
}

// Requests of hidewellctl: the caption as it is now, the lower slot of two alike, exact case
// first, else the one window that has it in another case; a close drops the slot at once, even
// when the window refuses. A caller that gets an answer gets no box; one that takes no answer
// gets one box at a time, and no request waits behind it.
TEST_F(WindowActions, InboxFindsWindowsByTheirCaptionNowAndClosesAtOnce) {
    WindowHandle first = HideOne(u"Same");
    HideOne(u"Same");
    HideOne(u"SAME");
    WindowHandle notepad = HideOne(u"Untitled - Notepad");
    EXPECT_EQ(engine.Windows().FindByCaption(u"Same"), Ref(1));
    EXPECT_EQ(engine.Windows().FindByCaption(u"same"), std::nullopt) << "three windows have it in another case";
    EXPECT_EQ(engine.Windows().FindByCaption(u"untitled - NOTEPAD"), Ref(4));
    // A request that comes while the restore waits on the window is asked to come again.
    bool busyMeanwhile = false;
    desktop.onShow = [&](WindowHandle, int) { busyMeanwhile = engine.Busy(); };
    EXPECT_EQ(Done, engine.OnInboxRequest({InboxCommand::Restore, u"Same"}, true));
    desktop.onShow = nullptr;
    EXPECT_TRUE(busyMeanwhile && !engine.Busy());
    EXPECT_FALSE(desktop[first].iconic);
    EXPECT_EQ(NotFound, engine.OnInboxRequest({InboxCommand::Restore, u"No Such Window"}, true));
    EXPECT_TRUE(ui.messages.empty()) << "its caller hears it from the answer";
    // Two unanswered unknown requests, the second while the first one's box is up, and a
    // restore meanwhile, which is carried out at once.
    int boxes = 0;
    ui.onMessage = [&] {
        if (++boxes > 1) return;
        EXPECT_EQ(NotFound, engine.OnInboxRequest({InboxCommand::Restore, u"Nowhere"}, false));
        EXPECT_EQ(Done, engine.OnInboxRequest({InboxCommand::Restore, u"untitled - notepad"}, true));
        EXPECT_TRUE(desktop[notepad].visible);
    };
    EXPECT_EQ(NotFound, engine.OnInboxRequest({InboxCommand::Restore, u"No Such Window"}, false));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, u"Error 909745");
    ui.onMessage = nullptr;

    // A program slow to show its window: the restore is asked, not yet done.
    WindowHandle slow = HideOne(u"Slow");
    desktop[slow].pumpDelayMs = 5000;
    EXPECT_EQ(engine.OnInboxRequest({InboxCommand::Restore, u"Slow"}, true), TrayEngine::InboxOutcome::Asked);

    WindowHandle h = HideOne(u"report.txt - Editor");
    desktop[h].caption = u"letter.txt - Editor";
    desktop[h].refusesClose = true;
    Tick();
    EXPECT_EQ(Done, engine.OnInboxRequest({InboxCommand::Close, u"letter.txt - Editor"}, true));
    EXPECT_EQ(engine.Windows().HiddenCount(), 3);  // the slow one keeps its icon until it shows
    EXPECT_EQ(engine.Records().Icons().Count(), 3);
    EXPECT_TRUE(desktop.Exists(h));
}

// A request from a program in the background cannot take the front on Windows: the window
// is restored and flashed instead; a click on the icon or an allowed request brings it up.
TEST_F(WindowActions, RestoreAndMirroredCommandsTakeTheFrontOnlyWithTheForegroundRight) {
    for (bool right : {false, true}) {
        WindowHandle h = HideOne(u"App");
        desktop.foregroundRight = right;
        desktop.flashed.clear();
        EXPECT_EQ(Done, engine.OnInboxRequest({InboxCommand::Restore, u"App"}, true));
        EXPECT_TRUE(desktop[h].visible && !desktop[h].iconic) << right;
        EXPECT_EQ(desktop.foreground == h, right);
        EXPECT_EQ(desktop.flashed, right ? std::vector<WindowHandle>{} : std::vector<WindowHandle>{h});
        Tick();
    }
    // A mirrored command hides the window again while it stays minimised, else brings it up.
    WindowHandle h = HideOne(u"Mirrored");
    engine.Windows().RunMirroredCommand(Ref(1), 0xF010);  // SC_MOVE
    desktop.Advance();
    EXPECT_FALSE(desktop[h].visible);
    desktop.foregroundRight = true;  // Hidewell's popup had the foreground
    engine.Windows().RunMirroredCommand(Ref(1), 0xF030);  // SC_MAXIMIZE
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_EQ(desktop.foreground, h);
}

// A click restores by the click option; the own icon's double click opens the configuration,
// or the task list while windows are hidden.
TEST_F(WindowActions, ClicksFollowTheClickOption) {
    engine.OnOwnIconEvent(515);
    EXPECT_TRUE(host.configurationVisible);
    WindowHandle h = HideOne(u"App");
    engine.OnOwnIconEvent(515);
    EXPECT_EQ(host.taskLists, 1);
    engine.OnWindowIconEvent(1, 513);  // double-click mode: a single click does nothing
    EXPECT_TRUE(desktop[h].iconic);
    engine.OnWindowIconEvent(1, 515);
    EXPECT_FALSE(desktop[h].iconic);

    desktop[h].iconic = true;
    SetOptions([](OptionValues& o) { o.singleClickRestores = true; });
    engine.OnWindowIconEvent(1, 513);
    EXPECT_FALSE(desktop[h].iconic);
}

// A shell that knows the icons' version sends a menu request after the right click and
// reports Enter on a focused icon; an old one sends mouse buttons only. Either way each icon
// opens its menu once, and the keyboard does what a double click does.
TEST_F(WindowActions, MenusOpenOnceAndTheKeyboardActsOnNewAndOldShells) {
    for (bool oldShell : {false, true}) {
        tray.oldShell = oldShell;
        tray.icons.clear();  // the taskbar was re-created: the own icon goes up again, on this shell
        engine.OnTaskbarCreated();
        WindowHandle h = HideOne(u"App");
        host.iconMenus.clear();
        host.ownMenus = 0;
        std::vector<int> rightClick = {0x204, 0x205};
        if (!oldShell) rightClick.push_back(0x7B);
        for (int message : rightClick) {
            engine.OnWindowIconEvent(1, message);
            engine.OnOwnIconEvent(message);
        }
        EXPECT_EQ(host.iconMenus, std::vector<int>{1}) << oldShell;
        EXPECT_EQ(host.ownMenus, 1) << oldShell;
        if (oldShell) continue;
        engine.OnOwnIconEvent(0x401);
        EXPECT_EQ(host.taskLists, 1);
        engine.OnWindowIconEvent(1, 0x400);  // a click's selection: the click itself counts
        EXPECT_TRUE(desktop[h].iconic);
        engine.OnWindowIconEvent(1, 0x401);
        EXPECT_FALSE(desktop[h].iconic);
        Tick();
    }
}

}  // namespace
}  // namespace hw::test
