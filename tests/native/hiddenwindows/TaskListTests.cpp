#include <gtest/gtest.h>

#include "fakes/SimulatedEngine.h"
#include "hiddenwindows/TaskList.h"

namespace hw::test {
namespace {

class TaskListTest : public ::testing::Test, public SimulatedEngine {
protected:
    TaskListTest() {
        Start({{u"*", u""}});
        a = desktop.Add(u"Untitled - Notepad", true);
        b = desktop.Add(u"Calculator", true);
        c = desktop.Add(u"Minesweeper", true);
        Tick();
        list.Load();
    }
    int RowOf(WindowHandle h) {
        for (std::size_t k = 0; k < list.Rows().size(); ++k)
            if (list.Rows()[k] == desktop[h].caption) return static_cast<int>(k);
        return -1;
    }
    WindowHandle a = 0, b = 0, c = 0;
    TaskList list{engine, desktop};
};

TEST_F(TaskListTest, SelectionFollowsItsWindowAndNeverMovesToAnother) {
    ASSERT_EQ(list.Rows().size(), 3u);
    EXPECT_EQ(list.Selection(), -1);
    list.Select(RowOf(b));
    desktop[b].caption = u"Calculator - Scientific";
    EXPECT_FALSE(list.Refresh());
    EXPECT_EQ(list.Rows()[static_cast<std::size_t>(list.Selection())], u"Calculator - Scientific");

    // A window above it leaves: the rows are rebuilt and the selection moves with its window.
    desktop.Close(RowOf(a) < RowOf(b) ? a : c);
    Tick();
    EXPECT_TRUE(list.Refresh());
    EXPECT_EQ(list.Selection(), RowOf(b));

    // Its own window leaves, and a new one takes the same handle: nothing stays selected.
    desktop.Reuse(b, u"Other", true);
    Tick();
    Tick();
    list.Refresh();
    EXPECT_EQ(list.Selection(), -1);
    list.EndTask();
    EXPECT_TRUE(desktop.Exists(b)) << "End Task never ends a window the user did not choose";
}

TEST_F(TaskListTest, ActionsGoThroughTheLedgerForTheChosenWindowOnly) {
    list.Select(7);
    list.SwitchTo();
    list.EndTask();
    EXPECT_TRUE(desktop.sent.empty());

    list.Select(RowOf(a));
    list.SwitchTo();
    Tick();
    EXPECT_FALSE(desktop[a].iconic);
    EXPECT_EQ(engine.HiddenCount(), 2);

    list.Refresh();
    list.Select(RowOf(c));
    EXPECT_FALSE(engine.Close(WindowRef{}));  // no such record
    list.EndTask();
    desktop.Advance();
    EXPECT_FALSE(desktop.Exists(c));
    EXPECT_EQ(engine.HiddenCount(), 1);
    list.Refresh();
    EXPECT_FALSE(list.Refresh());
    EXPECT_TRUE(list.CanAct());
}

}  // namespace
}  // namespace hw::test
