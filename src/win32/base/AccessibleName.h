#pragma once
// Names that screen readers announce for controls whose label is no static text before them
// (a list inside a group box): set through the accessibility runtime's annotation service.
#include <windows.h>

namespace hw {

// Gives the control the name; nothing happens where the service is missing. COM must be
// initialised on the calling thread. The name goes with the control's window.
void SetAccessibleName(HWND control, const wchar_t* name);

}  // namespace hw
