// Icons from files, and what the icon picker relies on: the file checks and the icon file
// written on export.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "ui/IconPicture.h"
#include "win32/adapters/Win32FileSystem.h"
#include "win32/base/HandleCast.h"
#include "win32/icons/Win32Icons.h"
#include "win32/ui/IconExport.h"

namespace hw {
namespace {

TEST(IconPickerFiles, NonLatinFolderHeldFileAndExportedIcon) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"Hidewell Пуск ü";
    const std::wstring program = folder + L"\\Hidewell.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((wine::ProgramFolder() + L"Hidewell.exe").c_str(), program.c_str(), FALSE));
    Win32FileSystem fs;
    std::optional<FolderListing> listing = fs.List(wine::T(folder));
    ASSERT_TRUE(listing);
    EXPECT_EQ(listing->files, std::vector<Text>{u"Hidewell.exe"});
    EXPECT_EQ(CountFileIcons(wine::T(program)), 3);

    // The icon written as a file loads again at its size.
    UniqueIcon icon = ExtractFileIcon(wine::T(program), 0, 32);
    const std::wstring saved = folder + L"\\saved.ico";
    ASSERT_EQ(WriteIconFile(icon.Get(), wine::T(saved)), DWORD(ERROR_SUCCESS));
    UniqueIcon loaded(static_cast<HICON>(LoadImageW(nullptr, saved.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    ICONINFO info{};
    ASSERT_TRUE(loaded && GetIconInfo(loaded.Get(), &info));
    BITMAP bm{};
    GetObjectW(info.hbmColor, sizeof(bm), &bm);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_NE(WriteIconFile(icon.Get(), wine::T(folder + L"\\missing\\x.ico")), DWORD(ERROR_SUCCESS));

    // A file another program holds open without sharing still exists; a folder is no file.
    HANDLE held = CreateFileW(saved.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(fs.FileExists(wine::T(saved)));
    CloseHandle(held);
    EXPECT_FALSE(fs.FileExists(wine::T(folder)));
    EXPECT_FALSE(fs.List(wine::T(folder + L"\\missing")));
    EXPECT_FALSE(fs.LastError().empty());
    DeleteFileW(saved.c_str());
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST(Icons, CountsAndExtractsFromFilesAndFindsTheWindowsDirectory) {
    Win32Icons icons(GetModuleHandleW(nullptr));
    const Text program = wine::T(wine::ProgramFolder() + L"Hidewell.exe");  // built beside us
    const int count = icons.CountIcons(program);
    ASSERT_GE(count, 1);
    for (int i : {0, count - 1}) {
        IconPicture icon(icons, icons.ExtractIconAt(program, i));
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(ToWin32<HICON>(icon.Handle()), &info)) << i;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    EXPECT_FALSE(icons.ExtractIconAt(program, count));
    EXPECT_FALSE(icons.ExtractIconAt(program, -1));
    const Text dir = icons.GetWinDir();  // no trailing backslash
    ASSERT_TRUE(dir.size() >= 3 && dir.substr(1, 2) == u":\\" && dir.back() != u'\\');
    EXPECT_NE(GetFileAttributesW(wine::W(dir).c_str()), INVALID_FILE_ATTRIBUTES);
    for (const Text& none : {dir + u"\\win.ini", program + u"x"}) {
        EXPECT_EQ(icons.CountIcons(none), 0);
        EXPECT_FALSE(icons.ExtractIconAt(none, 0));
    }
}

}  // namespace
}  // namespace hw
