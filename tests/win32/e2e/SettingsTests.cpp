// Hidewell.exe's first start against the real registry.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

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

}  // namespace
}  // namespace hw::wine
