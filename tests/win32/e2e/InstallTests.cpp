// The setup program that scripts/package leaves in build/dist for this build's width (x64 or
// x86): a silent install, the installed Hidewell at work, and a silent uninstall that ends it
// and brings its windows back.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "win32/app/MainWindowClass.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

constexpr const wchar_t* kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidewell";
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring Folder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring SetupProgram() {
    std::wstring dist = ProgramFolder() + L"..\\dist\\";
    WIN32_FIND_DATAW found{};
    const wchar_t* pattern = sizeof(void*) == 8 ? L"Hidewell-*-x64-setup.exe" : L"Hidewell-*-x86-setup.exe";
    HANDLE h = FindFirstFileW((dist + pattern).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return {};
    FindClose(h);
    return dist + found.cFileName;
}

bool HasValue(const wchar_t* key, const wchar_t* name) {
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

class Install : public ::testing::Test {
protected:
    void SetUp() override {
        setup = SetupProgram();
        if (setup.empty()) GTEST_SKIP() << "no setup program in build/dist: run scripts/package";
        WriteSettings({{L"HIDEWELL INSTALLED*", L""}}, 300);
    }
    void TearDown() override {
        hidewell.Kill();
        for (const wchar_t* f : {L"Hidewell.exe", L"hidewellctl.exe", L"Uninstall.exe"}) DeleteFileW((dir + f).c_str());
        RemoveDirectoryW(dir.c_str());
        DeleteFileW(shortcut.c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
        DeleteRunValue();
        DeleteSettings();
    }
    std::wstring setup;
    std::wstring dir = Folder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Hidewell\\";
    std::wstring shortcut = Folder(CSIDL_PROGRAMS) + L"\\Hidewell.lnk";
    Process hidewell;
};

TEST_F(Install, SilentInstallRunsAndSilentUninstallEndsHidewellAndBringsWindowsBack) {
    Process installer;
    DWORD code = 1;
    ASSERT_TRUE(installer.Start(L"\"" + setup + L"\" /S"));
    ASSERT_TRUE(installer.WaitExit(60000, &code));
    EXPECT_EQ(code, 0u);
    for (const wchar_t* f : {L"Hidewell.exe", L"hidewellctl.exe", L"Uninstall.exe"}) EXPECT_TRUE(Exists(dir + f)) << f;
    EXPECT_TRUE(Exists(shortcut));
    EXPECT_TRUE(HasValue(kUninstallKey, L"UninstallString"));

    // The installed Hidewell, started with Windows, hides a window.
    std::wstring run = L"\"" + dir + L"Hidewell.exe\" /startup";
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Hidewell", REG_SZ, run.c_str(),
                    static_cast<DWORD>((run.size() + 1) * sizeof(wchar_t)));
    ASSERT_TRUE(hidewell.Start(run));
    ASSERT_TRUE(WaitFor([&] { return !WindowsOf(hidewell.Id(), kMainWindowClass).empty(); }, 20s));
    TestWindow w;
    ASSERT_TRUE(w.Start(L"Hidewell Installed Test", L"minimized"));
    ASSERT_TRUE(WaitFor([&] { return w.IsHidden(); }, 5s));

    Process uninstaller;  // it runs on from a copy of itself, so wait for what it does
    ASSERT_TRUE(uninstaller.Start(L"\"" + dir + L"Uninstall.exe\" /S"));
    EXPECT_TRUE(hidewell.WaitExit(30000));
    // Shown when its thread next pumps, which may come after Hidewell has gone.
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w.Hwnd()) != FALSE; }, 10s));
    // The uninstall entry goes last.
    EXPECT_TRUE(WaitFor([&] { return !HasValue(kUninstallKey, L"UninstallString"); }, 30s));
    EXPECT_FALSE(Exists(dir));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_FALSE(HasValue(kRunKey, L"Hidewell"));
    EXPECT_TRUE(HasValue(kSettingsKey, L"EOF")) << "settings stay unless asked";
}

}  // namespace
}  // namespace hw::wine
