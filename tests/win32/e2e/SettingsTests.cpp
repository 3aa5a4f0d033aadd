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

class StoredSettings : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteSettings();
        DeleteRunValue();
    }
    void TearDown() override {
        app.Stop();
        DeleteSettings();
        DeleteRunValue();
    }
    HidewellApp app;
};

TEST_F(StoredSettings, FirstStartAsksOnceAndYesStartsHidewellWithWindows) {
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Answer(IDYES), L"Do you wish to Auto Load Hidewell on Startup?");
    EXPECT_EQ(app.Answer(IDOK), L"Hidewell needs at least one Program Title to allow Minimizing to the System Tray");
    bool exists = false;
    std::wstring run = RunValue(&exists);
    EXPECT_TRUE(exists);
    EXPECT_EQ(run.front(), L'"');
    EXPECT_NE(run.find(L"Hidewell.exe\""), std::wstring::npos);
    ASSERT_TRUE(app.Stop());

    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Answer(IDOK), L"Hidewell needs at least one Program Title to allow Minimizing to the System Tray");
    EXPECT_TRUE(app.Messages().empty());
}

}  // namespace
}  // namespace hw::wine
