#include "StoreFixture.h"
#include "settings/RunValue.h"

namespace hw::test {
namespace {

TEST_F(StoreTest, CheckingWritesTheUsersRunValueAndUncheckingRemovesBoth) {
    for (bool machineWritable : {true, false}) {
        reg = MemoryRegistry();  // no user Run key yet
        reg.PlantText(kHkeyLocalMachine, kRunKey, kRunValueName, u"C:\\Old\\Hidewell");
        if (!machineWritable) reg.readOnlyRoots.insert(kHkeyLocalMachine);
        store.SetChkAuto(1);
        EXPECT_EQ(RunText(kHkeyCurrentUser), u"\"C:\\Tools\\Hidewell.exe\"");
        store.SetChkAuto(0);
        EXPECT_EQ(RunText(kHkeyCurrentUser), std::nullopt);
        EXPECT_EQ(StartsWithWindows(reg), !machineWritable);
    }
}

// Either key's value counts unless empty or NULs; the "Update" tag keeps loading from writing.
TEST_F(StoreTest, LoadCountsAUsableValueInEitherKey) {
    const Text nul(1, u'\0');
    const std::tuple<std::optional<Text>, std::optional<Text>, int> cases[] = {
        {std::nullopt, std::nullopt, 0}, {u"", std::nullopt, 0},            {nul, nul, 0},
        {std::nullopt, u"C:\\A\\H", 1},  {u"\"C:\\H\"" + nul, std::nullopt, 1}, {nul, u"x", 1},
    };
    for (const auto& [user, machine, checked] : cases) {
        ResetRegistry();
        PlantSettings({});
        if (user) reg.PlantText(kHkeyCurrentUser, kRunKey, kRunValueName, *user);
        if (machine) reg.PlantText(kHkeyLocalMachine, kRunKey, kRunValueName, *machine);
        model.chkAuto = 1 - checked;
        store.LoadRegEdit();
        EXPECT_EQ(model.chkAuto, checked);
        EXPECT_EQ(RunText(kHkeyCurrentUser), user);
    }
}

}  // namespace
}  // namespace hw::test
