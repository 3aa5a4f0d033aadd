// The icon picker and the options dialog as a user reaches them: the picker through the entry
// editor's Browse..., the options through the configuration window's File > Options.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "harness/Controls.h"
#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "win32/app/CommandIds.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// An edit control's text, read from another process.
std::wstring FieldText(HWND h) {
    wchar_t buffer[512]{};
    SendMessageW(h, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

bool RunValueExists() {
    return RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Hidewell", RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

class ConfigDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings({{L"*NOTEPAD*", L""}}, 3000);
        DeleteRunValue();
        ASSERT_TRUE(app.Start());
        main = app.Main();
        ASSERT_TRUE(main);
        PostMessageW(main, WM_COMMAND, kCmdTrayConfigure, 0);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5s));
    }
    void TearDown() override {
        app.Stop();
        if (!program.empty()) DeleteFileW(program.c_str());
        if (!folder.empty()) RemoveDirectoryW(folder.c_str());
        DeleteSettings();
        DeleteRunValue();
    }
    // The visible window of the class in Hidewell's process.
    HWND Shown(const wchar_t* cls) { return app.Shown(cls); }
    HidewellApp app;
    HWND main = nullptr;
    std::wstring folder, program;  // a copy of Hidewell.exe the test makes
};

TEST_F(ConfigDialogs, BrowseTypedProgramLastIconComesBackAsReference) {
    Press(main, L"&New...");
    HWND editor = Shown(L"HidewellEntryEditor");
    ASSERT_TRUE(editor);
    SendMessageW(Child(editor, L"Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"*HIDEWELL PICK*"));
    HWND show = Child(editor, L"Button", L"Show Icon in Tray");
    if (SendMessageW(show, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageW(show, BM_CLICK, 0, 0);
    Press(editor, L"&Browse...");
    HWND picker = Shown(L"HidewellIconPicker");
    ASSERT_TRUE(picker);

    // A copy of Hidewell.exe in a folder with a space and non-Latin letters.
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"Hidewell Пуск ü";
    program = folder + L"\\Hidewell.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"Hidewell.exe").c_str(), program.c_str(), FALSE));
    SendMessageW(Child(picker, L"Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.c_str()));
    SendMessageW(picker, WM_COMMAND, IDOK, 0);  // Enter in the name box
    HWND frame = Child(picker, L"Button", L"&Icon: ");
    EXPECT_EQ(TextOf(frame), L"&Icon: 1:3");
    SendMessageW(picker, WM_HSCROLL, SB_RIGHT, reinterpret_cast<LPARAM>(Child(picker, L"ScrollBar")));
    EXPECT_EQ(TextOf(frame), L"&Icon: 3:3");
    Press(picker, L"&Select");
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(picker); }, 5s));
    Press(editor, L"&Ok");
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(editor); }, 5s));
    Press(main, L"&Ok");
    EXPECT_TRUE(WaitFor([&] { return ReadSetting(L"I1") == L"002:" + program; }, 5s));
}

