#include <gtest/gtest.h>

#include <string>

#include "win32/adapters/Win32Log.h"

namespace hw {
namespace {

// A scratch folder under the temporary folder, removed with its files after each test.
class LogTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"HidewellLog" + std::to_wstring(GetCurrentProcessId());
    }
    void TearDown() override {
        DeleteFileW(File(Win32Log::kFileName).c_str());
        DeleteFileW(File(Win32Log::kOlderFileName).c_str());
        RemoveDirectoryW(folder_.c_str());
        DeleteFileW(folder_.c_str());
    }
    std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }
    std::string Read(const wchar_t* name) const {
        HANDLE h = CreateFileW(File(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return {};
        std::string bytes(64 * 1024, '\0');
        DWORD read = 0;
        ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(h);
        bytes.resize(read);
        return bytes;
    }

    std::wstring folder_;
};

TEST_F(LogTest, NothingUntilAFailureThenOneLineEachCappedWithOneOlderFile) {
    constexpr std::uint64_t kCap = 400;
    Win32Log log(folder_, kCap);
    EXPECT_EQ(GetFileAttributesW(folder_.c_str()), INVALID_FILE_ATTRIBUTES);  // made on the first failure only

    log.Failure(u"Typing the date: input was blocked", u"Admin \u00C9diteur\r\n", ERROR_ACCESS_DENIED);
    std::string first = Read(Win32Log::kFileName);
    EXPECT_NE(first.find("  Typing the date: input was blocked  \"Admin \xC3\x89" "diteur\"  "), std::string::npos);
    EXPECT_NE(first.find("(error 5)\r\n"), std::string::npos);
    EXPECT_EQ(first.find('\n'), first.size() - 1);

    for (int i = 0; i < 20; ++i) log.Failure(u"Saving the settings " + Text(1, u'A' + i), u"", 0);
    std::string now = Read(Win32Log::kFileName), older = Read(Win32Log::kOlderFileName);
    EXPECT_LE(now.size(), kCap);
    EXPECT_LE(older.size(), kCap);
    EXPECT_NE(now.find("Saving the settings T\r\n"), std::string::npos);  // the last line
    EXPECT_FALSE(older.empty());
    EXPECT_EQ(now.back(), '\n');
    EXPECT_EQ(older.back(), '\n');
}

TEST_F(LogTest, ALogThatCannotBeWrittenIsSilentlyLeftOut) {
    // The folder's place is taken by a file: nothing can be created there.
    HANDLE blocker = CreateFileW(folder_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
    CloseHandle(blocker);
    Win32Log log(folder_, Win32Log::kCapBytes);
    log.Failure(u"Adding the date icon", u"", 0);
    EXPECT_EQ(GetFileAttributesW(File(Win32Log::kFileName).c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace hw
