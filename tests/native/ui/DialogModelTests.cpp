#include <gtest/gtest.h>

#include <set>

#include "settings/HotkeyText.h"
#include "ui/ConfigWindowModel.h"
#include "ui/EntryEditorModel.h"
#include "ui/OptionsModel.h"

namespace hw {
namespace {

EntryEditorResult Ok(const Text& title, const Text& reference) { return {true, {title, reference}}; }

// Buttons fit the rows; New selects the new row, Remove leaves the selection where it was (or
// on the last row), and the arrows are offered only where the selected row can move.
TEST(ConfigWindow, ButtonsAndSelectionKeepTheUsersPlace) {
    std::vector<Entry> entries;
    ConfigWindowModel m(entries);
    EXPECT_EQ(m.Activate(), ListButtons{});
    EXPECT_FALSE(m.OkSaves() || m.RemoveAsks() || m.EditArgs());
    EXPECT_FALSE(m.AddEntry(EntryEditorResult{}));  // cancelled
    EXPECT_TRUE(m.AddEntry(Ok(u"A", u"")));
    EXPECT_EQ(m.Activate(), (ListButtons{true, true, true, false, false}));
    EXPECT_TRUE(m.AddEntry(Ok(u"B", u"000:M.EXE")));
    EXPECT_EQ(m.Activate(), (ListButtons{true, true, true, false, true}));
    EXPECT_EQ(m.Selected(), 0u);
    EXPECT_TRUE(m.OkSaves());
    EXPECT_TRUE(m.AddEntry(Ok(u"C", u"")));
    EXPECT_EQ(m.Selected(), 2u);
    EXPECT_EQ(m.Buttons(), (ListButtons{true, true, true, true, false}));
    m.Select(1);
    EXPECT_EQ(m.Buttons(), (ListButtons{true, true, true, true, true}));
    EXPECT_TRUE(m.MoveUp());
    EXPECT_EQ(m.Buttons(), (ListButtons{true, true, true, false, true}));

    // Rows: B A C, B selected.
    EXPECT_TRUE(m.Remove(true));
    EXPECT_EQ(m.Selected(), 0u);
    EXPECT_EQ(m.SelectedIconReference(), u"");
    EXPECT_EQ(m.Rows()[m.Selected()].titlePattern, u"A");
    m.Select(1);
    EXPECT_TRUE(m.Remove(true));  // the last row: its neighbour above takes its place
    EXPECT_EQ(m.Selected(), 0u);
    EXPECT_EQ(m.Buttons(), (ListButtons{true, true, true, false, false}));
    EXPECT_TRUE(m.Remove(true));
    EXPECT_EQ(m.Selected(), ConfigWindowModel::kNone);
    EXPECT_EQ(m.Buttons(), ListButtons{});

    // A title wider than the room the list gives it shows in full as a tip.
    m.AddEntry(Ok(u"A very long title", u""));
    EXPECT_EQ(m.RowTip(0, 120, 100), u"A very long title");
    EXPECT_EQ(m.RowTip(0, 100, 100), u"");
    EXPECT_EQ(m.RowTip(1, 120, 100), u"");
    // Rows say what an entry matches when it is not the caption.
    EXPECT_EQ(ConfigWindowModel::RowText({u"*PAD*", u""}), u"*PAD*");
    EXPECT_EQ(ConfigWindowModel::RowText({u"notepad.exe", u"", false, u"program"}), u"notepad.exe  (program)");
    EXPECT_EQ(ConfigWindowModel::RowText({u"Notepad", u"", false, u"Class"}), u"Notepad  (class)");
}

TEST(ConfigWindow, EditsKeepEachTitleWithItsIcon) {
    std::vector<Entry> entries{{u"A", u"000:A.ICO"}, {u"B", u"001:B.DLL"}, {u"C", u"002:C.EXE"}};
    ConfigWindowModel m(entries);
    m.Select(1);
    auto args = m.EditArgs();
    ASSERT_TRUE(args);
    EXPECT_EQ(args->mode, EditorMode::Edit);
    EXPECT_EQ(args->entry.iconReference, u"001:B.DLL");
    EXPECT_EQ(args->above, std::vector<Entry>{entries[0]});  // what takes a window before it
    EXPECT_EQ(m.NewArgs().above, entries);
    EXPECT_TRUE(m.ApplyEdit(Ok(u"B2", u"")));

    EXPECT_TRUE(m.MoveDown());
    EXPECT_FALSE(m.MoveDown());  // already last
    EXPECT_EQ(m.Rows(), (std::vector<Entry>{{u"A", u"000:A.ICO"}, {u"C", u"002:C.EXE"}, {u"B2", u""}}));
    m.Select(1);
    EXPECT_TRUE(m.MoveUp());
    EXPECT_FALSE(m.MoveUp());  // already first
    EXPECT_EQ(m.SelectedIconReference(), u"002:C.EXE");

    // Removing the middle one of three keeps the third title with its own icon.
    m.Select(1);
    EXPECT_FALSE(m.Remove(false));  // No to the question
    EXPECT_EQ(m.Rows().size(), 3u);
    EXPECT_TRUE(m.Remove(true));
    EXPECT_EQ(m.Rows(), (std::vector<Entry>{{u"C", u"002:C.EXE"}, {u"B2", u""}}));
    m.Select(ConfigWindowModel::kNone);
    EXPECT_FALSE(m.MoveUp());
    EXPECT_FALSE(m.MoveDown());
    EXPECT_FALSE(m.Remove(true));
}

EntryEditorModel Opened(EditorMode mode, const Text& title, const Text& reference) {
    EntryEditorModel m;
    m.Open({mode, {title, reference}, {}});
    return m;
}

TEST(EntryEditor, OpensWithTheCheckBoxAndIconFieldOfTheEntry) {
    EntryEditorModel created = Opened(EditorMode::New, u"", u"");
    EXPECT_TRUE(created.ShowIcon());
    EXPECT_EQ(created.Caption(), u"New");
    EXPECT_EQ(created.Help(), HelpContext::NewEntry);

    EntryEditorModel withIcon = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    EXPECT_TRUE(withIcon.ShowIcon());
    EXPECT_EQ(withIcon.IconText(), u"C:\\X\\Y.DLL");
    EXPECT_EQ(withIcon.Preview(), u"005:C:\\X\\Y.DLL");
    EXPECT_EQ(withIcon.Help(), HelpContext::EditEntry);

    EXPECT_FALSE(Opened(EditorMode::Edit, u"*PAD*", u"").ShowIcon());
}

TEST(EntryEditor, IconFieldAndBrowseRebuildTheReferenceOnlyWhenChanged) {
    EntryEditorModel m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    // Tabbing through the field, or Enter in it, keeps the icon chosen before.
    m.OnIconLeave();
    m.OnIconEnter();
    EXPECT_EQ(m.IconReference(), u"005:C:\\X\\Y.DLL");
    m.SetIconText(u"C:\\X\\Y.DL");
    m.SetIconText(u"C:\\X\\Y.DLL");  // typed back as it was
    m.OnIconLeave();
    EXPECT_EQ(m.IconReference(), u"005:C:\\X\\Y.DLL");
    EXPECT_EQ(m.OnOk({}).message, u"");
    EXPECT_EQ(m.Result().entry.iconReference, u"005:C:\\X\\Y.DLL");

    m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    m.SetIconText(u"");
    EXPECT_EQ(m.Preview(), u"005:C:\\X\\Y.DLL");  // still there until a key goes into the empty field
    m.SetIconText(u"D:\\A.ICO");
    EXPECT_EQ(m.Preview(), u"");
    m.OnIconEnter();
    EXPECT_EQ(m.IconReference(), u"000:D:\\A.ICO");
    EXPECT_EQ(m.Preview(), u"000:D:\\A.ICO");
    EXPECT_FALSE(m.Finished());  // Enter does not close the dialog
    // Paths are kept whole, however long.
    Text longPath = u"C:\\" + Text(300, u'x') + u".ico";
    m.SetIconText(longPath);
    m.OnIconLeave();
    EXPECT_EQ(m.IconReference(), u"000:" + longPath);

    // Browsing starts at Explorer; cancelling the picker keeps what was there.
    m = Opened(EditorMode::New, u"", u"");
    EXPECT_EQ(m.BeginBrowse(u"C:\\WINDOWS"), u"000:C:\\WINDOWS\\explorer.exe");
    m.EndBrowse(std::nullopt);
    EXPECT_EQ(m.IconReference(), u"");

    EXPECT_EQ(m.BeginBrowse(u"C:\\WINDOWS"), u"000:C:\\WINDOWS\\explorer.exe");
    m.EndBrowse(u"005:C:\\LIB\\SHELL.DLL");
    EXPECT_EQ(m.IconReference(), u"005:C:\\LIB\\SHELL.DLL");
    EXPECT_EQ(m.IconText(), u"C:\\LIB\\SHELL.DLL");
    EXPECT_EQ(m.Preview(), u"005:C:\\LIB\\SHELL.DLL");

    // With a reference in place, cancelling the picker keeps it.
    EXPECT_EQ(m.BeginBrowse(u"C:\\WINDOWS"), u"005:C:\\LIB\\SHELL.DLL");
    m.EndBrowse(std::nullopt);
    EXPECT_EQ(m.IconReference(), u"005:C:\\LIB\\SHELL.DLL");
}

TEST(EntryEditor, DropTakesIconSourcesOnly) {
    const std::pair<const char16_t*, bool> names[] = {
        {u"C:\\A\\B.ICO", true},     {u"C:\\x.dll.old\\readme.txt", true}, {u"C:\\Prog.Exe", true},
        {u"C:\\A\\notes.txt", false}, {u"C:\\exe\\dll", false},
    };
    for (auto [name, taken] : names) {
        EntryEditorModel m = Opened(EditorMode::Edit, u"*PAD*", u"");
        EXPECT_EQ(m.OnDrop(name), taken) << std::string(name, name + std::char_traits<char16_t>::length(name));
        EXPECT_EQ(m.ShowIcon(), taken);
        EXPECT_EQ(m.IconReference(), taken ? u"000:" + Text(name) : Text());
    }
}

TEST(EntryEditor, OkRefusesWhatCanNeverMatchAsksAboutWarningsAndDropsTheIconWhenUnchecked) {
    EntryEditorModel m = Opened(EditorMode::New, u"", u"");
    EXPECT_EQ(m.OnOk({}).message, kNeedTitleMessage);
    m.SetTitle(u"[Z-A]*");
    const Text refusal = u"This title has a range from Z to A and can never match a window.";
    EXPECT_EQ(m.OnOk({refusal, u"", u""}).message, refusal);
    EXPECT_FALSE(m.Finished());
    m.SetTitle(u"*");
    EntryEditorModel::OkReply reply = m.OnOk({u"", u"Matches 2 open windows: a, b", u"This title matches every window."});
    EXPECT_TRUE(reply.question);
    EXPECT_EQ(reply.message, u"This title matches every window.\n\nKeep this title?");
    EXPECT_FALSE(m.Finished());  // No keeps the dialog open
    m.KeepTitle();
    EXPECT_EQ(m.Result().entry.titlePattern, u"*");
    // Ticked with no file chosen: the window's own icon, which the editor shows as such.
    EXPECT_EQ(m.Result().entry.iconReference, kWindowIconReference);
    EXPECT_EQ(Opened(EditorMode::Edit, u"*", kWindowIconReference).IconText(), u"");
    EXPECT_TRUE(Opened(EditorMode::Edit, u"*", kWindowIconReference).ShowIcon());
    EXPECT_TRUE(Opened(EditorMode::Edit, u"*", u"").IconReference().empty()) << "stored: no icon stays no icon";
    EXPECT_TRUE(m.Result().ok);

    m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    m.SetShowIcon(false);
    // The entry travels whole: every field the dialog binds comes back as set.
    m.Edited().hideOnAppear = true;
    m.Edited().matchBy = u"Program";
    EXPECT_EQ(m.OnOk({u"", u"Matches no open window.", u""}).message, u"");
    EXPECT_EQ(m.Result().entry, (Entry{u"*PAD*", u"", true, u"Program"}));
    m.Open({EditorMode::Edit, {u"*PAD*", u"", false, u"Window"}, {}});  // a kind this version does not know
    EXPECT_EQ(m.Edited().matchBy, u"Window");
    const Text unknown = u"This entry matches by \"Window\", which Hidewell does not know, and can never match a window.";
    EXPECT_EQ(m.OnOk({unknown, u"", u""}).message, unknown);
    EXPECT_FALSE(m.Finished());

    m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    m.SetTitle(u"*PAD");
    m.OnCancel();
    EXPECT_TRUE(m.Finished());
    EXPECT_FALSE(m.Result().ok);
    EXPECT_EQ(m.Result().entry.titlePattern, u"");
}

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

TEST(OptionsDialog, ResponseTimeLabelAndRange) {
    const std::pair<int, const char16_t*> cases[] = {
        {500, u".5"}, {1500, u"1.5"}, {3000, u"3."}, {10000, u"10."}, {1250, u"1.3"}, {9960, u"10."}, {1040, u"1."},
    };
    for (auto [ms, text] : cases) EXPECT_EQ(ResponseTimeText(ms), text) << ms;
    EXPECT_EQ(OptionsModel(Interval(3000)).ResponseTimeLabel(), u"Response &Time : 3.");

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
