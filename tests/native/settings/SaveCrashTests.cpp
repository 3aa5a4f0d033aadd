// A save cut off after any number of writes leaves, at every index, the old or the new entry.
#include "StoreFixture.h"

namespace hw::test {
namespace {

struct CrashCase {
    Entries before;
    Entries after;
};

bool IsOneOf(const Text& t, const Entries& a, const Entries& b, std::size_t i, bool title) {
    auto part = [&](const Entries& e) { return title ? e[i].first : e[i].second; };
    return (i < a.size() && t == part(a)) || (i < b.size() && t == part(b));
}

TEST_F(StoreTest, SaveCutShortLeavesOldOrNewEntries) {
    const CrashCase cases[] = {
        {{{u"*1*", u"a"}, {u"*2*", u"b"}, {u"*3*", u"c"}, {u"*4*", u"d"}, {u"*5*", u"e"}}, {{u"*2*", u"b"}, {u"*4*", u"x"}}},
        {{{u"*1*", u"a"}}, {{u"*1*", u"a"}, {u"*2*", u""}, {u"*3*", u"c"}}},
        {{{u"*1*", u"a"}, {u"*2*", u"b"}}, {{u"*2*", u"b"}, {u"*1*", u"a"}}},
        {{}, {{u"*1*", u"a"}}},
        {{{u"*1*", u"a"}}, {}},
    };
    for (const CrashCase& c : cases) {
        ResetRegistry();
        PlantCurrentSettings();
        PlantEntries(c.before);
        const MemoryRegistry before = reg;
        model.ApplicationsList.clear();
        model.EntryIcons.clear();
        for (const auto& [title, icon] : c.after) {
            model.ApplicationsList.push_back(title);
            model.EntryIcons.push_back(icon);
        }
        for (int writes = 0;; ++writes) {
            reg = before;
            reg.writesLeft = writes;
            store.SaveRegEdit();
            bool finished = reg.writesLeft > 0;
            reg.writesLeft = -1;
            SettingsModel loaded = Reload();
            const auto& titles = loaded.ApplicationsList;
            EXPECT_TRUE(titles.size() == c.before.size() || titles.size() == c.after.size()) << writes;
            for (std::size_t i = 0; i < titles.size(); ++i) {
                EXPECT_TRUE(IsOneOf(titles[i], c.before, c.after, i, true)) << writes;
                EXPECT_TRUE(IsOneOf(loaded.EntryIcons[i], c.before, c.after, i, false)) << writes;
            }
            if (finished) {
                EXPECT_EQ(titles, model.ApplicationsList);
                EXPECT_EQ(loaded.EntryIcons, model.EntryIcons);
                break;
            }
        }
    }
}

}  // namespace
}  // namespace hw::test
