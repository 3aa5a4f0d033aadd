// Hidewell.exe starting from stored settings of older and damaged shapes.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void SetRaw(const wchar_t* name, const std::wstring& data) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::wstring RunValue(bool* exists) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    LSTATUS s = RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Hidewell", RRF_RT_REG_SZ, nullptr, buffer, &size);
    *exists = s == ERROR_SUCCESS;
    return buffer;
}

// Waits for Hidewell's next message box and answers it; returns its text.
std::wstring Answer(HidewellApp& app, int button) {
    std::vector<std::wstring> shown;
    if (!WaitFor([&] { return !(shown = app.Messages()).empty(); }, 10s)) return L"<no message>";
    app.DismissMessages(button);
    WaitFor([&] { return app.Messages().empty(); }, 5s);
    return shown.front();
}

class StoredSettings : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteSettings();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Hidewell");
    }
    void TearDown() override {
        app.Stop();
        DeleteSettings();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Hidewell");
    }
    HidewellApp app;
};

TEST_F(StoredSettings, OldFormatIsMigratedAndSavedWithTheNulEntryDropped) {
    SetRaw(L"EOF", L"3");
    SetRaw(L"RT", L"3000");
    SetRaw(L" 0", L"Notepad");
    SetRaw(L"I0", L"");
    SetRaw(L" 1", std::wstring(1, L'\0'));
    SetRaw(L"I1", L"000:C:\\windows\\dropped.exe");
    SetRaw(L" 2", L"*Word*");
    SetRaw(L"I2", L"  000:C:\\windows\\explorer.exe  ");
    ASSERT_TRUE(app.Start());
    EXPECT_NE(Answer(app, IDOK).find(L"Youre System has an out of Date Registry Setting"), std::wstring::npos);
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    EXPECT_TRUE(app.Messages().empty()) << "shown once";

    EXPECT_EQ(ReadSetting(L"EOF"), L"2");
    EXPECT_EQ(ReadSetting(L" 0"), L"*Notepad*");
    EXPECT_EQ(ReadSetting(L"I0"), L"");
    EXPECT_EQ(ReadSetting(L" 1"), L"*Word*");
    EXPECT_EQ(ReadSetting(L"I1"), L"000:C:\\windows\\explorer.exe");
    EXPECT_EQ(ReadSetting(L"SINGLE"), L"0");
    bool exists = true;
    ReadSetting(L" 2", &exists);
    EXPECT_FALSE(exists);
}

TEST_F(StoredSettings, FirstStartAsksOnceAndYesStartsHidewellWithWindows) {
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(Answer(app, IDYES), L"Do you wish to Auto Load Hidewell on Startup?");
    EXPECT_EQ(Answer(app, IDOK), L"Hidewell needs at least one Program Title to allow Minimizing to the System Tray");
    bool exists = false;
    std::wstring run = RunValue(&exists);
    EXPECT_TRUE(exists);
    EXPECT_EQ(run.front(), L'"');
    EXPECT_NE(run.find(L"Hidewell.exe\""), std::wstring::npos);
    ASSERT_TRUE(app.Stop());

    ASSERT_TRUE(app.Start());
    EXPECT_EQ(Answer(app, IDOK), L"Hidewell needs at least one Program Title to allow Minimizing to the System Tray");
    EXPECT_TRUE(app.Messages().empty());
}

TEST_F(StoredSettings, DamagedSettingsStartWithoutLosingEntries) {
    SetRaw(L"ASKED", L"1");
    SetRaw(L"SINGLE", L"0");
    SetRaw(L"EOF", L"2000000000");
    SetRaw(L"RT", L"-5");
    SetRaw(L" 0", L"*KEEP ME*");
    SetRaw(L" 5", std::wstring(32768, L'x'));
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_TRUE(app.Messages().empty());
    ASSERT_TRUE(app.Stop());  // quitting saves
    EXPECT_EQ(ReadSetting(L" 0"), L"*KEEP ME*");
    EXPECT_EQ(ReadSetting(L" 1").size(), 32768u);
}

}  // namespace
}  // namespace hw::wine
