#pragma once
// The texts of child controls of Hidewell's windows.
#include <windows.h>

#include <string>

#include "platform/Types.h"
#include "win32/base/Handles.h"

namespace hw {

// The text of a window or control.
Text WindowText(HWND h);

// Sets a control's text unless it has it already (so it does not flicker); true when it changed.
bool SetTextIfChanged(HWND h, const std::wstring& text);
bool SetTextIfChanged(HWND h, const Text& text);

}  // namespace hw
