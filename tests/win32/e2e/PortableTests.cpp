// The portable zip's layout: Hidewell.exe in x64\, the shipped Hidewell.ini one folder up. Its
// settings go to the file, none to the registry, and the first-start question is asked once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "settings/PortableRegistry.h"

namespace hw::wine {
namespace {

using namespace std::chrono_literals;

bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::string FileText(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Message texts for a failure report (ASCII as it is).
std::string Narrow(const std::vector<std::wstring>& texts) {
    std::string out;
    for (const std::wstring& t : texts)
        for (wchar_t c : t) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

class Portable : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteSettings();
        DeleteRunValue();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"Hidewell portable test\\";
        program = folder + L"x64\\Hidewell.exe";
        ini = folder + L"Hidewell.ini";
        CreateDirectoryW(folder.c_str(), nullptr);
        CreateDirectoryW((folder + L"x64").c_str(), nullptr);
        ASSERT_TRUE(CopyFileW((ProgramFolder() + L"Hidewell.exe").c_str(), program.c_str(), FALSE));
        ASSERT_TRUE(CopyFileW((ProgramFolder() + L"..\\..\\installer\\Hidewell.ini").c_str(), ini.c_str(), FALSE));
        shipped = FileText(ini);
    }
    void TearDown() override {
        app.Stop();
        DeleteFileW(program.c_str());
        DeleteFileW(ini.c_str());
        RemoveDirectoryW((folder + L"x64").c_str());
        RemoveDirectoryW(folder.c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, W(kPortableJournalKey).c_str());
        DeleteSettings();
        DeleteRunValue();
    }
    std::wstring folder;
    std::wstring program;
    std::wstring ini;
    std::string shipped;
    HidewellApp app;
};

TEST_F(Portable, ZipCopyKeepsItsSettingsInItsFileAndAsksOnlyOnce) {
    ASSERT_TRUE(shipped.starts_with("; ")) << shipped;

    ASSERT_TRUE(app.Start(program));
    EXPECT_EQ(app.Answer(IDNO), L"Do you wish to Auto Load Hidewell on Startup?");
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    ASSERT_TRUE(app.Stop());  // saves, then ends

    EXPECT_FALSE(KeyExists(kSettingsKey));
    EXPECT_FALSE(KeyExists(L"Software\\Pellworth"));
    EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Hidewell",
                           RRF_RT_ANY, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    const std::string saved = FileText(ini);
    EXPECT_TRUE(saved.starts_with(shipped)) << saved;
    for (const char* line : {"\r\nASKED=1\r\n", "\r\nEOF=0\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;

    // An entry written into the file by hand (so that no message about having none comes).
    std::string edited = saved;
    edited.replace(edited.find("\r\nEOF=0\r\n"), 9, "\r\nEOF=1\r\n 0=*NO SUCH \xC3\x9CINDOW*\r\n");
    std::ofstream(std::filesystem::path(ini), std::ios::binary) << edited;

    // The second start finds the answer in the file: its icon comes with no question.
    ASSERT_TRUE(app.Start(program));
    ASSERT_TRUE(WaitFor([] { return OwnIcons().size() == 1; }, 10s));
    const std::vector<std::wstring> shown = app.Messages();
    EXPECT_TRUE(shown.empty()) << Narrow(shown);
    ASSERT_TRUE(app.Stop());
    EXPECT_FALSE(KeyExists(kSettingsKey));
    EXPECT_NE(FileText(ini).find("\r\n 0=*NO SUCH \xC3\x9CINDOW*\r\n"), std::string::npos) << FileText(ini);
}

}  // namespace
}  // namespace hw::wine
