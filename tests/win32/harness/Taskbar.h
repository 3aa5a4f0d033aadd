#pragma once
// Wine's taskbar as a user sees it: the notification-area icons with their tips and
// places, the taskbar buttons, and real mouse clicks.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace hw::wine {

struct TrayIconInfo {
    std::wstring tip;
    RECT rect{};  // screen coordinates; empty for an icon that is not displayed
};

// The icons that are displayed now, left to right.
std::vector<TrayIconInfo> TrayIcons();
// The displayed icons whose tip starts with the text.
std::vector<TrayIconInfo> TrayIconsWithTip(const std::wstring& tipStart);
// Hidewell's own icons: the displayed icons whose tip is exactly "Hidewell".
std::vector<TrayIconInfo> OwnIcons();

enum class Button { Left, Right };
// Moves the mouse to the point and clicks once or twice there.
void Click(POINT at, Button button, int clicks);
void ClickIcon(const TrayIconInfo& icon, Button button, int clicks);

// Titles of the windows that have a button on the taskbar (visible, unowned, not tool windows).
std::vector<std::wstring> TaskbarWindows();

}  // namespace hw::wine

namespace hw::wine {

// The popup menu window that is open now, if any.
HWND OpenPopupMenu();
// Presses and releases a key (a virtual-key code).
void PressKey(WORD vk);

}  // namespace hw::wine
