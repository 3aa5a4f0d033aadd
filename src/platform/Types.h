#pragma once
// Plain types that cross between the portable subsystems and the platform adapters.
#include <cstdint>
#include <string>

namespace hw {

// Window, icon and menu handles carried as integers; 0 is "none".
using WindowHandle = std::uint64_t;
using IconHandle = std::uint64_t;
using MenuHandle = std::uint64_t;

// All text is UTF-16, so lengths and cuts mean what Windows means.
using Text = std::u16string;

}  // namespace hw
