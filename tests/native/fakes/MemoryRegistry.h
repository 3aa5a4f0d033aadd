#pragma once
// An in-memory registry of typed raw values. Tests plant values of any type, deny writes
// under a root as Windows does for a normal user, and cut writes off as if the process died.
#include <map>
#include <optional>
#include <set>
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
    void PlantKey(RegKey root, const Text& path) { keys_[Id(root, path)]; }
    void Plant(RegKey root, const Text& path, const Text& name, std::uint32_t type, std::vector<std::uint8_t> data);
    void PlantText(RegKey root, const Text& path, const Text& name, const Text& text, bool terminator = false);
    // The text of a REG_SZ value; nullopt when it is missing or of another type.
    std::optional<Text> TextOf(RegKey root, const Text& path, const Text& name) const;

    int writesLeft = -1;               // writes still allowed before all fail; -1: no limit
    std::set<RegKey> readOnlyRoots;    // keys under these open only without write rights
    bool listingFails = false;         // EnumValue fails
    int queries = 0;                   // QueryValueEx calls so far
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    // The user logs off: volatile keys go, with every handle.
    void Logoff() {
        for (const KeyId& id : volatile_) keys_.erase(id);
        volatile_.clear();
        handles_.clear();
    }
    bool IsVolatile(RegKey root, const Text& path) const { return volatile_.count(Id(root, path)) != 0; }

    std::int32_t CreateKeyEx(RegKey root, const Text& path, std::uint32_t options, std::uint32_t access,
                             RegKey& key) override {
        bool created = false;
        std::int32_t status = Open(root, path, access, true, key, &created);
        if (created && options == kRegOptionVolatile) volatile_.insert(Id(root, path));
        return status;
    }
    std::int32_t OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) override {
        return Open(root, path, access, false, key, nullptr);
    }
    std::int32_t CloseKey(RegKey key) override { return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle; }
    std::int32_t QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* size) override;
    std::int32_t SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                            std::uint32_t size) override;
    std::int32_t DeleteValue(RegKey key, const Text& name) override;
    std::int32_t EnumValue(RegKey key, std::uint32_t index, Text& name) override;

private:
    using KeyId = std::pair<RegKey, Text>;  // root and upper-cased path
    using Values = std::map<Text, StoredValue>;  // by upper-cased name
    struct Handle {
        KeyId id;
        std::uint32_t access;
    };

    static KeyId Id(RegKey root, const Text& path);
    std::int32_t Open(RegKey root, const Text& path, std::uint32_t access, bool create, RegKey& key, bool* created);
    // The values under an open handle; null for an unknown handle, or for a write without
    // rights or past the write limit.
    Values* ValuesOf(RegKey key, bool write);
    bool SpendWrite() { return writesLeft < 0 || (writesLeft > 0 && writesLeft-- > 0); }

    std::map<KeyId, Values> keys_;
    std::map<RegKey, Handle> handles_;
    std::set<KeyId> volatile_;
    std::uint64_t next_ = 0x1000;
};

}  // namespace hw::test
