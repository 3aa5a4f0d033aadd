// The date icon on Wine's desktop: today's tip, and today's date typed into notepad while a
// floating tool palette stays on top.
#include <gtest/gtest.h>

#include "addons/date/DateFormat.h"
#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "win32/date/Win32DateNames.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

// Key characters that a keystroke sender would press as Shift, Ctrl, Alt or Enter.
constexpr const wchar_t* kUserFormat = L"dth mmmm yyyy +^%~(){}[]";

LocalTime Today() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

std::wstring EditText(HWND editor) {
    HWND edit = FindWindowExW(editor, nullptr, L"Edit", nullptr);
    wchar_t buffer[256] = {};
    SendMessageW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// The child button of the window with this caption.
HWND Button(HWND window, const std::wstring& caption) {
    for (HWND b = FindWindowExW(window, nullptr, L"Button", nullptr); b; b = FindWindowExW(window, b, L"Button", nullptr)) {
        wchar_t text[128] = {};
        GetWindowTextW(b, text, 128);
        if (caption == text) return b;
    }
    return nullptr;
}

class DateIcon : public ::testing::Test {
protected:
    void TearDown() override {
        if (OpenPopupMenu()) PressKey(VK_ESCAPE);
        app.Stop();
        notepad.Kill();
        palette.Proc().Kill();
        DeleteSettings();
    }
    HidewellApp app;
    Process notepad;
    TestWindow palette;
};

TEST_F(DateIcon, ShowsTodayTypesTheDateIntoNotepadAndKeepsTheConfiguredChoice) {
    WriteSettings({{L"HIDEWELL DATE NOTHING*", L""}}, 300, false, false);
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Pellworth\\Hidewell\\Kestle2", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key, nullptr);
    RegSetValueExW(key, L"Format", 0, REG_SZ, reinterpret_cast<const BYTE*>(kUserFormat),
                   static_cast<DWORD>(wcslen(kUserFormat) * sizeof(wchar_t)));
    RegCloseKey(key);

    ASSERT_TRUE(notepad.Start(L"notepad.exe"));
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (editor = FindWindowW(L"Notepad", nullptr)) != nullptr; }, 10s));
    // Floating tools above every window, as drawing programs and on-screen keyboards have.
    ASSERT_TRUE(palette.Start(L"Hidewell Palette", L"palette"));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(palette.Hwnd()) != FALSE; }, 5s));

    ASSERT_TRUE(app.Start());
    Win32DateNames names;
    LocalTime now = Today();
    // The tip up to the minute, which may turn while we wait.
    std::wstring tipDay = W(FormatOrdinalDate(now, u"dddd dd mmmm yyyy - ", names));
    ASSERT_TRUE(WaitFor([&] { return TrayIconsWithTip(tipDay).size() == 1; }, 10s));

    SetForegroundWindow(editor);
    ClickIcon(TrayIconsWithTip(tipDay).at(0), Button::Right, 1);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 3s));
    PressKey(VK_DOWN);  // the first item: today in the user's format
    PressKey(VK_RETURN);
    std::wstring expected = W(FormatOrdinalDate(now, T(kUserFormat), names));
    EXPECT_TRUE(WaitFor([&] { return EditText(editor) == expected; }, 5s));
    EXPECT_TRUE(IsWindow(editor));  // no Alt+F4 or other key command reached it

    // Configuration (the last item): the short date for a double click, kept with Ok.
    ClickIcon(TrayIconsWithTip(tipDay).at(0), Button::Right, 1);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 3s));
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    std::wstring shortDate = W(names.ShortDate(now));
    HWND shortOption = nullptr, ok = nullptr;
    ASSERT_TRUE(WaitFor([&] {  // the window, its controls and their captions for today
        HWND config = FindWindowW(nullptr, L"Date Hidewell");
        return config && (shortOption = Button(config, shortDate)) && (ok = Button(config, L"&Ok"));
    }, 3s));
    SendMessageW(shortOption, BM_CLICK, 0, 0);
    SendMessageW(ok, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([] { return FindWindowW(nullptr, L"Date Hidewell") == nullptr; }, 3s));
    SendMessageW(FindWindowExW(editor, nullptr, L"Edit", nullptr), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    ClickIcon(TrayIconsWithTip(tipDay).at(0), Button::Left, 2);
    EXPECT_TRUE(WaitFor([&] { return EditText(editor) == shortDate; }, 5s));

    ASSERT_TRUE(app.Stop());
    EXPECT_TRUE(WaitFor([&] { return TrayIconsWithTip(tipDay).empty(); }, 5s));
    wchar_t choice[8] = {};
    DWORD size = sizeof(choice);
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Pellworth\\Hidewell\\Kestle2", L"Double", RRF_RT_REG_SZ, nullptr, choice, &size);
    EXPECT_STREQ(choice, L"2");
}

}  // namespace
}  // namespace hw::wine
