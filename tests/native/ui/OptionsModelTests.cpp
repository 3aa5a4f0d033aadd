#include <gtest/gtest.h>

#include "ui/OptionsModel.h"

namespace hw {
namespace {

// Live options that log each call.
struct RecordingTarget : OptionsTarget {
    OptionValues live;
    std::vector<std::string> log;
    bool runValueWorks = true;
    OptionValues CurrentOptions() override { return live; }
    bool SetStartWithWindows(bool on) override {
        log.push_back("run");
        if (runValueWorks) live.startWithWindows = on;
        return runValueWorks;
    }
    void ApplyOptions(const OptionValues& options) override {
        log.push_back("apply");
        const bool run = live.startWithWindows;
        live = options;
        live.startWithWindows = run;
    }
};

OptionValues Interval(int ms) {
    OptionValues v;
    v.pollIntervalMs = ms;
    return v;
}

TEST(OptionsDialog, ResponseTimeLabel) {
    const std::pair<int, const char16_t*> cases[] = {
        {500, u".5"}, {1500, u"1.5"}, {3000, u"3."}, {10000, u"10."}, {1250, u"1.3"}, {9960, u"10."}, {1040, u"1."},
    };
    for (auto [ms, text] : cases) EXPECT_EQ(ResponseTimeText(ms), text) << ms;
    EXPECT_EQ(OptionsModel(Interval(3000)).ResponseTimeLabel(), u"Response &Time : 3.");
}

TEST(OptionsDialog, IntervalStaysInRange) {
    OptionsModel m(Interval(200));  // hand-edited below the dialog's range
    EXPECT_EQ(m.Values().pollIntervalMs, 500);
    m.Step(ScrollStep::LineUp);
    EXPECT_EQ(m.Values().pollIntervalMs, 500);
    m.Step(ScrollStep::PageDown);
    m.Step(ScrollStep::LineDown);
    EXPECT_EQ(m.Values().pollIntervalMs, 2000);
    m.SetInterval(9700);
    m.Step(ScrollStep::PageDown);
    EXPECT_EQ(m.Values().pollIntervalMs, 10000);
}

TEST(OptionsDialog, OkHandsTheOptionsBackCancelNothing) {
    RecordingTarget target;
    target.live = Interval(200);
    target.live.startWithWindows = true;
    OptionValues chosen = Interval(4000);
    chosen.hideOwnIcon = chosen.hideDateIcon = chosen.singleClickRestores = true;

    OptionsModel cancelled(target.live);
    cancelled.Values() = chosen;
    cancelled.Finish(false);
    cancelled.Finish(true);  // only the first exit counts
    EXPECT_TRUE(cancelled.ApplyTo(target));
    EXPECT_TRUE(target.log.empty());

    OptionsModel ok(target.live);
    ok.Values() = chosen;
    ok.Finish(true);
    EXPECT_TRUE(ok.ApplyTo(target));
    EXPECT_EQ(target.log, (std::vector<std::string>{"run", "apply"}));
    EXPECT_EQ(target.live, chosen);

    // The Run value is touched only when it changes; when it cannot be, OK says so.
    target.log.clear();
    OptionsModel same(target.live);
    same.Finish(true);
    same.ApplyTo(target);
    EXPECT_EQ(target.log, (std::vector<std::string>{"apply"}));
    target.runValueWorks = false;
    OptionsModel refused(target.live);
    refused.Values().startWithWindows = true;
    refused.Finish(true);
    EXPECT_FALSE(refused.ApplyTo(target));
}

}  // namespace
}  // namespace hw
