#include "StoreFixture.h"
#include "settings/RunValue.h"

namespace hw::test {
namespace {

const Text kQuoted = u"\"C:\\Tools\\Hidewell.exe\"";

TEST_F(StoreTest, CheckingWritesTheUsersRunValueUnlessUpdating) {
    model.chkAutoTag = u"Update";
    store.SetChkAuto(1);
    EXPECT_EQ(model.chkAuto, 1);
    EXPECT_EQ(RunText(kHkeyCurrentUser), std::nullopt);

    reg = MemoryRegistry();  // no Run key yet
    model.chkAutoTag.clear();
    store.SetChkAuto(0);
    store.SetChkAuto(1);
    EXPECT_EQ(RunText(kHkeyCurrentUser), kQuoted);
    EXPECT_EQ(RunText(kHkeyLocalMachine), std::nullopt);
}

TEST_F(StoreTest, UncheckingRemovesBothValuesAsFarAsAllowed) {
    for (bool machineWritable : {true, false}) {
        if (machineWritable) reg.readOnlyRoots.clear();
        reg.PlantText(kHkeyCurrentUser, kRunKey, kRunValueName, kQuoted);
        reg.PlantText(kHkeyLocalMachine, kRunKey, kRunValueName, u"C:\\Old\\Hidewell");
        model.chkAuto = 1;
        store.SetChkAuto(0);
        EXPECT_EQ(RunText(kHkeyCurrentUser), std::nullopt);
        EXPECT_EQ(StartsWithWindows(reg), !machineWritable);
        ResetRegistry();
    }
}

TEST_F(StoreTest, LoadCountsAUsableValueInEitherKey) {
    const Text nul(1, u'\0');
    const std::tuple<std::optional<Text>, std::optional<Text>, int> cases[] = {
        {std::nullopt, std::nullopt, 0}, {u"", std::nullopt, 0},          {nul, nul, 0},
        {std::nullopt, u"C:\\A\\H", 1},  {kQuoted + nul, std::nullopt, 1}, {nul, u"x", 1},
    };
    for (const auto& [user, machine, checked] : cases) {
        ResetRegistry();
        PlantCurrentSettings();
        if (user) reg.PlantText(kHkeyCurrentUser, kRunKey, kRunValueName, *user);
        if (machine) reg.PlantText(kHkeyLocalMachine, kRunKey, kRunValueName, *machine);
        model.chkAuto = 1 - checked;
        store.LoadRegEdit();
        EXPECT_EQ(model.chkAuto, checked);
        EXPECT_EQ(RunText(kHkeyCurrentUser), user);  // loading only reads the Run keys
    }
}

}  // namespace
}  // namespace hw::test
