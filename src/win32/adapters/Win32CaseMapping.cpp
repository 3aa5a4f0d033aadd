#include "win32/adapters/Win32CaseMapping.h"

#include <windows.h>

namespace hw {

Text Win32CaseMapping::Upper(const Text& text) const {
    if (text.empty()) return text;
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    Text upper(text.size(), u'\0');
    int n = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, source, length,
                          reinterpret_cast<wchar_t*>(upper.data()), length, nullptr, nullptr, 0);
    // Upper case keeps the length; anything else (a failure) leaves the text as it was,
    // so matching stays exact rather than wrong.
    return n == length ? upper : text;
}

}  // namespace hw
