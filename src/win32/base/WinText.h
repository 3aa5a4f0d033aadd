#pragma once
// Conversion between the portable UTF-16 text and the wide strings of the Windows API.
#include <string>

#include "platform/Types.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16");

namespace hw {

inline std::wstring ToWide(const Text& t) {
    return std::wstring(reinterpret_cast<const wchar_t*>(t.data()), t.size());
}

inline Text FromWide(const wchar_t* s, std::size_t n) {
    return Text(reinterpret_cast<const char16_t*>(s), n);
}

inline Text FromWide(const std::wstring& s) { return FromWide(s.data(), s.size()); }

}  // namespace hw
