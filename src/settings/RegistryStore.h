#pragma once
// The registry layer, through which the settings, the journal of hidden windows and the
// overflow tip's mark reach the registry (below it sit only the Registry implementations:
// Win32Registry, and PortableRegistry, which keeps a portable copy's settings in a file and
// reads the real registry once to offer copying from it). Whole operations open a key by root
// and path, do one thing and close it again; writes and removals return the registry status
// (0 for success).
// Text is stored as UTF-16 without a terminator, and read back keeping exactly as many
// characters as the registry reports (bytes / 2), so a terminator another writer stored
// comes back as a last NUL character. Only REG_SZ and REG_DWORD are understood.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Registry.h"
#include "settings/RegistryValue.h"

namespace hw {

// Owns an open key (opened, never created) and closes it when it goes.
class RegistryKey {
public:
    RegistryKey(Registry& reg, RegKey root, const Text& path, std::uint32_t access = kKeyAccess);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return static_cast<bool>(key_); }
    // Each does nothing, or reads empty, when the key is not open.
    RegistryValue Read(const Text& name);
    std::int32_t Write(const Text& name, const RegistryValue& value, std::uint32_t type);
    std::int32_t Remove(const Text& name);
    // The names of all values, so that absent ones need no query; nullopt when the
    // listing fails.
    std::optional<std::vector<Text>> ValueNames();

private:
    Registry& reg_;
    RegKey key_;
};

// A key that lives on disk, or only until the user logs off (a crash does not end it).
enum class KeyLife { Stored, Volatile };
// Creates the key when it is missing; the registry status.
std::int32_t CreateKey(Registry& reg, RegKey root, const Text& path, KeyLife life = KeyLife::Stored);
// The key must exist: WriteValue never creates it.
std::int32_t WriteValue(Registry& reg, RegKey root, const Text& path, const Text& name, const RegistryValue& value,
                        std::uint32_t type);
// Empty for a missing key or value, a value of another type, or any failure. Opens the
// key for querying only, so values under HKLM can be read without administrator rights.
RegistryValue ReadValue(Registry& reg, RegKey root, const Text& path, const Text& name);
std::int32_t RemoveValue(Registry& reg, RegKey root, const Text& path, const Text& name);

// Writes REG_SZ or REG_DWORD and returns the registry status; any other type writes
// nothing and returns 0. A text that is no 32-bit number is not written as REG_DWORD.
std::int32_t WriteValueToOpenKey(Registry& reg, RegKey key, const Text& name, std::uint32_t type,
                                 const RegistryValue& value);
// Returns the registry status, or -1 for a type other than REG_SZ and REG_DWORD; value
// changes only when something was read (a failed second read of text empties it).
std::int32_t ReadValueFromOpenKey(Registry& reg, RegKey key, const Text& name, RegistryValue& value);

}  // namespace hw
