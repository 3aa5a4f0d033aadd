#pragma once
// Subclassing of the common controls, found in comctl32 when first used. Hidewell does not load
// that library at start: it comes with the first window that has controls (their classes come
// through the manifest), so a Hidewell that only waits with its icons does not pay for it.
#include <windows.h>
#include <commctrl.h>

namespace hw {

BOOL SubclassControl(HWND control, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
BOOL UnsubclassControl(HWND control, SUBCLASSPROC proc, UINT_PTR id);
// The message to the control's procedure below the subclass.
LRESULT PassToControl(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace hw
