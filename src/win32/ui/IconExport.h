#pragma once
// Saving a shown icon as an icon file where the user chooses.
#include <windows.h>

#include "platform/Types.h"

namespace hw {

// Asks where with the Save As dialog (defaultName offered) and writes the icon there as an
// .ico file. A failure is reported in a message box; false when nothing was written.
bool SaveIconAs(HWND owner, HICON icon, const Text& defaultName);

}  // namespace hw

namespace hw {

// Writes the icon as an .ico file; ERROR_SUCCESS or the error that stopped it.
DWORD WriteIconFile(HICON icon, const Text& path);

}  // namespace hw
