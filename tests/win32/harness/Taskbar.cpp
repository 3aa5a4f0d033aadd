#include "harness/Taskbar.h"

#include <commctrl.h>

#include <algorithm>
#include <thread>

#include "win32/base/Handles.h"

namespace hw::wine {

namespace {

struct Remote {
    HANDLE process;
    void* p;
    ~Remote() {
        if (p) VirtualFreeEx(process, p, 0, MEM_RELEASE);
    }
};

// A tool as the tooltip's own process lays it out. A 32-bit test reads the tools of a 64-bit
// explorer, whose pointers and handles are 64 bits wide.
struct ToolInfo64 {
    UINT cbSize;
    UINT uFlags;
    ULONG64 hwnd;
    ULONG64 uId;
    RECT rect;
    ULONG64 hinst;
    ULONG64 lpszText;
    ULONG64 lParam;
    ULONG64 lpReserved;
};
static_assert(sizeof(ToolInfo64) == 72);

void PointText(TTTOOLINFOW& info, wchar_t* text) { info.lpszText = text; }
void PointText(ToolInfo64& info, wchar_t* text) { info.lpszText = reinterpret_cast<ULONG_PTR>(text); }
HWND WindowOf(const TTTOOLINFOW& info) { return info.hwnd; }
HWND WindowOf(const ToolInfo64& info) { return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(info.hwnd)); }

// True when the process is 64-bit and this one is not.
bool Wider(HANDLE process) {
    if (sizeof(void*) == 8) return false;
    BOOL selfWow = FALSE, otherWow = FALSE;
    return IsWow64Process(GetCurrentProcess(), &selfWow) && selfWow && IsWow64Process(process, &otherWow) &&
           !otherWow;
}

// Reads each tool of a tooltip window that lives in another process (explorer).
template <typename Info>
std::vector<TrayIconInfo> ToolsOf(HANDLE process, HWND tooltip, HWND tray) {
    std::vector<TrayIconInfo> icons;
    constexpr SIZE_T kText = 256 * sizeof(wchar_t);
    Remote mem{process, VirtualAllocEx(process, nullptr, sizeof(Info) + kText, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)};
    if (!mem.p) return icons;
    auto* remoteInfo = static_cast<Info*>(mem.p);
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(mem.p) + sizeof(Info));
    DWORD_PTR count = 0;
    SendMessageTimeoutW(tooltip, TTM_GETTOOLCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count);
    for (DWORD_PTR i = 0; i < count; ++i) {
        Info info{};
        info.cbSize = sizeof(info);
        PointText(info, remoteText);
        wchar_t text[256] = {};
        SIZE_T done = 0;
        WriteProcessMemory(process, remoteText, text, kText, &done);
        WriteProcessMemory(process, remoteInfo, &info, sizeof(info), &done);
        DWORD_PTR ok = 0;
        SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remoteInfo), SMTO_ABORTIFHUNG, 2000,
                            &ok);
        if (!ok) continue;
        ReadProcessMemory(process, remoteInfo, &info, sizeof(info), &done);
        ReadProcessMemory(process, remoteText, text, kText - sizeof(wchar_t), &done);
        TrayIconInfo icon;
        icon.tip = text;
        icon.rect = info.rect;
        HWND owner = WindowOf(info);
        MapWindowPoints(owner ? owner : tray, nullptr, reinterpret_cast<POINT*>(&icon.rect), 2);
        if (!IsRectEmpty(&info.rect)) icons.push_back(icon);
    }
    return icons;
}

std::vector<TrayIconInfo> ToolsOf(HWND tooltip, HWND tray) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tooltip, &pid);
    UniqueKernelHandle process(OpenProcess(
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) return {};
    if (Wider(process.Get())) return ToolsOf<ToolInfo64>(process.Get(), tooltip, tray);
    return ToolsOf<TTTOOLINFOW>(process.Get(), tooltip, tray);
}

struct TooltipSearch {
    HWND tray;
    std::vector<HWND> found;
};

BOOL CALLBACK FindTooltips(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<TooltipSearch*>(lp);
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    if (wcscmp(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(h, GW_OWNER) == s->tray) s->found.push_back(h);
    return TRUE;
}

BOOL CALLBACK FindButtons(HWND h, LPARAM lp) {
    auto* titles = reinterpret_cast<std::vector<std::wstring>*>(lp);
    if (!IsWindowVisible(h) || GetWindow(h, GW_OWNER)) return TRUE;
    if (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return TRUE;
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    if (wcscmp(cls, L"Shell_TrayWnd") == 0) return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(h, title, 256);
    titles->push_back(title);
    return TRUE;
}

}  // namespace

std::vector<TrayIconInfo> TrayIcons() {
    std::vector<TrayIconInfo> icons;
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) return icons;
    TooltipSearch search{tray, {}};
    EnumWindows(FindTooltips, reinterpret_cast<LPARAM>(&search));
    for (HWND tooltip : search.found)
        for (auto& icon : ToolsOf(tooltip, tray)) icons.push_back(icon);
    std::sort(icons.begin(), icons.end(), [](const auto& a, const auto& b) { return a.rect.left < b.rect.left; });
    return icons;
}

std::vector<TrayIconInfo> TrayIconsWithTip(const std::wstring& tipStart) {
    std::vector<TrayIconInfo> found;
    for (auto& icon : TrayIcons())
        if (icon.tip.compare(0, tipStart.size(), tipStart) == 0) found.push_back(icon);
    return found;
}

std::vector<TrayIconInfo> OwnIcons() {
    std::vector<TrayIconInfo> found;
    for (auto& icon : TrayIcons())
        if (icon.tip == L"Hidewell") found.push_back(icon);
    return found;
}

void Click(POINT at, Button button, int clicks) {
    SetCursorPos(at.x, at.y);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    DWORD down = button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    DWORD up = button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    // The button is held down a moment, as a hand holds it: a window that tracks its
    // minimise button then sees the press before the release.
    for (int i = 0; i < clicks; ++i) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = down;
        SendInput(1, &input, sizeof(INPUT));
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        input.mi.dwFlags = up;
        SendInput(1, &input, sizeof(INPUT));
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
}

void ClickIcon(const TrayIconInfo& icon, Button button, int clicks) {
    POINT centre{(icon.rect.left + icon.rect.right) / 2, (icon.rect.top + icon.rect.bottom) / 2};
    Click(centre, button, clicks);
}

std::vector<std::wstring> TaskbarWindows() {
    std::vector<std::wstring> titles;
    EnumWindows(FindButtons, reinterpret_cast<LPARAM>(&titles));
    return titles;
}

}  // namespace hw::wine

namespace hw::wine {

HWND OpenPopupMenu() {
    for (HWND h = FindWindowW(L"#32768", nullptr); h; h = FindWindowExW(nullptr, h, L"#32768", nullptr))
        if (IsWindowVisible(h)) return h;
    return nullptr;
}

void PressKey(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

}  // namespace hw::wine
