// A new user's first session: an entry added through the configuration window and the entry
// editor, Wine's notepad hidden by it, and Exit bringing notepad back; an entry edited away
// from a hidden window giving the window back.
#include <gtest/gtest.h>

#include "harness/Controls.h"
#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "win32/app/CommandIds.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

class FirstSession : public ::testing::Test {
protected:
    void SetUp() override { DeleteSettings(); }
    void TearDown() override {
        app.Stop();
        notepad.Kill();
        DeleteSettings();
        DeleteRunValue();
    }
    HidewellApp app;
    Process notepad;
};

TEST_F(FirstSession, AddsAnEntryHidesNotepadAndExitBringsItBack) {
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Answer(IDNO), L"Do you wish to Auto Load Hidewell on Startup?");
    EXPECT_EQ(app.Answer(IDOK), L"Hidewell needs at least one Program Title to allow Minimizing to the System Tray");
    HWND main = app.Main();
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5s));

    Press(main, L"&New...");
    HWND editor = app.Shown(L"HidewellEntryEditor");
    ASSERT_TRUE(editor);
    wchar_t caption[16] = {};
    GetWindowTextW(editor, caption, 16);
    EXPECT_STREQ(caption, L"New");
    HWND title = FindWindowExW(editor, nullptr, L"Edit", nullptr);
    ASSERT_NE(title, nullptr);
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"*NOTEPAD*"));
    Press(editor, L"&Ok");
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 5s));
    HWND list = FindWindowExW(main, nullptr, L"ListBox", nullptr);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);

    PressKey(VK_ESCAPE);  // puts the window away as Ok does
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 5s));
    EXPECT_EQ(ReadSetting(L" 0"), L"*NOTEPAD*");
    // The box starts ticked and no file was chosen: the window's own icon.
    EXPECT_EQ(ReadSetting(L"I0"), L"000:<window>");

    ASSERT_TRUE(notepad.Start(L"notepad.exe"));
    HWND pad = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (pad = FindWindowW(L"Notepad", nullptr)) != nullptr; }, 10s));
    ShowWindow(pad, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(pad); }, 5s));
    EXPECT_FALSE(HasButton(L"Untitled - Notepad"));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Untitled - Notepad").size() == 1; }, 5s));

    // Exit from the own icon's menu, answering Yes.
    ClickIcon(OwnIcons().at(0), Button::Right, 1);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 3s));
    PressKey('X');
    EXPECT_EQ(app.Answer(IDYES), L"Are you sure wish to Quit?");
    EXPECT_TRUE(app.Proc().WaitExit(10000));
    EXPECT_TRUE(WaitFor([] { return HasButton(L"Untitled - Notepad"); }, 5s));
}

// Editing the entry so that it no longer matches the hidden notepad shows notepad again at
// once, as a minimised taskbar button, with nothing to answer.
TEST_F(FirstSession, AnEntryEditedAwayFromAHiddenWindowGivesItBack) {
    WriteSettings({{L"*NOTEPAD*", L""}}, 300);
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(notepad.Start(L"notepad.exe"));
    HWND pad = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (pad = FindWindowW(L"Notepad", nullptr)) != nullptr; }, 10s));
    ShowWindow(pad, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(pad); }, 5s));

    HWND main = app.Main();
    PostMessageW(main, WM_COMMAND, kCmdTrayConfigure, 0);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5s));
    Press(main, L"&Edit...");
    HWND editor = app.Shown(L"HidewellEntryEditor");
    ASSERT_TRUE(editor);
    HWND title = FindWindowExW(editor, nullptr, L"Edit", nullptr);
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"*WORDPAD*"));
    Press(editor, L"&Ok");
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 5s));
    Press(main, L"&Ok");
    EXPECT_TRUE(WaitFor([] { return HasButton(L"Untitled - Notepad"); }, 5s));
    EXPECT_TRUE(IsIconic(pad));
    EXPECT_TRUE(WaitFor([] { return ReadSetting(L" 0") == L"*WORDPAD*"; }, 5s));
    EXPECT_TRUE(app.Messages().empty());
}

}  // namespace
}  // namespace hw::wine
