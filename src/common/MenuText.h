#pragma once
// The text of a menu item made from a window's caption.
#include <cstddef>

#include "platform/Types.h"

namespace hw {

// Captions longer than this many characters are shortened in menus.
inline constexpr std::size_t kMenuTextMaxLength = 60;

// The caption as a menu shows it: longer than kMenuTextMaxLength characters, it keeps its
// start and end with "…" between them (a surrogate pair is never cut); every "&" is doubled,
// since a menu takes a single one as the underline of the next letter.
Text MenuItemText(const Text& caption);

}  // namespace hw
