// The main job on Wine's desktop: minimised matching windows go into the tray and back.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "engine/TrayEngine.h"
#include "harness/Controls.h"
#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

const COLORREF kGotBlue = RGB(40, 90, 200);  // the window inside the open folder

std::wstring ProgramIcon() { return L"000:" + ProgramFolder() + L"Hidewell.exe"; }

class Hiding : public ::testing::Test {
protected:
    void StartWith(const std::vector<std::pair<std::wstring, std::wstring>>& entries) {
        WriteSettings(entries, 500);
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    }
    void TearDown() override {
        app.Stop();
        DeleteSettings();
    }
    HidewellApp app;
};

TEST_F(Hiding, MinimisedMatchingWindowGoesIntoTheTrayAndComesBackOnDoubleClick) {
    StartWith({{L"HIDEWELL TEST*", ProgramIcon()}});
    TestWindow w;
    ASSERT_TRUE(w.Start(L"Hidewell Test Alpha"));
    ASSERT_TRUE(WaitFor([] { return HasButton(L"Hidewell Test Alpha"); }, 5s));
    auto own = OwnIcons().at(0);
    EXPECT_EQ(PixelsLike(own.rect, kGotBlue), 0);

    w.Minimise();
    ASSERT_TRUE(WaitFor([&] { return w.IsHidden(); }, 3s));
    EXPECT_FALSE(HasButton(L"Hidewell Test Alpha"));
    ASSERT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Hidewell Test Alpha").size() == 1; }, 3s));
    EXPECT_TRUE(WaitFor([] { return PixelsLike(OwnIcons().at(0).rect, kGotBlue) > 0; }, 3s))
        << "the own icon should show the open folder";

    ClickIcon(TrayIconsWithTip(L"Hidewell Test Alpha").at(0), Button::Left, 2);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) && !IsIconic(w.Hwnd()); }, 3s));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Hidewell Test Alpha").empty(); }, 3s));
    EXPECT_TRUE(WaitFor([] { return PixelsLike(OwnIcons().at(0).rect, kGotBlue) == 0; }, 3s));
}

TEST_F(Hiding, ThirtyOneWindowsAllGetIconsAndComeBackWhenHidewellEnds) {
    StartWith({{L"HIDEWELL ROLL #*", ProgramIcon()}});
    std::vector<TestWindow> windows(31);
    for (int i = 0; i < 31; ++i) ASSERT_TRUE(windows[i].Start(L"Hidewell Roll " + std::to_wstring(i), L"minimized"));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Hidewell Roll").size() == 31; }, 15s))
        << TrayIconsWithTip(L"Hidewell Roll").size() << " icons";
    for (auto& w : windows) EXPECT_TRUE(w.IsHidden());

    ASSERT_TRUE(app.Stop());
    for (auto& w : windows) EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) != FALSE; }, 3s));
    EXPECT_TRUE(WaitFor([] { return OwnIcons().empty(); }, 5s));
}

// Windows asks Hidewell's top-level windows whether the session may end, then tells them it
// ends; an installer closing Hidewell through the Restart Manager says so in lParam.
void EndSession(HidewellApp& app, LPARAM how) {
    for (UINT msg : {WM_QUERYENDSESSION, WM_ENDSESSION})
        for (HWND h : WindowsOf(app.Proc().Id()))
            SendMessageTimeoutW(h, msg, msg == WM_ENDSESSION, how, SMTO_ABORTIFHUNG, 5000, nullptr);
}

// An installer's close while the session goes on ends Hidewell with every window back; the
// session's own end leaves them hidden.
TEST_F(Hiding, AnInstallersCloseBringsTheWindowsBackTheSessionsEndDoesNot) {
    for (LPARAM how : {LPARAM(ENDSESSION_LOGOFF), LPARAM(ENDSESSION_CLOSEAPP)}) {
        StartWith({{L"HIDEWELL UPDATE*", ProgramIcon()}});
        TestWindow w;
        ASSERT_TRUE(w.Start(L"Hidewell Update One", L"minimized"));
        ASSERT_TRUE(WaitFor([&] { return w.IsHidden(); }, 5s));
        EndSession(app, how);
        EXPECT_TRUE(app.Proc().WaitExit(5000)) << "nothing is asked: " << how;
        if (how == ENDSESSION_CLOSEAPP)
            EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) != FALSE; }, 3s));
        else
            EXPECT_TRUE(w.IsHidden());
    }
}

