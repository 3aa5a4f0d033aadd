#include "fakes/MemoryRegistry.h"

#include <algorithm>

namespace hw::test {

static Text Upper(Text t) {
    for (char16_t& c : t) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return t;
}

MemoryRegistry::KeyId MemoryRegistry::Id(RegKey root, const Text& path) { return {root, Upper(path)}; }

void MemoryRegistry::Plant(RegKey root, const Text& path, const Text& name, std::uint32_t type,
                           std::vector<std::uint8_t> data) {
    keys_[Id(root, path)][Upper(name)] = StoredValue{type, std::move(data)};
}

void MemoryRegistry::PlantText(RegKey root, const Text& path, const Text& name, const Text& text, bool terminator) {
    std::vector<std::uint8_t> data;
    for (char16_t c : text) data.insert(data.end(), {std::uint8_t(c & 0xFF), std::uint8_t(c >> 8)});
    if (terminator) data.insert(data.end(), {0, 0});
    Plant(root, path, name, kRegSz, std::move(data));
}

std::optional<Text> MemoryRegistry::TextOf(RegKey root, const Text& path, const Text& name) const {
    auto key = keys_.find(Id(root, path));
    if (key == keys_.end()) return std::nullopt;
    auto v = key->second.find(Upper(name));
    if (v == key->second.end() || v->second.type != kRegSz) return std::nullopt;
    const std::vector<std::uint8_t>& d = v->second.data;
    Text t;
    for (std::size_t i = 0; i + 1 < d.size(); i += 2) t += char16_t(d[i] | d[i + 1] << 8);
    return t;
}

MemoryRegistry::Values* MemoryRegistry::ValuesOf(RegKey key, bool write) {
    auto h = handles_.find(key);
    if (h == handles_.end() || (write && (!(h->second.access & 0x2) || !SpendWrite()))) return nullptr;
    return &keys_[h->second.id];
}

std::int32_t MemoryRegistry::Open(RegKey root, const Text& path, std::uint32_t access, bool create, RegKey& key,
                                  bool* created) {
    if (root != kHkeyCurrentUser && root != kHkeyLocalMachine) return kErrorInvalidHandle;
    KeyId id = Id(root, path);
    if (readOnlyRoots.count(root) && (access & kKeyWriteRights)) return kErrorAccessDenied;
    if (!keys_.count(id)) {
        if (!create) return kErrorFileNotFound;
        if (!SpendWrite()) return kErrorAccessDenied;
        keys_[id];
        if (created) *created = true;
    }
    key = RegKey{next_++};
    handles_[key] = Handle{id, access};
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* size) {
    ++queries;
    Values* values = ValuesOf(key, false);
    if (!values) return kErrorInvalidHandle;
    auto v = values->find(Upper(name));
    if (v == values->end()) return kErrorFileNotFound;
    if (type) *type = v->second.type;
    const auto needed = static_cast<std::uint32_t>(v->second.data.size());
    std::uint32_t room = size ? *size : 0;
    if (size) *size = needed;
    if (!data) return kErrorSuccess;
    if (room < needed) return kErrorMoreData;
    std::copy(v->second.data.begin(), v->second.data.end(), data);
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                                        std::uint32_t size) {
    Values* values = ValuesOf(key, true);
    if (!values) return kErrorAccessDenied;
    (*values)[Upper(name)] = StoredValue{type, std::vector<std::uint8_t>(data, data + size)};
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::DeleteValue(RegKey key, const Text& name) {
    Values* values = ValuesOf(key, true);
    if (!values) return kErrorAccessDenied;
    return values->erase(Upper(name)) ? kErrorSuccess : kErrorFileNotFound;
}

std::int32_t MemoryRegistry::EnumValue(RegKey key, std::uint32_t index, Text& name) {
    Values* values = ValuesOf(key, false);
    if (!values || listingFails) return kErrorAccessDenied;
    if (index >= values->size()) return kErrorNoMoreItems;
    name = std::next(values->begin(), index)->first;
    return kErrorSuccess;
}

}  // namespace hw::test
