#pragma once
// Where a tray icon's popup opens.
#include <windows.h>

namespace hw {

// At the mouse; at the icon when the mouse is elsewhere, as when the popup was asked for from
// the keyboard. receiver: the window that receives the icon's messages (its id is 1).
POINT TrayPopupPoint(HWND receiver);

}  // namespace hw
