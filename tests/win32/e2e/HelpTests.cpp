// Hidewell's help window, opened as a user opens it.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "win32/app/CommandIds.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

// The text of another process's control (GetWindowText would give its caption only).
std::wstring TextOf(HWND h) {
    std::wstring text(static_cast<size_t>(SendMessageW(h, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(h, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring SelectedRow(HWND list) {
    LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (row < 0) return {};
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

class Help : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"HIDEWELL HELP*", L""}}, 300);
        ASSERT_TRUE(app.Start());
    }
    void TearDown() override { app.Stop(); DeleteSettings(); }
    HidewellApp app;
};

TEST_F(Help, F1OpensTheHelpAndEveryHelpCommandFindsItsTopic) {
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    PostMessageW(app.Main(), WM_COMMAND, kCmdTrayConfigure, 0);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == app.Main(); }, 5s));
    PressKey(VK_F1);
    HWND help = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (help = FindWindowW(L"HidewellHelp", L"Hidewell Help")) && IsWindowVisible(help); }, 5s));
    HWND topics = FindWindowExW(help, nullptr, L"ListBox", nullptr);
    HWND text = FindWindowExW(help, nullptr, L"Edit", nullptr);
    EXPECT_EQ(SelectedRow(topics), L"Adding an entry");  // the configuration window's topic
    EXPECT_NE(TextOf(text).find(L"holds the list of registered application"), std::wstring::npos);
    EXPECT_GE(SendMessageW(topics, LB_GETCOUNT, 0, 0), 9);

    // Choosing the wild-card topic shows its text, headings and lists on lines of their own.
    LRESULT row = SendMessageW(topics, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Wild cards"));
    ASSERT_GE(row, 0);
    SendMessageW(topics, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageW(help, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(topics), LBN_SELCHANGE), reinterpret_cast<LPARAM>(topics));
    std::wstring wildCards = TextOf(text);
    EXPECT_NE(wildCards.find(L"\r\n\u2022 \u2018[!0-9]\u2019 stands for one character that is not in the list"), std::wstring::npos);
    EXPECT_NE(wildCards.find(L"\r\nEXAMPLES\r\n"), std::wstring::npos);

    // Narrowed, the window wraps the text at spaces, never inside inline code.
    SetWindowPos(help, nullptr, 0, 0, 200, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    wildCards = TextOf(text);
    int spans = 0;
    for (std::size_t open = wildCards.find(L'\u2018'); open != std::wstring::npos;
         open = wildCards.find(L'\u2018', open + 1)) {
        std::size_t close = wildCards.find(L'\u2019', open);
        ASSERT_NE(close, std::wstring::npos);
        ++spans;
        EXPECT_EQ(SendMessageW(text, EM_LINEFROMCHAR, open, 0), SendMessageW(text, EM_LINEFROMCHAR, close, 0))
            << wildCards.substr(open, close - open + 1).size();
    }
    EXPECT_GT(spans, 5);
    EXPECT_GT(SendMessageW(text, EM_GETLINECOUNT, 0, 0), 40);

    // The task list's Help opens the same window at the task list's topic.
    PostMessageW(app.Main(), WM_COMMAND, kCmdTrayTaskList, 0);
    HWND taskList = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (taskList = FindWindowW(nullptr, L"Hidewell Task List")) && IsWindowVisible(taskList); }, 5s));
    HWND helpButton = FindWindowExW(taskList, nullptr, L"Button", L"&Help");
    ASSERT_TRUE(helpButton && IsWindowEnabled(helpButton));
    SendMessageW(taskList, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(helpButton), BN_CLICKED), reinterpret_cast<LPARAM>(helpButton));
    EXPECT_TRUE(WaitFor([&] { return SelectedRow(topics) == L"The task list"; }, 3s));
    EXPECT_EQ(WindowsOf(app.Proc().Id(), L"HidewellHelp").size(), 1u);

    // Help in the own menu: back at the contents, in the same window.
    ClickIcon(OwnIcons().at(0), Button::Right, 1);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 3s));
    PressKey('H');  // "&Help"
    EXPECT_TRUE(WaitFor([&] { return SelectedRow(topics) == L"Contents"; }, 3s));

    PostMessageW(help, WM_COMMAND, IDCANCEL, 0);  // Esc
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help); }, 3s));
}

}  // namespace
}  // namespace hw::wine
