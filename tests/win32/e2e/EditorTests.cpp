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
        PostMessageW(main, WM_COMMAND, kCmdTrayConfigure, 0);
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
    for (int i = 0; i < 6; ++i) {  // what it matches by, when to hide, the box, the icon field, Browse..., Ok
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
    PostMessageW(main, WM_COMMAND, kCmdTrayConfigure, 0);
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

// An entry by program hides notepad and not another program's window captioned
// "notepad.exe"; an entry by class hides that window; the live line names what matched and
// leaves a tool palette out; Enter in the title presses Ok; the list shows each entry's kind.
TEST_F(Editor, EntriesMatchByProgramOrClassAndTheLiveLineCountsOnlyWhatCanBeHidden) {
    TestWindow impostor, palette;
    ASSERT_TRUE(impostor.Start(L"notepad.exe", L"minimized"));
    ASSERT_TRUE(palette.Start(L"Hidewell Palette", L"palette"));
    ASSERT_TRUE(notepad.Start(L"notepad.exe"));
    HWND pad = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (pad = FindWindowW(L"Notepad", nullptr)) != nullptr && IsWindowVisible(pad); }, 10s));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(palette.Hwnd()) && IsIconic(impostor.Hwnd()); }, 5s));

    // New entry: its title, then what it matches by, then Enter in the title.
    auto addEntry = [&](const wchar_t* pattern, int kind, const std::wstring& line) {
        Press(main, L"&New...");
        HWND editor = ShownEditor();
        ASSERT_TRUE(editor);
        HWND title = FindWindowExW(editor, nullptr, L"Edit", nullptr);
        HWND kinds = FindWindowExW(editor, nullptr, L"ComboBox", nullptr);
        ASSERT_TRUE(title && kinds);
        SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pattern));
        SendMessageW(kinds, CB_SETCURSEL, kind, 0);
        SendMessageW(editor, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(kinds), CBN_SELCHANGE), reinterpret_cast<LPARAM>(kinds));
        EXPECT_TRUE(WaitFor([&] { return Child(editor, L"Static", line) != nullptr; }, 5s))
            << TextOf(Child(editor, L"Static", L"Match"));
        SetForegroundWindow(editor);
        SetFocus(title);
        ASSERT_TRUE(WaitFor([&] { return FocusOf(editor) == title; }, 5s));
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 5s));
    };
    addEntry(L"NOTEPAD.EXE", 1, L"Matches 1 open window: Untitled - Notepad (notepad.exe)");
    HWND list = FindWindowExW(main, nullptr, L"ListBox", nullptr);
    EXPECT_GE(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"NOTEPAD.EXE  (program)")), 0);
    Press(main, L"&Ok");
    EXPECT_TRUE(WaitFor([&] { return ReadSetting(L"M1") == L"Program"; }, 5s)) << ReadSetting(L"M1");
    // Notepad goes once minimised; the tick that took it saw the impostor, minimised all along.
    ShowWindow(pad, SW_MINIMIZE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(pad); }, 10s));
    EXPECT_FALSE(impostor.IsHidden());

    // The palette is of the impostor's class, but Hidewell never hides a palette.
    PostMessageW(main, WM_COMMAND, kCmdTrayConfigure, 0);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5s));
    addEntry(L"HidewellTestWindow", 2, L"Matches 1 open window: notepad.exe (HidewellTestWindow)");
    Press(main, L"&Ok");
    EXPECT_TRUE(WaitFor([&] { return ReadSetting(L"M2") == L"Class"; }, 5s)) << ReadSetting(L"M2");
    EXPECT_TRUE(WaitFor([&] { return impostor.IsHidden(); }, 10s));
    EXPECT_TRUE(IsWindowVisible(palette.Hwnd()));
    auto [code, listed] = RunCtl(L"list --json");
    EXPECT_NE(listed.find(L"\"program\":\"notepad.exe\",\"class\":\"Notepad\"}"), std::wstring::npos) << listed;
    EXPECT_NE(listed.find(L"\"program\":\"testwindow.exe\",\"class\":\"HidewellTestWindow\"}"), std::wstring::npos)
        << listed;
}

}  // namespace
}  // namespace hw::wine
