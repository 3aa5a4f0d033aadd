#include <gtest/gtest.h>

#include "ui/OptionsModel.h"

namespace hw {
namespace {

// Live options that log each effect in the order it happens.
struct RecordingTarget : OptionsTarget {
    OptionValues live;
    std::vector<std::string> log;
    OptionValues CurrentOptions() override { return live; }
    bool SetStartWithWindows(bool on) override { return Note("run", live.startWithWindows = on); }
    void SetHideOwnIcon(bool on) override { Note("hide", live.hideOwnIcon = on); }
    void SetSingleClickRestores(bool on) override { Note("single", live.singleClickRestores = on); }
    void SetPollInterval(int ms) override { Note("interval", (live.pollIntervalMs = ms) != 0); }
    void SetHideDateIcon(bool on) override { Note("hidedate", live.hideDateIcon = on); }
    void RemoveDateIcon() override { Note("remove-date", true); }
    void RefreshDateIcon() override { Note("refresh-date", true); }
    void RefreshOwnIcon() override { Note("refresh-own", true); }
    bool Note(const char* what, bool) {
        log.push_back(what);
        return true;
    }
};

TEST(OptionsDialog, ResponseTimeLabelAndRange) {
    const std::pair<int, const char16_t*> cases[] = {
        {500, u".5"}, {1500, u"1.5"}, {3000, u"3."}, {10000, u"10."}, {1250, u"1.3"}, {9960, u"10."}, {1040, u"1."},
    };
    for (auto [ms, text] : cases) EXPECT_EQ(ResponseTimeText(ms), text) << ms;
    EXPECT_EQ(OptionsModel({.pollIntervalMs = 3000}).ResponseTimeLabel(), u"Response &Time : 3.");

    OptionsModel m({.pollIntervalMs = 200});  // hand-edited below the dialog's range
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

TEST(OptionsDialog, OkCopiesBackChangedOptionsInOrderCancelNothing) {
    RecordingTarget target;
    target.live = {.startWithWindows = true, .pollIntervalMs = 200};
    OptionsModel changed(target.live);
    changed.Values() = {false, true, true, true, 4000};
    changed.Finish(false);
    changed.Finish(true);  // only the first exit counts
    EXPECT_TRUE(changed.ApplyTo(target));
    EXPECT_TRUE(target.log.empty());

    OptionsModel ok(target.live);
    ok.Values() = {false, true, true, true, 4000};
    ok.Finish(true);
    ok.ApplyTo(target);
    EXPECT_EQ(target.log, (std::vector<std::string>{"hide", "run", "single", "interval", "hidedate", "remove-date",
                                                     "refresh-own"}));
    EXPECT_EQ(target.live, ok.Values());

    // OK without a change: nothing set, the Run value untouched, date and own icon refreshed.
    target.log.clear();
    target.live.hideDateIcon = false;
    OptionsModel same(target.live);
    same.Finish(true);
    same.ApplyTo(target);
    EXPECT_EQ(target.log, (std::vector<std::string>{"refresh-date", "refresh-own"}));
}

}  // namespace
}  // namespace hw
