// Placeholder until the about box exists.
#include "win32/about/AboutBox.h"

namespace hw {

void ShowAboutBox(HWND, bool) {}

}  // namespace hw
