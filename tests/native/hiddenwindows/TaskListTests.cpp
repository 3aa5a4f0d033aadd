#include <gtest/gtest.h>

#include "fakes/FakeDesktop.h"
#include "hiddenwindows/TaskList.h"

namespace hw::test {
namespace {

std::vector<WindowHandle> Master(std::initializer_list<WindowHandle> handles) {
    std::vector<WindowHandle> live;
    for (WindowHandle h : handles)
        if (h != 0) live.push_back(h);
    return live;
}

class TaskListTest : public ::testing::Test {
protected:
    FakeDesktop desktop;
    WindowHandle a = desktop.Add(u"Untitled - Notepad", true);
    WindowHandle b = desktop.Add(u"Calculator", true);
    WindowHandle c = desktop.Add(u"Minesweeper", true);
    TaskList list{desktop};
};

TEST_F(TaskListTest, LoadAndRefreshFollowTheLiveRecords) {
    list.Load(Master({0, b, 0, 0, a}));
    EXPECT_EQ(list.TaskHandles(), (std::vector<WindowHandle>{b, a}));
    list.Select(1);
    desktop[a].caption = u"Notepad - Changed";
    EXPECT_FALSE(list.Refresh(Master({b, 0, a})));
    EXPECT_EQ(list.Rows(), (std::vector<Text>{u"Calculator", u"Notepad - Changed"}));
    EXPECT_EQ(list.Selection(), 1);

    // Same count, but the selected row now stands for another window.
    EXPECT_FALSE(list.Refresh(Master({b, c})));
    EXPECT_EQ(list.Selection(), -1);

    list.Select(0);
    EXPECT_TRUE(list.Refresh(Master({a, b, c})));
    EXPECT_EQ(list.Rows().size(), 3u);
    EXPECT_EQ(list.Selection(), -1);
}

TEST_F(TaskListTest, ActionsOnTheSelectedRowOnly) {
    list.Load(Master({a, b}));
    list.Select(2);
    list.SwitchTo();
    list.EndTask();
    EXPECT_TRUE(desktop.shows.empty() && desktop.sent.empty());

    list.Select(1);
    list.SwitchTo();
    list.Select(0);
    list.EndTask();
    EXPECT_EQ(desktop.shows, (std::vector<std::pair<WindowHandle, int>>{{b, kSwRestore}, {a, kSwShow}}));
    ASSERT_EQ(desktop.sent.size(), 1u);
    EXPECT_TRUE(desktop.sent[0].msg == kWmClose && desktop.sent[0].wParam == ~std::uint64_t{0});
}

}  // namespace
}  // namespace hw::test
