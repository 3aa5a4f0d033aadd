#pragma once
// Conversions between Win32 handles and the portable handle of the same kind.
#include <windows.h>

#include <cstdint>

#include "platform/Registry.h"
#include "platform/Types.h"

namespace hw {

// The portable handle type that carries each Win32 handle type.
template <typename H>
struct PortableHandle;
template <>
struct PortableHandle<HWND> {
    using Type = WindowHandle;
};
template <>
struct PortableHandle<HICON> {
    using Type = IconHandle;
};
template <>
struct PortableHandle<HMENU> {
    using Type = MenuHandle;
};
template <>
struct PortableHandle<HKEY> {
    using Type = RegKey;
};

template <typename H>
H ToWin32(typename PortableHandle<H>::Type handle) {
    return reinterpret_cast<H>(static_cast<std::uintptr_t>(handle.Value()));
}

template <typename H>
typename PortableHandle<H>::Type FromWin32(H handle) {
    return typename PortableHandle<H>::Type{static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle))};
}

}  // namespace hw
