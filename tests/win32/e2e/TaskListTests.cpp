// The task list window of Hidewell.exe: its rows follow the hidden windows; its buttons and
// the keys Enter and Esc act on them.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::wstring>;

class TaskListTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"HIDEWELL TASK*", L"000:" + ProgramFolder() + L"Hidewell.exe"}}, 300);
        ASSERT_TRUE(app.Start());
        // The own icon's receiver, the only one before any window is hidden.
        ASSERT_TRUE(WaitFor([&] { return (ownReceiver = app.Receiver()) != nullptr; }, 10s));
    }
    void TearDown() override {
        app.Stop();
        DeleteSettings();
    }
    void Hide(TestWindow& w, const std::wstring& caption) {
        ASSERT_TRUE(w.Start(caption, L"minimized"));
        ASSERT_TRUE(WaitFor([&] { return w.IsHidden(); }, 5s));
    }
    // A double click on the own icon opens the task list while windows are hidden.
    HWND Open() {
        PostMessageW(ownReceiver, 512, 0, WM_LBUTTONDBLCLK);
        HWND found = nullptr;
        WaitFor([&] { return (found = FindTaskList()) != nullptr && IsWindowVisible(found); }, 5s);
        list = FindWindowExW(found, nullptr, L"ListBox", nullptr);
        return found;
    }
    HWND FindTaskList() {
        for (HWND h : WindowsOf(app.Proc().Id())) {
            wchar_t title[64] = {};
            GetWindowTextW(h, title, 64);
            if (std::wstring(title) == L"Hidewell Task List") return h;
        }
        return nullptr;
    }
    Lines Rows() const {
        Lines rows;
        for (LRESULT k = 0, n = SendMessageW(list, LB_GETCOUNT, 0, 0); k < n; ++k) {
            std::wstring row(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, k, 0)) + 1, L'\0');
            row.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, k, reinterpret_cast<LPARAM>(row.data()))));
            rows.push_back(row);
        }
        return rows;
    }
    LRESULT Selection() const { return SendMessageW(list, LB_GETCURSEL, 0, 0); }
    void Select(int row) const { SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }
    // Sends what a click on the button with this caption sends.
    static void Press(HWND taskList, const wchar_t* caption) {
        HWND button = FindWindowExW(taskList, nullptr, L"Button", caption);
        ASSERT_TRUE(button);
        SendMessageW(taskList, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }

    HidewellApp app;
    HWND ownReceiver = nullptr;
    HWND list = nullptr;
};

TEST_F(TaskListTest, ListsHiddenWindowsAndFollowsThemOnceASecond) {
    TestWindow one, two, three;
    Hide(one, L"Hidewell Task One");
    Hide(two, L"Hidewell Task Two");
    HWND tl = Open();
    ASSERT_TRUE(tl);
    EXPECT_EQ(Rows(), (Lines{L"Hidewell Task One", L"Hidewell Task Two"}));
    EXPECT_FALSE(IsWindowEnabled(FindWindowExW(tl, nullptr, L"Button", L"&Help")));

    // A new title shows in place; the selection stays on its row.
    Select(1);
    PostMessageW(two.Hwnd(), WM_APP + 1, 0, 7);
    EXPECT_TRUE(WaitFor([&] { return Rows() == Lines{L"Hidewell Task One", L"Hidewell Task Two 7"}; }, 2s));
    EXPECT_EQ(Selection(), 1);

    // One more hidden window rebuilds the list without a selection.
    Hide(three, L"Hidewell Task Three");
    EXPECT_TRUE(WaitFor([&] { return Rows().size() == 3; }, 2s));
    EXPECT_EQ(Selection(), LB_ERR);

    // Opening it again keeps the one window; Esc and Cancel close it.
    EXPECT_EQ(Open(), tl);
    PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(tl); }, 3s));
    HWND again = Open();
    ASSERT_TRUE(again);
    Press(again, L"Cance&l");
    EXPECT_FALSE(IsWindow(again));
    EXPECT_TRUE(app.Proc().Running());
}

TEST_F(TaskListTest, SwitchToRestoresAndEndTaskCloses) {
    TestWindow one, two;
    Hide(one, L"Hidewell Task One");
    Hide(two, L"Hidewell Task Two");
    HWND tl = Open();
    ASSERT_TRUE(tl);

    Select(-1);
    Press(tl, L"&Switch To");
    Press(tl, L"&End Task");
    Sleep(500);
    EXPECT_TRUE(one.IsHidden() && two.IsHidden()) << "nothing selected: nothing done";

    Select(1);
    PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(two.Hwnd()) && !IsIconic(two.Hwnd()); }, 3s));
    EXPECT_TRUE(WaitFor([&] { return Rows() == Lines{L"Hidewell Task One"}; }, 3s));

    Select(0);
    Press(tl, L"&End Task");
    EXPECT_TRUE(one.Proc().WaitExit(3000));
    EXPECT_TRUE(WaitFor([&] { return Rows().empty(); }, 3s));
}

}  // namespace
}  // namespace hw::wine
