#pragma once
// The raw registry, as thin as the platform's own calls.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

// An open key, or one of the predefined roots; 0 is "none".
using RegKey = Handle<struct RegKeyTag>;
constexpr RegKey kHkeyCurrentUser{0x80000001};
constexpr RegKey kHkeyLocalMachine{0x80000002};

// Value types (the platform's numbers).
enum RegType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
};

// Options of a created key: kept on disk, or volatile (gone at logoff, kept through a crash).
enum RegOption : std::uint32_t { kRegOptionNonVolatile = 0, kRegOptionVolatile = 1 };

// Status codes (the platform's numbers); 0 is success.
enum RegStatus : std::int32_t {
    kErrorSuccess = 0,
    kErrorFileNotFound = 2,
    kErrorAccessDenied = 5,
    kErrorInvalidHandle = 6,
    kErrorInvalidParameter = 87,
    kErrorMoreData = 234,
    kErrorNoMoreItems = 259,
};

// Query value, set value, create sub key, enumerate sub keys, notify, create link.
constexpr std::uint32_t kKeyAccess = 0x3F;
// Query value only: what a normal user is granted under HKLM.
constexpr std::uint32_t kKeyQueryValue = 0x1;
// The rights among kKeyAccess that change the registry.
constexpr std::uint32_t kKeyWriteRights = 0x2 | 0x4 | 0x20;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens the key, creating it and any missing parents first; options apply to the keys it
    // creates.
    virtual std::int32_t CreateKeyEx(RegKey root, const Text& path, std::uint32_t options, std::uint32_t access,
                                     RegKey& key) = 0;
    virtual std::int32_t OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) = 0;
    virtual std::int32_t CloseKey(RegKey key) = 0;

    // Reports the value's type and data size; with data, copies the data when *size is
    // large enough (kErrorMoreData and the needed size otherwise). type and data may be null.
    virtual std::int32_t QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* size) = 0;
    virtual std::int32_t SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                                    std::uint32_t size) = 0;
    virtual std::int32_t DeleteValue(RegKey key, const Text& name) = 0;
    // The name of the value at index 0, 1, ...; kErrorNoMoreItems past the last one.
    virtual std::int32_t EnumValue(RegKey key, std::uint32_t index, Text& name) = 0;

    // Where the key's values are kept, as the user is shown it.
    virtual Text Place(RegKey root, const Text& path) {
        return Text(root == kHkeyLocalMachine ? u"HKEY_LOCAL_MACHINE\\" : u"HKEY_CURRENT_USER\\") + path;
    }
};

}  // namespace hw
