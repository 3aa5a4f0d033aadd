// Hidewell at 96 and at 144 dpi (LogPixels, which each Wine process reads as it starts): the
// configuration window and the notification area's pictures have that DPI's sizes.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "win32/app/TrayPictures.h"
#include "win32/base/Dpi.h"
#include "win32/base/HandleCast.h"
#include "win32/icons/Win32Icons.h"

namespace hw::wine {
namespace {

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(Dpi, ConfigurationWindowAndTrayPicturesHaveTheSizesOfTheDpi) {
    const std::wstring program = ProgramFolder() + L"Hidewell.exe";
    HMODULE resources = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(resources);
    // The prefix's own DPI comes back however the test ends.
    struct Restore {
        ~Restore() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels"); }
    } restore;
    Win32Icons icons(GetModuleHandleW(nullptr));
    for (int dpi : {96, 144}) {
        const int size = SmallIconSize(dpi);
        EXPECT_EQ(size, MulDiv(16, dpi, 96));
        TrayPictures pictures;
        ASSERT_TRUE(pictures.Load(resources, size));
        EXPECT_EQ(IconWidth(pictures.Get(Picture::SomeHidden)), size) << "own picture at " << dpi;
        IconHandle entryIcon = icons.ExtractIconSized(T(program), 0, size);
        EXPECT_EQ(IconWidth(ToWin32<HICON>(entryIcon)), size) << "entry's picture at " << dpi;
        icons.DestroyIcon(entryIcon);

        DWORD logPixels = static_cast<DWORD>(dpi);
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &logPixels,
                        sizeof(logPixels));
        WriteSettings({{L"Nothing has this caption", L""}});
        HidewellApp app;
        ASSERT_TRUE(app.Start());
        RECT r{};
        GetWindowRect(app.Main(), &r);
        EXPECT_NEAR(r.right - r.left, MulDiv(5625, dpi, 1440), 1) << "configuration window at " << dpi;
        app.Stop();
        DeleteSettings();
    }
    FreeLibrary(resources);
}

}  // namespace
}  // namespace hw::wine
