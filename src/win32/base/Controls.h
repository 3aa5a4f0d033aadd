#pragma once
// Child controls of Hidewell's windows, laid out in twips and drawn in the message font.
#include <windows.h>

#include <string>

#include "platform/Types.h"
#include "win32/base/Handles.h"

namespace hw {

// Creates a visible child control at a place given in twips, in the given font.
HWND CreateControl(HWND parent, HFONT font, int dpi, const wchar_t* cls, const wchar_t* text, DWORD style, int id,
                   int x, int y, int width, int height);

// The text of a window or control.
Text WindowText(HWND h);

// Sets a control's text unless it has it already (so it does not flicker); true when it changed.
bool SetTextIfChanged(HWND h, const std::wstring& text);
bool SetTextIfChanged(HWND h, const Text& text);

}  // namespace hw