TEST_F(Hiding, HidesWinesNotepad) {
    StartWith({{L"*NOTEPAD*", ProgramIcon()}});
    Process notepad;
    ASSERT_TRUE(notepad.Start(L"notepad.exe"));
    HWND h = nullptr;
    ASSERT_TRUE(WaitFor([&] { h = FindWindowW(L"Notepad", nullptr); return h != nullptr; }, 10s));
    ShowWindow(h, SW_MINIMIZE);
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Untitled - Notepad").size() == 1; }, 3s));
    EXPECT_FALSE(IsWindowVisible(h));
    ASSERT_TRUE(app.Stop());
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(h) != FALSE; }, 3s));
}

// The shell loses every icon of Hidewell's without telling, as a restarted Explorer does on
// Wine (which broadcasts no TaskbarCreated): they come back at Hidewell's next tick.
TEST_F(Hiding, IconsTheShellLostComeBackAtTheNextTick) {
    StartWith({{L"HIDEWELL SHELL*", ProgramIcon()}});
    TestWindow w;
    ASSERT_TRUE(w.Start(L"Hidewell Shell One", L"minimized"));
    ASSERT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Hidewell Shell One").size() == 1; }, 5s));

    for (HWND h = FindWindowExW(HWND_MESSAGE, nullptr, L"HidewellReceiver", nullptr); h;
         h = FindWindowExW(HWND_MESSAGE, h, L"HidewellReceiver", nullptr)) {
        NOTIFYICONDATAW gone{};
        gone.cbSize = NOTIFYICONDATAW_V1_SIZE;
        gone.hWnd = h;
        gone.uID = 1;
        Shell_NotifyIconW(NIM_DELETE, &gone);
    }
    ASSERT_TRUE(WaitFor([] { return OwnIcons().empty(); }, 3s));
    EXPECT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 5s));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Hidewell Shell One").size() == 1; }, 5s));
    EXPECT_TRUE(w.IsHidden());
}

// A minimise reported by the window's program (as Windows reports every one) reaches
// Hidewell through its real hook: the window goes at once, not at the next poll 10 s later.
TEST_F(Hiding, AReportedMinimiseHidesTheWindowWithoutWaitingForThePoll) {
    WriteSettings({{L"HIDEWELL EVENT*", ProgramIcon()}}, 10000);
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    Sleep(kFirstTickMs + 500);  // past the first tick: the next poll is 10 s away
    std::vector<TestWindow> windows(5);
    std::wstring times;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        TestWindow& w = windows[i];
        ASSERT_TRUE(w.Start(L"Hidewell Event " + std::to_wstring(i)));
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) != FALSE; }, 5s));
        auto start = std::chrono::steady_clock::now();
        PostMessageW(w.Hwnd(), WM_APP + 5, 0, 0);
        // Looked at every millisecond, so that the figure is Hidewell's, not the wait's step.
        while (!w.IsHidden() && std::chrono::steady_clock::now() - start < 3s) Sleep(1);
        ASSERT_TRUE(w.IsHidden()) << "round " << i;
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        times += std::to_wstring(ms.count()) + L" ";
    }
    RecordProperty("event_to_hidden_ms", std::string(times.begin(), times.end()));
    std::printf("event to hidden (ms): %ls\n", times.c_str());
}

// Hidewell is killed with a window hidden, and that window's entry goes before the next
// start: the start shows it again as a minimised taskbar button.
TEST_F(Hiding, AKilledHidewellsNextStartBringsBackWhatItHid) {
    StartWith({{L"HIDEWELL CRASH*", L""}});  // no icon of its own to linger after the kill
    TestWindow w;
    ASSERT_TRUE(w.Start(L"Hidewell Crash One", L"minimized"));
    ASSERT_TRUE(WaitFor([&] { return w.IsHidden(); }, 5s));
    HWND ownReceiver = app.Receiver();
    app.Proc().Kill();
    ASSERT_TRUE(WaitFor([&] { return !app.Proc().Running(); }, 5s));
    // Wine keeps a killed program's icon painted; take it away for the tests that follow.
    NOTIFYICONDATAW gone{};
    gone.cbSize = NOTIFYICONDATAW_V1_SIZE;
    gone.hWnd = ownReceiver;
    gone.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &gone);
    EXPECT_TRUE(WaitFor([] { return OwnIcons().empty(); }, 5s));
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Pellworth\\Hidewell", L" 0", REG_SZ, L"OTHER*", 14), 0);
    EXPECT_TRUE(w.IsHidden());

    ASSERT_TRUE(app.Start());
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) && IsIconic(w.Hwnd()); }, 5s));
    EXPECT_TRUE(WaitFor([] { return HasButton(L"Hidewell Crash One"); }, 5s));
}

}  // namespace
}  // namespace hw::wine
