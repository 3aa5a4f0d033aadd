#include "harness/Controls.h"

#include <gtest/gtest.h>

#include <vector>

#include "harness/Taskbar.h"

namespace hw::wine {

std::wstring TextOf(HWND h) {
    wchar_t buffer[512]{};
    SendMessageW(h, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

HWND Child(HWND parent, const wchar_t* cls, const std::wstring& start) {
    for (HWND c = FindWindowExW(parent, nullptr, cls, nullptr); c; c = FindWindowExW(parent, c, cls, nullptr))
        if (TextOf(c).rfind(start, 0) == 0) return c;
    return nullptr;
}

void Press(HWND window, const wchar_t* caption) {
    HWND button = FindWindowExW(window, nullptr, L"Button", caption);
    if (!button) {
        ADD_FAILURE() << "no button " << std::string(caption, caption + wcslen(caption));
        return;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void PressWith(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> input;
    auto add = [&](WORD vk, DWORD flags) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.dwFlags = flags;
        input.push_back(i);
    };
    for (WORD m : modifiers) add(m, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) add(*m, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    Sleep(80);
}

bool HasButton(const std::wstring& title) {
    for (auto& t : TaskbarWindows())
        if (t == title) return true;
    return false;
}

}  // namespace hw::wine
