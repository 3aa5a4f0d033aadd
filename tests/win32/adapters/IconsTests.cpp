#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "ui/IconPicture.h"
#include "win32/icons/Win32Icons.h"

namespace hw {
namespace {

TEST(Icons, CountsAndExtractsFromFilesAndFindsTheWindowsDirectory) {
    Win32Icons icons(GetModuleHandleW(nullptr));
    const Text program = wine::T(wine::ProgramFolder() + L"Hidewell.exe");  // built beside us
    const int count = icons.CountIcons(program);
    ASSERT_GE(count, 1);
    for (int i : {0, count - 1}) {
        IconPicture icon(icons, icons.ExtractIconAt(program, i));
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(static_cast<UINT_PTR>(icon.Handle())), &info)) << i;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    EXPECT_EQ(icons.ExtractIconAt(program, count), 0u);
    EXPECT_EQ(icons.ExtractIconAt(program, -1), 0u);
    const Text dir = icons.GetWinDir();  // no trailing backslash
    ASSERT_TRUE(dir.size() >= 3 && dir.substr(1, 2) == u":\\" && dir.back() != u'\\');
    EXPECT_NE(GetFileAttributesW(wine::W(dir).c_str()), INVALID_FILE_ATTRIBUTES);
    for (const Text& none : {dir + u"\\win.ini", program + u"x"}) {
        EXPECT_EQ(icons.CountIcons(none), 0);
        EXPECT_EQ(icons.ExtractIconAt(none, 0), 0u);
    }
}

}  // namespace
}  // namespace hw
