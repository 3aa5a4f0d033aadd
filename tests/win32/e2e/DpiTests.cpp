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

// LogPixels for the programs started from now on; the value before comes back when it goes.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        DWORD size = sizeof(old_);
        had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) == 0;
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }
    ~LogPixels() {
        if (had_)
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof(old_));
        else
            RegDeleteValueW(key_, L"LogPixels");
        RegCloseKey(key_);
    }
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;

private:
    HKEY key_ = nullptr;
    DWORD old_ = 0;
    bool had_ = false;
};

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(Dpi, ConfigurationWindowAndTrayPicturesHaveTheSizesOfTheDpi) {
    const std::wstring program = ProgramFolder() + L"Hidewell.exe";
    HMODULE resources = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(resources);
    Win32Icons icons(GetModuleHandleW(nullptr));
    for (int dpi : {96, 144}) {
        const int size = SmallIconSize(dpi);
        EXPECT_EQ(size, MulDiv(16, dpi, 96));
        TrayPictures pictures;
        ASSERT_TRUE(pictures.Load(resources, size));
        EXPECT_EQ(IconWidth(pictures.Get(Picture::Got)), size) << "own picture at " << dpi;
        IconHandle entryIcon = icons.ExtractIconSized(T(program), 0, size);
        EXPECT_EQ(IconWidth(ToWin32<HICON>(entryIcon)), size) << "entry's picture at " << dpi;
        icons.DestroyIcon(entryIcon);

        LogPixels setting(static_cast<DWORD>(dpi));
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
