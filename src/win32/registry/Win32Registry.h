#pragma once
// The registry through the advapi32 wide calls.
#include <windows.h>

#include "platform/Registry.h"

namespace hw {

class Win32Registry : public Registry {
public:
    std::int32_t CreateKeyEx(RegKey root, const Text& path, std::uint32_t options, std::uint32_t access,
                             RegKey& key) override;
    std::int32_t OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) override;
    std::int32_t CloseKey(RegKey key) override;
    std::int32_t QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* size) override;
    std::int32_t SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                            std::uint32_t size) override;
    std::int32_t DeleteValue(RegKey key, const Text& name) override;
    std::int32_t EnumValue(RegKey key, std::uint32_t index, Text& name) override;
};

}  // namespace hw
