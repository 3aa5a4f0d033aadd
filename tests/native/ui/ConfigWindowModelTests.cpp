#include <gtest/gtest.h>

#include "ui/ConfigWindowModel.h"

namespace hw {
namespace {

EntryEditorResult Ok(const Text& title, const Text& reference) { return {true, title, reference}; }

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
    m.Select(ConfigWindowModel::kNone);
    EXPECT_FALSE(m.MoveUp());
    EXPECT_FALSE(m.MoveDown());
    EXPECT_FALSE(m.Remove(true));
}

}  // namespace
}  // namespace hw