TEST_F(ConfigDialogs, OptionsOkAppliesEveryOptionCancelNone) {
    for (bool ok : {false, true}) {
        PostMessageW(main, WM_COMMAND, kCmdBarOptions, 0);
        HWND box = Shown(L"HidewellOptions");
        ASSERT_TRUE(box);
        HWND label = Child(box, L"Static", L"Response &Time : ");
        EXPECT_EQ(TextOf(label), L"Response &Time : 3.");
        for (const wchar_t* check : {L"&Auto Load Hidewell on Startup", L"Hide Hidewell Icon", L"Hide Hidewell Date",
                                     L"Single Click on Application Icon", L"Right-click the minimise button to hide a window"})
            SendMessageW(Child(box, L"Button", check), BM_CLICK, 0, 0);
        SendMessageW(box, WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(Child(box, L"ScrollBar")));
        EXPECT_EQ(TextOf(label), L"Response &Time : 4.");
        // Ctrl+Alt+K pressed in the hide hotkey's field, reached by its label's Alt+W.
        HWND hide = Child(box, L"HidewellHotkeyField");
        ASSERT_TRUE(hide);
        PressWith({VK_MENU}, 'W');
        ASSERT_TRUE(WaitFor([&] { return FocusOf(box) == hide; }, 3s));
        PressWith({VK_CONTROL, VK_MENU}, 'K');
        EXPECT_TRUE(WaitFor([&] { return TextOf(hide) == L"Ctrl+Alt+K"; }, 3s)) << TextOf(hide);
        Press(box, ok ? L"&Ok" : L"Cance&l");
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(box); }, 5s));
        EXPECT_TRUE(WaitFor([&] { return RunValueExists() == ok; }, 3s));  // written after the dialog hides
    }
    Press(main, L"&Ok");  // the configuration window saves the options with the entries
    ASSERT_TRUE(WaitFor([&] { return ReadSetting(L"RT") == L"4000"; }, 5s));
    // Each box was turned over; the date icon was shown at the start.
    EXPECT_EQ(ReadSetting(L"HIDE") + ReadSetting(L"HIDEDATE") + ReadSetting(L"SINGLE") + ReadSetting(L"RightClickHides"),
              L"1010");
    EXPECT_EQ(ReadSetting(L"HotkeyHide"), L"Ctrl+Alt+K");
    // The dialog opens showing the stored hotkey.
    PostMessageW(main, WM_COMMAND, kCmdBarOptions, 0);
    HWND box = Shown(L"HidewellOptions");
    ASSERT_TRUE(box);
    EXPECT_EQ(TextOf(Child(box, L"HidewellHotkeyField")), L"Ctrl+Alt+K");
    Press(box, L"Cance&l");
}

// Every key path of the icon picker and the options dialog: Alt+N, Alt+L, Alt+I, Enter in
// the file list, Alt+T.
TEST_F(ConfigDialogs, KeysReachEveryFieldOfThePickerAndTheOptions) {
    PostMessageW(main, WM_COMMAND, kCmdBarOptions, 0);
    HWND box = Shown(L"HidewellOptions");
    ASSERT_TRUE(box);
    HWND timeScroll = Child(box, L"ScrollBar");
    ASSERT_TRUE(WaitFor([&] { return FocusOf(box) != nullptr; }, 5s));
    EXPECT_NE(FocusOf(box), timeScroll);
    PressWith({VK_MENU}, 'T');
    EXPECT_TRUE(WaitFor([&] { return FocusOf(box) == timeScroll; }, 3s));
    Press(box, L"Cance&l");
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(box); }, 5s));

    Press(main, L"&New...");
    HWND editor = Shown(L"HidewellEntryEditor");
    ASSERT_TRUE(editor);
    Press(editor, L"&Browse...");
    HWND picker = Shown(L"HidewellIconPicker");
    ASSERT_TRUE(picker);
    HWND name = Child(picker, L"Edit");
    const std::pair<WORD, HWND> keys[] = {
        {'L', Child(picker, L"ComboBox")}, {'I', Child(picker, L"ScrollBar")}, {'N', name}};
    for (auto [key, target] : keys) {
        PressWith({VK_MENU}, key);
        EXPECT_TRUE(WaitFor([&] { return FocusOf(picker) == target; }, 3s)) << char(key);
    }
    // Enter in the name box goes to Hidewell.exe; the file list is next, and Enter there selects.
    const std::wstring program = ProgramFolder() + L"Hidewell.exe";
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.c_str()));
    PressKey(VK_RETURN);
    PressKey(VK_TAB);
    HWND files = FindWindowExW(picker, FindWindowExW(picker, nullptr, L"ListBox", nullptr), L"ListBox", nullptr);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(picker) == files; }, 3s));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(picker); }, 5s));
    HWND iconField = FindWindowExW(editor, FindWindowExW(editor, nullptr, L"Edit", nullptr), L"Edit", nullptr);
    EXPECT_TRUE(WaitFor([&] { return _wcsicmp(FieldText(iconField).c_str(), program.c_str()) == 0; }, 3s));
    Press(editor, L"Cance&l");
}

}  // namespace
}  // namespace hw::wine
