// A portable copy's settings file on disk: read whole, replaced through a temporary file, and
// left whole when the replacement fails.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "win32/adapters/Win32FileSystem.h"

namespace hw {
namespace {

TEST(SettingsFileOnDisk, IsReplacedWholeOrLeftAsItWas) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"Hidewell ü.ini";
    const std::wstring temporary = path + L".new";
    struct Cleanup {
        const std::wstring& path;
        ~Cleanup() {
            DeleteFileW(path.c_str());
            RemoveDirectoryW((path + L".new").c_str());
        }
    } cleanup{path};
    Win32FileSystem fs;

    EXPECT_FALSE(fs.ReadWholeFile(wine::T(path)));
    ASSERT_TRUE(fs.ReplaceWholeFile(wine::T(path), "RT=500\r\n"));
    ASSERT_TRUE(fs.ReplaceWholeFile(wine::T(path), std::string("a=\xC3\xBC\0b", 6)));
    EXPECT_EQ(fs.ReadWholeFile(wine::T(path)), std::string("a=\xC3\xBC\0b", 6));
    EXPECT_EQ(GetFileAttributesW(temporary.c_str()), INVALID_FILE_ATTRIBUTES);

    // The temporary file cannot be made (a folder has its name): the old contents stay.
    ASSERT_TRUE(CreateDirectoryW(temporary.c_str(), nullptr));
    EXPECT_FALSE(fs.ReplaceWholeFile(wine::T(path), "RT=900\r\n"));
    EXPECT_FALSE(fs.LastError().empty());
    EXPECT_EQ(fs.ReadWholeFile(wine::T(path)), std::string("a=\xC3\xBC\0b", 6));
}

}  // namespace
}  // namespace hw
