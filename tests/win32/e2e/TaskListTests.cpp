// The task list window of Hidewell.exe: its rows follow the hidden windows; its buttons act on them.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "platform/NotifyArea.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::wstring>;

// The list's rows; a row that vanishes while it is read (the list is being rebuilt) ends the read.
Lines Rows(HWND list) {
    Lines rows;
    for (LRESULT k = 0, n = SendMessageW(list, LB_GETCOUNT, 0, 0); k < n; ++k) {
        LRESULT length = SendMessageW(list, LB_GETTEXTLEN, k, 0);
        if (length == LB_ERR) break;
        std::wstring row(static_cast<size_t>(length) + 1, L'\0');
        LRESULT got = SendMessageW(list, LB_GETTEXT, k, reinterpret_cast<LPARAM>(row.data()));
        if (got == LB_ERR) break;
        row.resize(static_cast<size_t>(got));
        rows.push_back(row);
    }
    return rows;
}

// Selects the row and sends what a click on the button with this caption sends.
void Press(HWND taskList, HWND list, int row, const wchar_t* caption) {
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    HWND button = FindWindowExW(taskList, nullptr, L"Button", caption);
    ASSERT_TRUE(button);
    SendMessageW(taskList, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

class TaskListTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"HIDEWELL TASK*", L"000:" + ProgramFolder() + L"Hidewell.exe"}}, 300);
        ASSERT_TRUE(app.Start());
    }
    void TearDown() override { app.Stop(); DeleteSettings(); }
    HidewellApp app;
};

TEST_F(TaskListTest, ListsHiddenWindowsFollowsTitlesSwitchesAndEnds) {
    HWND ownReceiver = nullptr;  // the only receiver before any window is hidden
    ASSERT_TRUE(WaitFor([&] { return (ownReceiver = app.Receiver()) != nullptr; }, 10s));
    TestWindow one, two;
    for (auto [w, caption] : {std::pair{&one, L"Hidewell Task One"}, {&two, L"Hidewell Task Two"}}) {
        ASSERT_TRUE(w->Start(caption, L"minimized"));
        ASSERT_TRUE(WaitFor([&] { return w->IsHidden(); }, 5s));
    }
    // A double click on the own icon opens the task list while windows are hidden.
    PostMessageW(ownReceiver, kTrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
    HWND tl = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (tl = FindWindowW(nullptr, L"Hidewell Task List")) && IsWindowVisible(tl); }, 5s));
    HWND list = FindWindowExW(tl, nullptr, L"ListBox", nullptr);
    EXPECT_EQ(Rows(list), (Lines{L"Hidewell Task One", L"Hidewell Task Two"}));

    PostMessageW(two.Hwnd(), WM_APP + 1, 0, 7);  // the window changes its title; the list refreshes once a second
    EXPECT_TRUE(WaitFor([&] { return Rows(list) == Lines{L"Hidewell Task One", L"Hidewell Task Two 7"}; }, 2s));

    Press(tl, list, 1, L"&Switch To");
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(two.Hwnd()) && !IsIconic(two.Hwnd()); }, 3s));
    EXPECT_TRUE(WaitFor([&] { return Rows(list) == Lines{L"Hidewell Task One"}; }, 3s));

    Press(tl, list, 0, L"&End Task");
    EXPECT_TRUE(one.Proc().WaitExit(3000));
    EXPECT_TRUE(WaitFor([&] { return Rows(list).empty(); }, 3s));
}

}  // namespace
}  // namespace hw::wine
