#pragma once
// DPI of the monitors Hidewell's windows and the taskbar are on, and sizes that follow it.
#include <windows.h>

#include "win32/base/Handles.h"

namespace hw {

// The screen's DPI (the system DPI, fixed at sign-in), 96 where it cannot be had. Only for
// systems that cannot tell a monitor's DPI.
int ScreenDpi();

// The effective DPI of the monitor the window is on, or of the primary monitor (where new
// windows open) for no window: it follows a change of scale made without signing out. The
// screen's DPI where the system cannot tell (before Windows 8.1).
int MonitorDpi(HWND window);

// The outer rectangle of a window of this style around the client rectangle, at a DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

// The large-icon size in pixels at a DPI: what previews of icon files show.
int LargeIconSize(int dpi);

// The DPI of the taskbar's monitor, where the notification area is.
int TaskbarDpi();

// The small-icon size in pixels at a DPI: what the notification area shows.
int SmallIconSize(int dpi);

// The font the system uses for message boxes, at a DPI; empty if it cannot be had.
UniqueFont CreateMessageFont(int dpi);

// Moves a window to the rectangle WM_DPICHANGED suggests (its lParam).
void MoveToSuggestedRect(HWND window, LPARAM suggested);

}  // namespace hw
