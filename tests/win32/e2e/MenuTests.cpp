// The popups of the tray icons on Wine's desktop: a hidden window's own system menu,
// and Hidewell's menu of hidden windows.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"HIDEWELL MENU*", L"000:" + ProgramFolder() + L"Hidewell.exe"}}, 300);
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    }
    void TearDown() override {
        if (OpenPopupMenu()) PressKey(VK_ESCAPE);
        app.Stop();
        DeleteSettings();
    }
    // Starts a minimised window and waits until Hidewell has hidden it behind an icon.
    void Hide(TestWindow& w, const std::wstring& caption, const std::wstring& options = L"") {
        ASSERT_TRUE(w.Start(caption, L"minimized " + options));
        ASSERT_TRUE(WaitFor([&] { return TrayIconsWithTip(caption).size() == 1 && w.IsHidden(); }, 5s));
    }
    HWND RightClick(const std::wstring& tip) {
        ClickIcon(tip == L"Hidewell" ? OwnIcons().at(0) : TrayIconsWithTip(tip).at(0), Button::Right, 1);
        HWND popup = nullptr;
        WaitFor([&] { return (popup = OpenPopupMenu()) != nullptr; }, 3s);
        return popup;
    }
    HidewellApp app;
};

TEST_F(Menus, IconPopupShowsTheTitleAndTheMirroredSystemMenu) {
    TestWindow w;
    Hide(w, L"Hidewell Menu Window With A Rather Long Caption");
    ASSERT_NE(RightClick(L"Hidewell Menu Window"), nullptr);
    PressKey('C');  // the mirrored "&Close"
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(w.Hwnd()); }, 3s));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Hidewell Menu Window").empty(); }, 3s));
}

TEST_F(Menus, MirroredRestoreBringsTheWindowToTheFront) {
    TestWindow w;
    Hide(w, L"Hidewell Menu Restore");
    ASSERT_NE(RightClick(L"Hidewell Menu Restore"), nullptr);
    PressKey('R');  // the mirrored "&Restore"
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) && !IsIconic(w.Hwnd()); }, 3s));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == w.Hwnd(); }, 3s));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Hidewell Menu Restore").empty(); }, 3s));
}

TEST_F(Menus, OwnMenuListsHiddenWindowsAndRestoresTheOneClicked) {
    TestWindow w;
    Hide(w, L"Hidewell Menu Listed");
    ASSERT_NE(RightClick(L"Hidewell"), nullptr);
    PressKey(VK_UP);  // the last item: the hidden window
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) && !IsIconic(w.Hwnd()); }, 3s));
}

TEST_F(Menus, HungWindowDoesNotFreezeItsPopup) {
    TestWindow w;
    Hide(w, L"Hidewell Menu Hung");
    PostMessageW(w.Hwnd(), WM_APP + 2, 0, 0);  // it stops answering
    Sleep(300);
    ASSERT_NE(RightClick(L"Hidewell Menu Hung"), nullptr) << "the popup opens for a hung window";
    PressKey(VK_ESCAPE);
    // Hidewell still answers.
    DWORD_PTR r = 0;
    EXPECT_TRUE(SendMessageTimeoutW(app.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r));
    w.Proc().Kill();
}

}  // namespace
}  // namespace hw::wine
