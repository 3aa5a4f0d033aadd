// Shows Hidewell's main job on Wine's desktop, for scripts/run:
//   hwdemo seed          stores a "*NOTEPAD*" entry if Hidewell has no settings yet
//   hwdemo show <bmp>    starts Hidewell and notepad, minimises notepad, shows the
//                        configuration window, opens the popup of notepad's tray icon
//                        and saves a screenshot
//   hwdemo editor <bmp>  starts Hidewell and notepad, opens New... in the configuration
//                        window, types "*" and saves a screenshot of the line that tells
//                        which open windows the title matches
//   hwdemo options <bmp> sets the three hotkeys, starts Hidewell, opens its options dialog
//                        and saves a screenshot of the dialog alone
//   hwdemo window <name> <bmp>  starts Hidewell and notepad, opens one of its windows (config,
//                        about, tasklist, date, picker, help) and saves a screenshot of it alone
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "win32/app/CommandIds.h"
#include "win32/app/MainWindowClass.h"

using namespace hw::wine;
using namespace std::chrono_literals;

namespace {

// Saves the whole screen, or one window's place on it, as a .bmp file.
bool SaveScreenshot(const std::wstring& path, HWND only = nullptr) {
    RECT place{0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    if (only) GetWindowRect(only, &place);
    int w = place.right - place.left, h = place.bottom - place.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, place.left, place.top, SRCCOPY);
    SelectObject(mem, old);
    DWORD stride = ((w * 3 + 3) & ~3), size = stride * h;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD n = 0;
        ok = WriteFile(f, &fh, sizeof(fh), &n, nullptr) && WriteFile(f, &bi.bmiHeader, sizeof(bi.bmiHeader), &n, nullptr) &&
             WriteFile(f, bits, size, &n, nullptr);
        CloseHandle(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

int Seed() {
    bool exists = false;
    ReadSetting(L"EOF", &exists);
    if (!exists) WriteSettings({{L"*NOTEPAD*", L"000:" + ProgramFolder() + L"Hidewell.exe"}}, 500, false, false);
    return 0;
}

// Hidewell and notepad, both running on the desktop; both stay when the demo ends, and the
// caller ends the Wine session.
struct Scene {
    Process hidewell, notepad;
    HWND pad = nullptr;
    ~Scene() {
        hidewell.Detach();
        notepad.Detach();
    }
    bool Start() {
        Seed();
        hidewell.Start(L"\"" + ProgramFolder() + L"Hidewell.exe\"");
        if (!WaitFor([] { return OwnIcons().size() == 1; }, 20s))
            return fputs("Hidewell's icon did not appear\n", stderr), false;
        notepad.Start(L"notepad.exe");
        if (!WaitFor([&] { return (pad = FindWindowW(L"Notepad", nullptr)) != nullptr; }, 20s))
            return fputs("notepad did not start\n", stderr), false;
        return true;
    }
    // A second start shows the running Hidewell's configuration window.
    HWND ShowConfiguration() {
        Process second;
        second.Start(L"\"" + ProgramFolder() + L"Hidewell.exe\"");
        return ShownOf(hw::kMainWindowClass);
    }
    // Hidewell's first window of the class once it is visible, or null.
    HWND ShownOf(const wchar_t* cls) {
        HWND found = nullptr;
        WaitFor([&] {
            auto all = WindowsOf(hidewell.Id(), cls);
            found = all.empty() || !IsWindowVisible(all.front()) ? nullptr : all.front();
            return found != nullptr;
        }, 10s);
        return found;
    }
};

int Show(const std::wstring& screenshot) {
    Scene scene;
    if (!scene.Start()) return 1;
    Sleep(1500);
    ShowWindow(scene.pad, SW_MINIMIZE);
    if (!WaitFor([] { return TrayIconsWithTip(L"Untitled - Notepad").size() == 1; }, 10s))
        return fputs("notepad was not hidden\n", stderr), 1;
    scene.ShowConfiguration();
    Sleep(500);
    ClickIcon(TrayIconsWithTip(L"Untitled - Notepad").at(0), Button::Right, 1);
    WaitFor([] { return OpenPopupMenu() != nullptr; }, 5s);
    Sleep(500);
    bool saved = SaveScreenshot(screenshot);
    PressKey(VK_ESCAPE);
    return saved ? 0 : 1;
}

int Editor(const std::wstring& screenshot) {
    Scene scene;
    if (!scene.Start()) return 1;
    HWND main = scene.ShowConfiguration();
    if (!main) return fputs("the configuration window did not open\n", stderr), 1;
    PostMessageW(FindWindowExW(main, nullptr, L"Button", L"&New..."), BM_CLICK, 0, 0);
    HWND editor = scene.ShownOf(L"HidewellEntryEditor");
    if (!editor) return fputs("the entry editor did not open\n", stderr), 1;
    PostMessageW(FindWindowExW(editor, nullptr, L"Edit", nullptr), WM_CHAR, L'*', 0);
    Sleep(1500);  // the line follows a pause in typing
    return SaveScreenshot(screenshot) ? 0 : 1;
}

int Options(const std::wstring& screenshot) {
    hw::OptionValues options;
    options.hideDateIcon = true;
    options.hotkeyHide = u"Ctrl+Alt+H";
    options.hotkeyRestore = u"Ctrl+Alt+Shift+PgDn";
    options.hotkeyMenu = u"Win+F9";
    WriteSettings({{u"*NOTEPAD*", u"000:" + hw::wine::T(ProgramFolder()) + u"Hidewell.exe"}}, options);
    Scene scene;
    if (!scene.Start()) return 1;
    HWND main = scene.ShowConfiguration();
    if (!main) return fputs("the configuration window did not open\n", stderr), 1;
    PostMessageW(main, WM_COMMAND, hw::kCmdBarOptions, 0);
    HWND box = scene.ShownOf(L"HidewellOptions");
    if (!box) return fputs("the options dialog did not open\n", stderr), 1;
    Sleep(1000);
    return SaveScreenshot(screenshot, box) ? 0 : 1;
}

// The tray icon of the date add-on: the one that is neither Hidewell's nor notepad's.
std::optional<TrayIconInfo> DateIcon() {
    for (const TrayIconInfo& icon : TrayIcons())
        if (icon.tip != L"Hidewell" && icon.tip.find(L"Notepad") == std::wstring::npos) return icon;
    return std::nullopt;
}

int Window(const std::wstring& name, const std::wstring& screenshot) {
    Scene scene;
    if (!scene.Start()) return 1;
    HWND main = scene.ShowConfiguration();
    if (!main) return fputs("the configuration window did not open\n", stderr), 1;
    HWND shown = nullptr;
    if (name == L"config") {
        shown = main;
    } else if (name == L"about") {
        PostMessageW(main, WM_COMMAND, hw::kCmdBarAbout, 0);
        shown = scene.ShownOf(L"HidewellAbout");
    } else if (name == L"tasklist") {
        PostMessageW(main, WM_COMMAND, hw::kCmdTrayTaskList, 0);
        shown = scene.ShownOf(L"HidewellTaskList");
    } else if (name == L"help") {
        PostMessageW(main, WM_COMMAND, hw::kCmdBarHelp, 0);
        shown = scene.ShownOf(L"HidewellHelp");
    } else if (name == L"picker") {
        PostMessageW(FindWindowExW(main, nullptr, L"Button", L"&New..."), BM_CLICK, 0, 0);
        HWND editor = scene.ShownOf(L"HidewellEntryEditor");
        if (!editor) return fputs("the entry editor did not open\n", stderr), 1;
        PostMessageW(FindWindowExW(editor, nullptr, L"Button", L"Show Icon in Tray"), BM_CLICK, 0, 0);
        Sleep(300);
        PostMessageW(FindWindowExW(editor, nullptr, L"Button", L"&Browse..."), BM_CLICK, 0, 0);
        shown = scene.ShownOf(L"HidewellIconPicker");
    } else if (name == L"date") {
        std::optional<TrayIconInfo> icon;
        WaitFor([&] { return (icon = DateIcon()).has_value(); }, 10s);
        if (!icon) return fputs("the date icon did not appear\n", stderr), 1;
        ClickIcon(*icon, Button::Right, 1);
        WaitFor([] { return OpenPopupMenu() != nullptr; }, 5s);
        PressKey(VK_UP);
        PressKey(VK_RETURN);
        shown = scene.ShownOf(L"HidewellDateConfig");
    }
    if (!shown) return fputs("the window did not open\n", stderr), 1;
    Sleep(1000);
    return SaveScreenshot(screenshot, shown) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"seed") return Seed();
    if (command == L"show" && argc > 2) return Show(argv[2]);
    if (command == L"editor" && argc > 2) return Editor(argv[2]);
    if (command == L"options" && argc > 2) return Options(argv[2]);
    if (command == L"window" && argc > 3) return Window(argv[2], argv[3]);
    fputs("usage: hwdemo seed | hwdemo show <screenshot.bmp> | hwdemo editor <screenshot.bmp> | "
          "hwdemo options <screenshot.bmp>\n", stderr);
    return 2;
}
