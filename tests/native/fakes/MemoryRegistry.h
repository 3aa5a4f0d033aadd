#pragma once
// An in-memory registry: keys with typed values of raw bytes. Tests plant values of any
// type and size, deny writes under a root as Windows does for a normal user, and cut the
// writes off after a number of them, as if the process died there.
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "platform/Registry.h"

namespace hw::test {

struct StoredValue {
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
};

class MemoryRegistry : public Registry {
public:
    // Planting and inspecting bypass handles, rights and the write limit.
    void PlantKey(RegKey root, const Text& path);
    void Plant(RegKey root, const Text& path, const Text& name, std::uint32_t type, std::vector<std::uint8_t> data);
    void PlantText(RegKey root, const Text& path, const Text& name, const Text& text, bool terminator = false);
    bool HasKey(RegKey root, const Text& path) const;
    // Value names are kept upper-cased.
    const StoredValue* Find(RegKey root, const Text& path, const Text& name) const;
    // The text of a REG_SZ value; nullopt when it is missing or of another type.
    std::optional<Text> TextOf(RegKey root, const Text& path, const Text& name) const;

    // Writes (key creation, setting, deleting) still allowed; every later one fails. -1: no limit.
    int writesLeft = -1;
    // Roots under which keys open only without write rights.
    std::set<RegKey> readOnlyRoots;
    // EnumValue fails, as listing may on a key opened without query rights.
    bool listingFails = false;
    // Calls of QueryValueEx and OpenKeyEx / CreateKeyEx so far.
    int queries = 0;
    int opens = 0;
    int OpenHandles() const { return static_cast<int>(handles_.size()); }

    std::int32_t CreateKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) override;
    std::int32_t OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) override;
    std::int32_t CloseKey(RegKey key) override;
    std::int32_t QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* size) override;
    std::int32_t SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                            std::uint32_t size) override;
    std::int32_t DeleteValue(RegKey key, const Text& name) override;
    std::int32_t EnumValue(RegKey key, std::uint32_t index, Text& name) override;

private:
    using KeyId = std::pair<RegKey, Text>;  // root and upper-cased path
    struct Handle {
        KeyId id;
        std::uint32_t access;
    };

    static KeyId Id(RegKey root, const Text& path);
    // Resolves a root or an open handle plus a sub path; false for an unknown handle.
    bool Resolve(RegKey root, const Text& path, KeyId& id) const;
    std::int32_t Open(RegKey root, const Text& path, std::uint32_t access, bool create, RegKey& key);
    bool SpendWrite();

    std::map<KeyId, std::map<Text, StoredValue>> keys_;
    std::map<RegKey, Handle> handles_;
    RegKey next_ = 0x1000;
};

}  // namespace hw::test
