#include <gtest/gtest.h>

#include <set>

#include "settings/HotkeyText.h"
#include "ui/OptionsModel.h"

namespace hw {
namespace {

// Live options that log each call.
struct RecordingTarget : OptionsTarget {
    OptionValues live;
    std::vector<std::string> log;
    bool runValueWorks = true;
    std::set<Text> takenElsewhere;
    std::uint32_t TryHotkey(const Hotkey& hotkey) override {
        const Text text = HotkeyText(hotkey);
        log.push_back("try " + std::string(text.begin(), text.end()));
        return takenElsewhere.count(text) ? kErrorHotkeyTaken : 0;
    }
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

// OK tries each changed hotkey: one taken or chosen twice keeps the dialog open, one that
// Windows keeps or programs use asks first; an unchanged or cleared one is not tried.
TEST(OptionsDialog, OkTriesChangedHotkeys) {
    RecordingTarget target;
    target.live.hotkeyRestore = u"Ctrl+Alt+R";
    target.takenElsewhere = {u"Ctrl+Alt+M", u"Ctrl+Alt+R"};
    OptionsModel m(target.live);
    EXPECT_EQ(m.HotkeyShown(HotkeyAction::Restore), ReadHotkey(u"Ctrl+Alt+R").hotkey);
    m.SetHotkey(HotkeyAction::Hide, ReadHotkey(u"ctrl+alt+h").hotkey);
    m.SetHotkey(HotkeyAction::Menu, ReadHotkey(u"Ctrl+Alt+M").hotkey);
    OptionsModel::OkReply reply = m.OnOk(target);
    EXPECT_NE(reply.message.find(u"Ctrl+Alt+M is taken by another program"), Text::npos);
    EXPECT_FALSE(reply.question);
    EXPECT_FALSE(m.Finished());
    EXPECT_EQ(target.log, (std::vector<std::string>{"try Ctrl+Alt+H", "try Ctrl+Alt+M"}));

    m.SetHotkey(HotkeyAction::Menu, ReadHotkey(u"Ctrl+Alt+H").hotkey);
    EXPECT_NE(m.OnOk(target).message.find(u"chosen for two hotkeys"), Text::npos);

    target.log.clear();
    m.SetHotkey(HotkeyAction::Menu, Hotkey{});
    m.SetHotkey(HotkeyAction::Hide, ReadHotkey(u"Ctrl+C").hotkey);
    reply = m.OnOk(target);
    EXPECT_TRUE(reply.question);
    EXPECT_NE(reply.message.find(u"Ctrl+C is Copy"), Text::npos) << std::string(reply.message.begin(), reply.message.end());
    EXPECT_EQ(target.log, (std::vector<std::string>{"try Ctrl+C"}));
    m.KeepHotkeys();
    EXPECT_TRUE(m.Accepted());
    EXPECT_EQ(m.Values().hotkeyHide, u"Ctrl+C");
    EXPECT_EQ(m.Values().hotkeyMenu, u"");
}

}  // namespace
}  // namespace hw
