#pragma once
// Where a tray icon's popup opens, and the keyboard focus when it closes.
#include <windows.h>

namespace hw {

// At the mouse; at the icon when the mouse is elsewhere, as when the popup was asked for from
// the keyboard (then atIcon is set). receiver: the window that receives the icon's messages
// (its id is 1).
POINT TrayPopupPoint(HWND receiver, bool* atIcon = nullptr);

// Where a popup asked for from the keyboard (a hotkey) opens: at the icon, or, when the icon
// is not in the notification area, at the notification area's corner (the taskbar's when it
// has none, the work area's when there is no taskbar).
POINT KeyboardPopupPoint(HWND receiver);

// Gives the keyboard focus back to the icon in the notification area, after its popup was
// opened from the keyboard and dismissed.
void ReturnTrayFocus(HWND receiver);

}  // namespace hw
