// A save cut off after any number of writes leaves the old or new title and icon at every index,
// and reports success only when everything was stored.
#include "StoreFixture.h"

namespace hw::test {
namespace {

bool EitherHas(const Entries& a, const Entries& b, std::size_t i, const Text& t, bool icon) {
    auto has = [&](const Entries& e) { return i < e.size() && t == (icon ? e[i].iconReference : e[i].titlePattern); };
    return has(a) || has(b);
}

TEST_F(StoreTest, SaveCutShortLeavesOldOrNewEntries) {
    const std::pair<Entries, Entries> cases[] = {  // stored, saved
        {{{u"*1*", u"a"}, {u"*2*", u"b"}, {u"*3*", u"c"}, {u"*4*", u"d"}, {u"*5*", u"e"}}, {{u"*2*", u"b"}, {u"*4*", u"x"}}},
        {{{u"*1*", u"a"}}, {{u"*1*", u"a"}, {u"*2*", u""}, {u"*3*", u"c"}}},
        {{{u"*1*", u"a"}, {u"*2*", u"b"}}, {{u"*2*", u"b"}, {u"*1*", u"a"}}},
        {{{u"*1*", u"a"}}, {}},
    };
    for (const auto& [stored, saved] : cases) {
        ResetRegistry();
        PlantSettings(stored);
        const MemoryRegistry planted = reg;
        model = Settings();
        model.entries = saved;
        for (int writes = 0;; ++writes) {
            reg = planted;
            reg.writesLeft = writes;
            bool done = store.Save();
            bool finished = reg.writesLeft > 0;
            reg.writesLeft = -1;
            Settings loaded = Reload();
            const Texts titles = Titles(loaded), icons = Icons(loaded);
            EXPECT_TRUE(titles.size() == stored.size() || titles.size() == saved.size()) << writes;
            for (std::size_t i = 0; i < titles.size(); ++i)
                EXPECT_TRUE(EitherHas(stored, saved, i, titles[i], false) &&
                            EitherHas(stored, saved, i, icons[i], true)) << writes;
            if (!finished) {
                EXPECT_TRUE(!done || loaded.entries == model.entries) << "reported done, stored less: " << writes;
                continue;
            }
            EXPECT_TRUE(done);
            EXPECT_EQ(loaded.entries, model.entries);
            break;
        }
    }
}

}  // namespace
}  // namespace hw::test
