#pragma once
// Conversions between Win32 handles and the integers the portable code carries them in.
#include <windows.h>

#include <cstdint>

namespace hw {

template <typename H>
H ToWin32(std::uint64_t handle) {
    return reinterpret_cast<H>(static_cast<std::uintptr_t>(handle));
}

template <typename H>
std::uint64_t FromWin32(H handle) {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace hw
