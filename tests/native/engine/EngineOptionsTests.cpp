#include "engine/EngineOptions.h"
#include "engine/EngineFixture.h"
#include "settings/RunValue.h"
#include "ui/OptionsModel.h"

namespace hw::test {
namespace {

// A date icon that only counts how often it is taken away.
struct CountingDateIcon : DateIconSteps {
    void Tick(bool& rebuildRequested) override { rebuildRequested = false; }
    void RemoveIcon() override { ++removals; }
    void OnTaskbarCreated() override {}
    int removals = 0;
};

class EngineOptionsTest : public EngineTest {
protected:
    EngineOptionsTest() { engine.SetDateIcon(&dateIcon); }
    // Runs the options dialog's rules on the engine: the user changes the values, then OK or not.
    void Dialog(OptionValues chosen, bool ok) {
        OptionsModel model(options.CurrentOptions());
        model.Values() = chosen;
        model.Finish(ok);
        model.ApplyTo(options);
    }
    CountingDateIcon dateIcon;
    int& dateRemovals = dateIcon.removals;
    EngineOptions options{engine};
};

TEST_F(EngineOptionsTest, OkAppliesAtOnceCancelLeavesEverythingIncludingTheRunValue) {
    Start({{u"*", kAppIcon}}, 300);  // hand-edited below the dialog's range
    ASSERT_FALSE(StartsWithWindows(reg));
    WindowHandle app = Minimised(u"App");
    Tick();
    ASSERT_NE(tray.Find(FakeHost::kOwnReceiver), nullptr);

    const OptionValues all{true, true, true, true, 4000};
    Dialog(all, false);
    EXPECT_FALSE(StartsWithWindows(reg));
    EXPECT_EQ(options.CurrentOptions(), (OptionValues{.pollIntervalMs = 300}));
    EXPECT_EQ(dateRemovals, 0);

    Dialog(all, true);
    EXPECT_TRUE(StartsWithWindows(reg));
    EXPECT_EQ(options.CurrentOptions(), all);
    EXPECT_EQ(host.interval, 4000);
    EXPECT_EQ(dateRemovals, 1);
    // The own icon leaves at the next tick although the number of icons did not change, and
    // comes back once no window is hidden.
    Tick();
    EXPECT_EQ(tray.Find(FakeHost::kOwnReceiver), nullptr);
    desktop[app].iconic = false;
    Tick();
    EXPECT_NE(tray.Find(FakeHost::kOwnReceiver), nullptr);

    Dialog({.pollIntervalMs = 4000}, true);
    EXPECT_FALSE(StartsWithWindows(reg));
    EXPECT_TRUE(engine.DateRebuildRequested());
}

}  // namespace
}  // namespace hw::test
