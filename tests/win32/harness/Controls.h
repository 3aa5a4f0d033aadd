#pragma once
// A user's hands on Hidewell's windows from another process: texts, children, buttons, focus,
// keys and the taskbar's buttons.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace hw::wine {

// A window's text (a control's caption, an edit field's content).
std::wstring TextOf(HWND h);
// The first child of the class whose text starts with the given one.
HWND Child(HWND parent, const wchar_t* cls, const std::wstring& start = L"");
// Clicks the button with the caption, posted: the window may open a modal dialog.
void Press(HWND window, const wchar_t* caption);
// The window with the keyboard focus in the window's thread.
HWND FocusOf(HWND window);
// Presses the key with the modifiers held (VK_MENU, VK_CONTROL, ...), as a user does.
void PressWith(std::initializer_list<WORD> modifiers, WORD key);
// Whether a window with this title has a button on the taskbar.
bool HasButton(const std::wstring& title);

}  // namespace hw::wine
