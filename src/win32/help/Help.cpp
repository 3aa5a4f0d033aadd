// Placeholder until the help window exists: Help does nothing yet.
#include "win32/help/Help.h"

namespace hw {

void ShowHelp(HWND, HelpContext) {}
void CloseHelp() {}

}  // namespace hw
