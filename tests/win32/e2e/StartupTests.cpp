// Hidewell.exe on Wine's desktop: its own icon, one instance, clicks through the taskbar.
#include <gtest/gtest.h>

#include "harness/Harness.h"

#include <shellapi.h>

#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"*NO SUCH WINDOW*", L""}});
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s)) << "own icon did not appear";
    }
    void TearDown() override {
        app.Stop();
        DeleteSettings();
    }
    HidewellApp app;
};

TEST_F(Startup, ShowsItsIconAndNoTaskbarButtonWhileTheWindowIsPutAway) {
    auto icons = OwnIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].tip, L"Hidewell");
    EXPECT_FALSE(IsWindowVisible(app.Main()));
    for (auto& title : TaskbarWindows()) EXPECT_NE(title, L"Hidewell");
}

TEST_F(Startup, SecondInstanceShowsTheConfigurationWindowAndEndsWithoutAnIcon) {
    Process second;
    ASSERT_TRUE(second.Start(L"\"" + ProgramFolder() + L"Hidewell.exe\""));
    DWORD code = 99;
    ASSERT_TRUE(second.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(OwnIcons().size(), 1u);
    EXPECT_TRUE(app.Proc().Running());
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(app.Main()) != FALSE; }, 5s));
}

TEST_F(Startup, DoubleClickOnItsIconShowsTheConfigurationWindow) {
    ASSERT_FALSE(IsWindowVisible(app.Main()));
    ClickIcon(OwnIcons().at(0), Button::Left, 2);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(app.Main()) != FALSE; }, 5s));
    // Minimising puts the window away again, without a taskbar button.
    ShowWindow(app.Main(), SW_MINIMIZE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(app.Main()); }, 5s));
}

TEST_F(Startup, IconComesBackWhenTheTaskbarIsRecreated) {
    // Take the icon away behind Hidewell's back, as a restarted taskbar would.
    NOTIFYICONDATAW nid{};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = app.Receiver();
    nid.uID = 1;
    ASSERT_NE(nid.hWnd, nullptr);
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &nid));
    ASSERT_TRUE(WaitFor([] { return OwnIcons().empty(); }, 5s));
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 5s));
}

TEST_F(Startup, EndingHidewellRemovesItsIcon) {
    ASSERT_TRUE(app.Stop());
    EXPECT_TRUE(WaitFor([] { return OwnIcons().empty(); }, 5s));
}

}  // namespace
}  // namespace hw::wine
