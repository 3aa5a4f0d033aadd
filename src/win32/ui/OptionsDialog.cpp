// Placeholder until the options dialog exists: it is always cancelled.
#include "win32/ui/OptionsDialog.h"

namespace hw {

bool ShowOptionsDialog(HWND, OptionsTarget&) { return false; }

}  // namespace hw
