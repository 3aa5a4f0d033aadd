#include "StoreFixture.h"
#include "settings/RunValue.h"

namespace hw::test {
namespace {

TEST_F(StoreTest, CheckingWritesTheUsersRunValueAndUncheckingRemovesBoth) {
    for (bool machineWritable : {true, false}) {
        reg = MemoryRegistry();  // no user Run key yet
        reg.PlantText(kHkeyLocalMachine, kRunKey, kRunValueName, u"C:\\Old\\Hidewell");
        if (!machineWritable) reg.readOnlyRoots.insert(kHkeyLocalMachine);
        EXPECT_TRUE(store.SetStartWithWindows(true));
        EXPECT_EQ(RunText(kHkeyCurrentUser), u"\"C:\\Tools\\Hidewell.exe\" /startup");
        // A value the user may not remove is reported, and the option shows what is stored.
        EXPECT_EQ(store.SetStartWithWindows(false), machineWritable);
        EXPECT_EQ(RunText(kHkeyCurrentUser), std::nullopt);
        EXPECT_EQ(StartsWithWindows(reg), !machineWritable);
        EXPECT_EQ(model.startWithWindows, !machineWritable);
    }
}

// Either key's value counts unless empty or NULs; loading writes nothing.
TEST_F(StoreTest, LoadCountsAUsableValueInEitherKey) {
    const Text nul(1, u'\0');
    const std::tuple<std::optional<Text>, std::optional<Text>, bool> cases[] = {
        {std::nullopt, std::nullopt, false}, {u"", std::nullopt, false},            {nul, nul, false},
        {std::nullopt, u"C:\\A\\H", true},   {u"\"C:\\H\"" + nul, std::nullopt, true}, {nul, u"x", true},
    };
    for (const auto& [user, machine, checked] : cases) {
        ResetRegistry();
        PlantSettings({});
        if (user) reg.PlantText(kHkeyCurrentUser, kRunKey, kRunValueName, *user);
        if (machine) reg.PlantText(kHkeyLocalMachine, kRunKey, kRunValueName, *machine);
        model.startWithWindows = !checked;
        store.Load();
        EXPECT_EQ(model.startWithWindows, checked);
        EXPECT_EQ(RunText(kHkeyCurrentUser), user);
    }
}

// The Run value's argument tells Hidewell it starts with Windows; a value written before the
// argument existed, or a start by hand, carries none.
TEST(RunValue, TheArgumentSaysHidewellStartsWithWindows) {
    const std::pair<Text, bool> cases[] = {
        {u"\"C:\\Program Files\\Hidewell\\Hidewell.exe\" /startup", true},
        {u"C:\\Tools\\Hidewell.exe  /startup ", true},
        {u"\"C:\\Program Files\\Hidewell\\Hidewell.exe\"", false},
        {u"\"C:\\Tools\\startup /startup\\Hidewell.exe\"", false},
        {u"\"C:\\Tools\\Hidewell.exe\" /startupx", false},
        {u"/startup", false},
        {u"", false},
    };
    for (const auto& [commandLine, withWindows] : cases)
        EXPECT_EQ(StartedWithWindows(commandLine), withWindows) << std::string(commandLine.begin(), commandLine.end());
}

}  // namespace
}  // namespace hw::test
