#include <gtest/gtest.h>

#include "ui/ConfigWindowModel.h"

namespace hw {
namespace {

EntryEditorResult Ok(const Text& title, const Text& reference) { return {true, title, reference}; }

TEST(ConfigWindow, ActivationEnablesWhatFitsTheRows) {
    std::vector<Entry> entries;
    ConfigWindowModel m(entries);
    EXPECT_EQ(m.Activate(), (ListButtons{false, false, false, false, false}));
    EXPECT_FALSE(m.OkSaves());
    EXPECT_FALSE(m.RemoveAsks());
    EXPECT_FALSE(m.EditArgs());

    EXPECT_FALSE(m.AddEntry(EntryEditorResult{}));  // cancelled
    EXPECT_TRUE(m.AddEntry(Ok(u"*PAD*", u"")));
    EXPECT_EQ(m.Activate(), (ListButtons{true, true, true, false, false}));
    EXPECT_TRUE(m.AddEntry(Ok(u"*MAIL*", u"000:M.EXE")));
    EXPECT_EQ(m.Selected(), 1u);
    EXPECT_EQ(m.Activate(), (ListButtons{true, true, true, true, true}));
    EXPECT_EQ(m.Selected(), 0u);
    EXPECT_TRUE(m.OkSaves());
}

TEST(ConfigWindow, EditsKeepEachTitleWithItsIcon) {
    std::vector<Entry> entries{{u"A", u"000:A.ICO"}, {u"B", u"001:B.DLL"}, {u"C", u"002:C.EXE"}};
    ConfigWindowModel m(entries);
    m.Select(1);
    auto args = m.EditArgs();
    ASSERT_TRUE(args);
    EXPECT_EQ(args->mode, EditorMode::Edit);
    EXPECT_EQ(args->iconReference, u"001:B.DLL");
    EXPECT_EQ(args->titlesAbove, std::vector<Text>{u"A"});  // what takes a window before it
    EXPECT_EQ(m.NewArgs().titlesAbove, (std::vector<Text>{u"A", u"B", u"C"}));
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
    EXPECT_EQ(m.Selected(), ConfigWindowModel::kNone);
    EXPECT_FALSE(m.MoveUp());
    EXPECT_FALSE(m.MoveDown());
    EXPECT_FALSE(m.Remove(true));
}

TEST(ConfigWindow, OnlyTheUserIsAskedBeforeQuitting) {
    EXPECT_TRUE(AsksBeforeQuitting(QuitReason::User));
    for (QuitReason r : {QuitReason::Program, QuitReason::SessionEnd, QuitReason::TaskManager})
        EXPECT_FALSE(AsksBeforeQuitting(r));
}

}  // namespace
}  // namespace hw
