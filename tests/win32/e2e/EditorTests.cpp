// The entry editor as a user meets it: an entry's icon survives tabbing through to Ok, a
// title that can never match is refused with the reason, and the line under the title tells
// which open windows a title matches.
#include <gtest/gtest.h>

#include "harness/Controls.h"
#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "win32/app/CommandIds.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"*HIDEWELL PICK*", reference}}, 3000);
        ASSERT_TRUE(app.Start());
        main = app.Main();
        ASSERT_TRUE(main);
        PostMessageW(main, WM_COMMAND, kCmdConfigure, 0);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5s));
    }
    void TearDown() override {
        app.Stop();
        notepad.Kill();
        other.Proc().Kill();
        DeleteSettings();
        DeleteRunValue();
    }
    HWND ShownEditor() { return app.Shown(L"HidewellEntryEditor"); }
    const std::wstring reference = L"002:" + ProgramFolder() + L"Hidewell.exe";
    HidewellApp app;
    HWND main = nullptr;
    Process notepad;
    TestWindow other;
};

TEST_F(Editor, KeepsTheIconRefusesImpossibleTitlesShowsWhatATitleMatchesAndGivesTheWindowsOwnIcon) {
    // Edit..., then Tab from the title through the icon field to Ok, and Enter.
    Press(main, L"&Edit...");
    HWND editor = ShownEditor();
    ASSERT_TRUE(editor);
    HWND title = FindWindowExW(editor, nullptr, L"Edit", nullptr);
    HWND iconField = FindWindowExW(editor, title, L"Edit", nullptr);
    ASSERT_TRUE(WaitFor([&] { return FocusOf(editor) == title; }, 5s));
    bool passedIcon = false;
    for (int i = 0; i < 5; ++i) {  // when to hide, the box, the icon field, Browse..., Ok
        PressKey(VK_TAB);
        WaitFor([&] { return FocusOf(editor) != nullptr; }, 1s);
        passedIcon = passedIcon || FocusOf(editor) == iconField;
    }
    EXPECT_TRUE(passedIcon);
    EXPECT_EQ(TextOf(FocusOf(editor)), L"&Ok");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 5s));
    Press(main, L"&Ok");
    EXPECT_TRUE(WaitFor([&] { return ReadSetting(L"I0") == reference; }, 5s)) << ReadSetting(L"I0");

    // New...: a descending range can never match.
    ASSERT_TRUE(notepad.Start(L"notepad.exe"));
    ASSERT_TRUE(WaitFor([&] { return FindWindowW(L"Notepad", nullptr) != nullptr; }, 10s));
    ASSERT_TRUE(other.Start(L"Second Window"));
    PostMessageW(main, WM_COMMAND, kCmdConfigure, 0);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5s));
    Press(main, L"&New...");
    ASSERT_EQ(ShownEditor(), editor);
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"[Z-A]*"));
    Press(editor, L"&Ok");
    EXPECT_EQ(app.Answer(IDOK), L"This title has a range from Z to A and can never match a window.");

    // Typing "*": after the pause the line names both windows and warns; Ok asks, No by default.
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    PostMessageW(title, WM_CHAR, L'*', 0);
    HWND matches = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (matches = Child(editor, L"Static", L"Matches 2 open windows: ")) != nullptr; },
                        5s))
        << TextOf(Child(editor, L"Static", L"Matches"));
    EXPECT_NE(TextOf(matches).find(L"Untitled - Notepad"), std::wstring::npos);
    EXPECT_NE(TextOf(matches).find(L"Second Window"), std::wstring::npos);
    EXPECT_TRUE(Child(editor, L"Static", L"This title matches every window."));
    Press(editor, L"&Ok");
    EXPECT_EQ(app.Answer(IDNO), L"This title matches every window.\n\nKeep this title?");
    EXPECT_TRUE(IsWindowVisible(editor));
    Press(editor, L"Cance&l");
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 5s));

    // "*NOTEPAD*" with the box left ticked and no file: notepad hides with its own icon.
    Press(main, L"&New...");
    ASSERT_EQ(ShownEditor(), editor);
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"*NOTEPAD*"));
    EXPECT_EQ(TextOf(iconField), L"");
    Press(editor, L"&Ok");
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 5s));
    Press(main, L"&Ok");
    EXPECT_TRUE(WaitFor([&] { return ReadSetting(L"I1") == L"000:<window>"; }, 5s)) << ReadSetting(L"I1");
    HWND pad = FindWindowW(L"Notepad", nullptr);
    ShowWindow(pad, SW_MINIMIZE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(pad); }, 10s));
    EXPECT_TRUE(WaitFor([] { return TrayIconsWithTip(L"Untitled - Notepad").size() == 1; }, 5s));
}

}  // namespace
}  // namespace hw::wine
