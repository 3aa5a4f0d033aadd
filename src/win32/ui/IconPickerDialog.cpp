// Placeholder until the icon picker exists: it never chooses.
#include "win32/ui/IconPickerDialog.h"

namespace hw {

std::optional<Text> PickIcon(HWND, const Text&) { return std::nullopt; }

}  // namespace hw
