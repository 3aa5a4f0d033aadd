#pragma once
// Conversion between the portable UTF-16 text and the wide strings of the Windows API, and to
// UTF-8 for files and pipes.
#include <windows.h>

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

// The text in UTF-8; a lone surrogate becomes U+FFFD.
inline std::string ToUtf8(const Text& t) {
    const auto* wide = reinterpret_cast<const wchar_t*>(t.data());
    const int length = static_cast<int>(t.size());
    const int n = length ? WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr) : 0;
    std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide, length, bytes.data(), n, nullptr, nullptr);
    return bytes;
}

}  // namespace hw
