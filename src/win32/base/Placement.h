#pragma once
// Where Hidewell's windows open, and the icon their captions show.
#include <windows.h>

namespace hw {

// The outer rectangle of a window of this style whose client area has the given size in
// pixels at the DPI, centred on the primary monitor.
RECT CentredWindowRect(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

// Moves a window, keeping its size, to the centre of the monitor it is on.
void CentreOnScreen(HWND window);

// Hidewell's program icon at the default size, shared (never destroyed).
HICON ProgramIcon();

}  // namespace hw
