#include <gtest/gtest.h>

#include "common/WindowKey.h"
#include "fakes/FakeDesktop.h"
#include "windows/TaskList.h"

namespace hw::test {
namespace {

Text Master(std::initializer_list<WindowHandle> handles) {
    Text list;
    for (WindowHandle h : handles) list += BH(h) + u";";
    return list;
}

class TaskListTest : public ::testing::Test {
protected:
    FakeDesktop desktop;
    WindowHandle a = desktop.Add(u"Untitled - Notepad", true);
    WindowHandle b = desktop.Add(u"Calculator", true);
    WindowHandle c = desktop.Add(u"Minesweeper", true);
    TaskList list{desktop};
};

TEST_F(TaskListTest, OnlyLiveRecordsInRecordOrder) {
    desktop[a].caption = Text(300, u'x');
    list.Load(Master({0, b, 0, 0, a}));
    EXPECT_EQ(list.Rows(), (std::vector<Text>{u"Calculator", Text(254, u'x')}));
    EXPECT_EQ(list.TaskHandles(), (std::vector<WindowHandle>{b, a}));
    EXPECT_EQ(list.Selection(), -1);
    list.Select(2);
    EXPECT_EQ(list.Selection(), -1);
}

TEST_F(TaskListTest, Refresh) {
    list.Load(Master({a, b}));
    list.Select(1);
    desktop[b].caption = u"Calculator - Scientific";
    EXPECT_FALSE(list.Refresh(Master({a, 0, b})));
    EXPECT_EQ(list.Rows()[1], u"Calculator - Scientific");
    EXPECT_EQ(list.Selection(), 1);

    // Same count, but the selected row now stands for another window.
    EXPECT_FALSE(list.Refresh(Master({a, 0, c})));
    EXPECT_EQ(list.TaskHandles(), (std::vector<WindowHandle>{a, c}));
    EXPECT_EQ(list.Selection(), -1);

    list.Select(0);
    EXPECT_TRUE(list.Refresh(Master({a, b, c})));
    EXPECT_EQ(list.Rows().size(), 3u);
    EXPECT_EQ(list.Selection(), -1);
}

TEST_F(TaskListTest, ActionsOnTheSelectedRowOnly) {
    list.Load(Master({a, b}));
    list.SwitchTo();
    list.EndTask();
    EXPECT_TRUE(desktop.shows.empty());
    EXPECT_TRUE(desktop.sent.empty());

    list.Select(1);
    list.SwitchTo();
    EXPECT_EQ(desktop.shows, (std::vector<std::pair<WindowHandle, int>>{{b, kSwRestore}}));
}

TEST_F(TaskListTest, EndTaskOnWindowThatRefuses) {
    desktop[a].refusesClose = true;
    list.Load(Master({a}));
    list.Select(0);
    list.EndTask();
    EXPECT_EQ(desktop.shows, (std::vector<std::pair<WindowHandle, int>>{{a, kSwShow}}));
    ASSERT_EQ(desktop.sent.size(), 1u);
    EXPECT_EQ(desktop.sent[0].msg, kWmClose);
    EXPECT_EQ(desktop.sent[0].wParam, ~std::uint64_t{0});
    EXPECT_FALSE(list.Refresh(Master({a})));
    EXPECT_EQ(list.Rows(), std::vector<Text>{u"Untitled - Notepad"});
}

}  // namespace
}  // namespace hw::test
