// The icon picker and the options dialog run on a thread of their own, driven from the test
// through their real controls.
#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "win32/adapters/Win32FileSystem.h"
#include "win32/ui/IconExport.h"
#include "win32/ui/IconPickerDialog.h"
#include "win32/ui/OptionsDialog.h"
#include "win32/ui/SizedIcons.h"

namespace hw {
namespace {

using namespace std::chrono_literals;

std::wstring Text(HWND h) {
    wchar_t buffer[512]{};
    GetWindowTextW(h, buffer, 512);
    return buffer;
}

// The child with the class and a caption starting with the text.
HWND Child(HWND parent, const wchar_t* cls, const std::wstring& start = L"") {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t name[64]{};
        GetClassNameW(c, name, 64);
        if (_wcsicmp(name, cls) == 0 && Text(c).rfind(start, 0) == 0) return c;
    }
    return nullptr;
}

// Runs a modal dialog on its own thread; closes it if the test ends early.
class DialogThread {
public:
    DialogThread(const wchar_t* caption, std::function<void()> run) : caption_(caption), thread_(std::move(run)) {}
    ~DialogThread() { Join(); }
    HWND Wait() {
        HWND h = nullptr;
        wine::WaitFor([&] { return (h = FindWindowW(nullptr, caption_)) && IsWindowVisible(h); }, 10s);
        return h;
    }
    void Join() {
        if (!thread_.joinable()) return;
        if (HWND h = FindWindowW(nullptr, caption_)) PostMessageW(h, WM_CLOSE, 0, 0);
        thread_.join();
    }

private:
    const wchar_t* caption_;
    std::thread thread_;
};

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

TEST(IconPicker, TypedPathInANonLatinFolderSteppedToTheLastIcon) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"Hidewell Пуск ü";
    const std::wstring program = folder + L"\\Hidewell.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((wine::ProgramFolder() + L"Hidewell.exe").c_str(), program.c_str(), FALSE));
    const int count = CountFileIcons(wine::T(program));
    ASSERT_GE(count, 2);

    std::optional<hw::Text> picked;
    {
        DialogThread dialog(L"Applications Icon", [&] { picked = PickIcon(nullptr, u""); });
        HWND picker = dialog.Wait();
        ASSERT_TRUE(picker);
        HWND frame = Child(picker, L"Button", L"&Icon: ");
        SetWindowTextW(Child(picker, L"Edit"), program.c_str());
        SendMessageW(picker, WM_COMMAND, IDOK, 0);  // Enter in the name box
        EXPECT_EQ(Text(frame), L"&Icon: 1:" + std::to_wstring(count));
        EXPECT_EQ(Text(Child(picker, L"Edit")), L"Hidewell.exe");
        SendMessageW(picker, WM_HSCROLL, SB_RIGHT, reinterpret_cast<LPARAM>(Child(picker, L"ScrollBar")));
        EXPECT_EQ(Text(frame), L"&Icon: " + std::to_wstring(count) + L":" + std::to_wstring(count));
        Click(Child(picker, L"Button", L"&Select"));
        dialog.Join();
    }
    wchar_t digits[8]{};
    swprintf(digits, 8, L"%03d:", count - 1);
    EXPECT_EQ(picked, wine::T(digits + program));

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
    Win32FileSystem fs;
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

// Live options that only count what the dialog does to them.
struct CountingOptions : OptionsTarget {
    OptionValues live{.pollIntervalMs = 3000};
    int dateRemoved = 0, runWrites = 0;
    OptionValues CurrentOptions() override { return live; }
    bool SetStartWithWindows(bool on) override { return ++runWrites, live.startWithWindows = on, true; }
    void SetHideOwnIcon(bool on) override { live.hideOwnIcon = on; }
    void SetSingleClickRestores(bool on) override { live.singleClickRestores = on; }
    void SetPollInterval(int ms) override { live.pollIntervalMs = ms; }
    void SetHideDateIcon(bool on) override { live.hideDateIcon = on; }
    void RemoveDateIcon() override { ++dateRemoved; }
    void RefreshDateIcon() override {}
    void RefreshOwnIcon() override {}
};

TEST(OptionsDialog, OkAppliesWhatTheControlsShowCancelNothing) {
    CountingOptions options;
    for (bool ok : {false, true}) {
        DialogThread dialog(L"Options", [&] { ShowOptionsDialog(nullptr, options); });
        HWND box = dialog.Wait();
        ASSERT_TRUE(box);
        HWND label = Child(box, L"Static", L"Response &Time : ");
        EXPECT_EQ(Text(label), L"Response &Time : 3.");
        Click(Child(box, L"Button", L"Hide Hidewell Date"));
        Click(Child(box, L"Button", L"&Auto Load"));
        SendMessageW(box, WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(Child(box, L"ScrollBar")));
        EXPECT_EQ(Text(label), L"Response &Time : 4.");
        Click(Child(box, L"Button", ok ? L"&Ok" : L"Cance&l"));
        dialog.Join();
        EXPECT_EQ(options.live, (ok ? OptionValues{true, false, true, false, 4000} : OptionValues{.pollIntervalMs = 3000}));
        EXPECT_EQ(options.dateRemoved + options.runWrites, ok ? 2 : 0);
    }
}

}  // namespace
}  // namespace hw
