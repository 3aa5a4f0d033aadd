// The engine's parts on their own: a tray icon, the journal of hidden windows.
#include <gtest/gtest.h>

#include "engine/HiddenJournal.h"
#include "engine/TrayIcon.h"
#include "fakes/FakeShell.h"
#include "fakes/MemoryRegistry.h"

namespace hw::test {
namespace {

TEST(TrayIcon, AddsOnlyWithReceiverAndIconThenChangesOneFieldAtATime) {
    FakeNotifyArea shell;
    {
        TrayIcon icon(shell);
        icon.SetTip(Text(u"Tip") + u'\0');
        EXPECT_EQ(icon.Tip(), Text(u"Tip") + u'\0' + Text(60, u' '));  // the tip field: 64 characters, padded
        icon.SetReceiver(WindowHandle{0x700});
        EXPECT_FALSE(icon.Show());
        icon.Readd();  // not shown: nothing
        EXPECT_TRUE(shell.calls.empty());

        icon.SetIcon(IconHandle{0x42});
        EXPECT_TRUE(icon.Show());
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].action, kNimAdd);
        EXPECT_EQ(shell.calls[0].record.changes, 7u);
        EXPECT_EQ(FakeNotifyArea::ShownTip(shell.icons.at(0)), u"Tip");

        icon.SetTip(Text(70, u'x'));
        EXPECT_EQ(shell.calls.back().action, kNimModify);
        EXPECT_EQ(shell.calls.back().record.changes, static_cast<std::uint32_t>(kNifTip));
        EXPECT_EQ(icon.Tip(), Text(64, u'x'));
        icon.SetIcon(IconHandle{0x43});
        EXPECT_EQ(shell.calls.back().record.changes, static_cast<std::uint32_t>(kNifIcon));
        EXPECT_EQ(shell.icons.at(0).icon, IconHandle{0x43});

        // A notice of Hidewell's own accord waits for the user's quiet time to end.
        EXPECT_TRUE(icon.ShowBalloon(u"Hidewell", u"Notice"));
        EXPECT_EQ(shell.calls.back().record.changes, static_cast<std::uint32_t>(kNifInfo));
        EXPECT_TRUE(shell.calls.back().record.respectQuietTime);

        shell.icons.clear();  // the taskbar was re-created
        icon.Readd();
        EXPECT_NE(shell.Find(WindowHandle{0x700}), nullptr);
        icon.Remove();
        EXPECT_FALSE(icon.ShowBalloon(u"Hidewell", u"Notice"));
        std::size_t calls = shell.calls.size();
        icon.SetTip(u"Later");  // only stored while not shown
        EXPECT_EQ(shell.calls.size(), calls);
        icon.Remove();  // deletes whether shown or not
        EXPECT_EQ(shell.calls.back().action, kNimDelete);
        icon.Show();
    }
    EXPECT_EQ(shell.Find(WindowHandle{0x700}), nullptr) << "gone with its owner";
}

const Text kJournalKey = u"Software\\Pellworth\\Hidewell\\Hidden";

TEST(HiddenJournal, KeepsRecordsUntilRemovedAndSkipsDamagedOnes) {
    MemoryRegistry reg;
    HiddenJournal journal(reg, kJournalKey);
    EXPECT_TRUE(journal.Read().empty());
    EXPECT_TRUE(journal.Remove(WindowHandle{0x1234}));  // no journal yet

    const JournalRecord a{WindowHandle{0x1234}, 77, 1, u"Notepad", u"Untitled - Notepad"};
    const JournalRecord b{WindowHandle{0x99AABB}, 4000000000u, 4000000001u, u"A 3 B", u""};
    // A record of a run that did not yet write its session.
    const JournalRecord old{WindowHandle{0x55}, 12, 0, u"Edit", u"Old"};
    ASSERT_TRUE(journal.Add(a));
    ASSERT_TRUE(journal.Add(b));
    reg.PlantText(kHkeyCurrentUser, kJournalKey, u"85", u"12 4 EditOld");
    reg.PlantText(kHkeyCurrentUser, kJournalKey, u"5", u"12 x");          // damaged text
    reg.PlantText(kHkeyCurrentUser, kJournalKey, u"7", u"12 s 4 EditOld"); // damaged session
    reg.PlantText(kHkeyCurrentUser, kJournalKey, u"nohandle", u"1 0 ");   // damaged name
    reg.Plant(kHkeyCurrentUser, kJournalKey, u"6", kRegDword, {1, 0, 0, 0});
    EXPECT_EQ(journal.Read(), (std::vector<JournalRecord>{old, a, b}));

    EXPECT_TRUE(journal.Remove(a.window));
    EXPECT_TRUE(journal.Remove(old.window));
    EXPECT_EQ(journal.Read(), (std::vector<JournalRecord>{b}));
    EXPECT_EQ(reg.OpenHandles(), 0);
}

}  // namespace
}  // namespace hw::test
