#include <gtest/gtest.h>

#include "engine/HiddenJournal.h"
#include "fakes/MemoryRegistry.h"

namespace hw::test {
namespace {

const Text kJournalKey = u"Software\\Pellworth\\Hidewell\\Hidden";

TEST(HiddenJournal, KeepsRecordsUntilRemovedOrClearedAndSkipsDamagedOnes) {
    MemoryRegistry reg;
    HiddenJournal journal(reg, kJournalKey);
    EXPECT_TRUE(journal.Read().empty());
    EXPECT_TRUE(journal.Remove(0x1234));  // no journal yet

    const JournalRecord a{0x1234, 77, 1, u"Notepad", u"Untitled - Notepad"};
    const JournalRecord b{0x99AABB, 4000000000u, 4000000001u, u"A 3 B", u""};
    // A record of a run that did not yet write its session.
    const JournalRecord old{0x55, 12, 0, u"Edit", u"Old"};
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
    EXPECT_TRUE(journal.Clear());
    EXPECT_TRUE(journal.Read().empty());
    EXPECT_FALSE(reg.TextOf(kHkeyCurrentUser, kJournalKey, u"nohandle"));
    EXPECT_EQ(reg.OpenHandles(), 0);
}

}  // namespace
}  // namespace hw::test
