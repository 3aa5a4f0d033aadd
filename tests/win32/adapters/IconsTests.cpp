#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "harness/Harness.h"
#include "ui/IconPicture.h"
#include "win32/icons/Win32Icons.h"

namespace hw {
namespace {

// A 16x16 icon file with one 32-bit image.
std::vector<std::uint8_t> TinyIconFile() {
    std::vector<std::uint8_t> b;
    auto put16 = [&b](std::uint32_t v) { b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
    auto put32 = [&](std::uint32_t v) { put16(v); put16(v >> 16); };
    const std::uint32_t header = 40, pixels = 16 * 16 * 4, mask = 16 * 4;
    for (std::uint32_t v : {0, 1, 1, 0x1010, 0, 1, 32}) put16(v);  // directory and its one entry
    put32(header + pixels + mask);
    put32(6 + 16);
    for (std::uint32_t v : {header, 16u, 32u}) put32(v);  // bitmap: height covers image and mask
    put16(1);
    put16(32);
    for (int i = 0; i < 6; ++i) put32(0);
    for (int i = 0; i < 16 * 16; ++i) put32(0xFF2080C0);
    b.insert(b.end(), mask, 0);
    return b;
}

Text WriteTemp(const wchar_t* name, const std::vector<std::uint8_t>& bytes) {
    wchar_t folder[MAX_PATH]{};
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + name;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return wine::T(path);
}

TEST(Icons, CountsAndExtractsFromFiles) {
    Win32Icons icons(GetModuleHandleW(nullptr));
    const Text ico = WriteTemp(L"hw-tiny.ico", TinyIconFile());
    const Text txt = WriteTemp(L"hw-plain.txt", {'n', 'o', '\r', '\n'});
    const Text shell32 = icons.GetWinDir() + u"\\system32\\shell32.dll";
    const int libraryCount = icons.CountIcons(shell32);
    EXPECT_GT(libraryCount, 1);

    const std::tuple<Text, int> files[] = {{ico, 1}, {shell32, libraryCount}, {txt, 0}, {ico + u"x", 0}};
    for (const auto& [path, count] : files) {
        SCOPED_TRACE(std::string(path.begin(), path.end()));
        EXPECT_EQ(icons.CountIcons(path), count);
        if (count > 0) {
            IconPicture last(icons, icons.ExtractIconAt(path, count - 1));
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(static_cast<UINT_PTR>(last.Handle())), &info));
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        EXPECT_EQ(icons.ExtractIconAt(path, count), 0u);
        EXPECT_EQ(icons.ExtractIconAt(path, -1), 0u);
    }
    DeleteFileW(wine::W(ico).c_str());
    DeleteFileW(wine::W(txt).c_str());
}

TEST(Icons, WindowsDirectoryHasNoTrailingBackslash) {
    Text dir = Win32Icons(GetModuleHandleW(nullptr)).GetWinDir();
    ASSERT_GE(dir.size(), 3u);
    EXPECT_EQ(dir.substr(1, 2), u":\\");
    EXPECT_NE(dir.back(), u'\\');
    EXPECT_NE(GetFileAttributesW(wine::W(dir).c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace hw
