#include "fakes/MemoryRegistry.h"

#include <algorithm>

namespace hw::test {

namespace {

Text Upper(const Text& t) {
    Text u = t;
    for (char16_t& c : u) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return u;
}

bool IsRoot(RegKey key) { return key == kHkeyCurrentUser || key == kHkeyLocalMachine; }

}  // namespace

MemoryRegistry::KeyId MemoryRegistry::Id(RegKey root, const Text& path) {
    // Empty parts (doubled or trailing backslashes) are dropped.
    Text normal;
    std::size_t at = 0;
    while (at <= path.size()) {
        std::size_t end = std::min(path.find(u'\\', at), path.size());
        if (end > at) {
            if (!normal.empty()) normal += u'\\';
            normal += Upper(path.substr(at, end - at));
        }
        at = end + 1;
    }
    return {root, normal};
}

bool MemoryRegistry::Resolve(RegKey root, const Text& path, KeyId& id) const {
    if (IsRoot(root)) {
        id = Id(root, path);
        return true;
    }
    auto h = handles_.find(root);
    if (h == handles_.end()) return false;
    id = Id(h->second.id.first, h->second.id.second + u"\\" + path);
    return true;
}

void MemoryRegistry::PlantKey(RegKey root, const Text& path) { keys_[Id(root, path)]; }

void MemoryRegistry::Plant(RegKey root, const Text& path, const Text& name, std::uint32_t type,
                           std::vector<std::uint8_t> data) {
    keys_[Id(root, path)][Upper(name)] = StoredValue{type, std::move(data)};
}

void MemoryRegistry::PlantText(RegKey root, const Text& path, const Text& name, const Text& text, bool terminator) {
    std::vector<std::uint8_t> data;
    for (char16_t c : text) {
        data.push_back(static_cast<std::uint8_t>(c & 0xFF));
        data.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (terminator) data.insert(data.end(), {0, 0});
    Plant(root, path, name, kRegSz, std::move(data));
}

bool MemoryRegistry::HasKey(RegKey root, const Text& path) const { return keys_.count(Id(root, path)) != 0; }

const StoredValue* MemoryRegistry::Find(RegKey root, const Text& path, const Text& name) const {
    auto key = keys_.find(Id(root, path));
    if (key == keys_.end()) return nullptr;
    auto value = key->second.find(Upper(name));
    return value == key->second.end() ? nullptr : &value->second;
}

std::optional<Text> MemoryRegistry::TextOf(RegKey root, const Text& path, const Text& name) const {
    const StoredValue* v = Find(root, path, name);
    if (!v || v->type != kRegSz) return std::nullopt;
    Text t;
    for (std::size_t i = 0; i + 1 < v->data.size(); i += 2) t += static_cast<char16_t>(v->data[i] | v->data[i + 1] << 8);
    return t;
}

bool MemoryRegistry::SpendWrite() {
    if (writesLeft == 0) return false;
    if (writesLeft > 0) --writesLeft;
    return true;
}

std::int32_t MemoryRegistry::Open(RegKey root, const Text& path, std::uint32_t access, bool create, RegKey& key) {
    ++opens;
    KeyId id;
    if (!Resolve(root, path, id)) return kErrorInvalidHandle;
    if (readOnlyRoots.count(id.first) && (access & kKeyWriteRights)) return kErrorAccessDenied;
    if (!keys_.count(id)) {
        if (!create) return kErrorFileNotFound;
        if (!SpendWrite()) return kErrorAccessDenied;
        // Parents come into being with the key.
        for (std::size_t at = id.second.find(u'\\'); at != Text::npos; at = id.second.find(u'\\', at + 1))
            keys_[{id.first, id.second.substr(0, at)}];
        keys_[id];
    }
    key = next_++;
    handles_[key] = Handle{id, access};
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::CreateKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) {
    return Open(root, path, access, true, key);
}

std::int32_t MemoryRegistry::OpenKeyEx(RegKey root, const Text& path, std::uint32_t access, RegKey& key) {
    return Open(root, path, access, false, key);
}

std::int32_t MemoryRegistry::CloseKey(RegKey key) { return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle; }

std::int32_t MemoryRegistry::QueryValueEx(RegKey key, const Text& name, std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* size) {
    ++queries;
    auto h = handles_.find(key);
    if (h == handles_.end()) return kErrorInvalidHandle;
    const StoredValue* v = Find(h->second.id.first, h->second.id.second, name);
    if (!v) return kErrorFileNotFound;
    if (type) *type = v->type;
    std::uint32_t needed = static_cast<std::uint32_t>(v->data.size());
    if (data) {
        if (!size || *size < needed) {
            if (size) *size = needed;
            return kErrorMoreData;
        }
        std::copy(v->data.begin(), v->data.end(), data);
    }
    if (size) *size = needed;
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::SetValueEx(RegKey key, const Text& name, std::uint32_t type, const std::uint8_t* data,
                                        std::uint32_t size) {
    auto h = handles_.find(key);
    if (h == handles_.end()) return kErrorInvalidHandle;
    if (!(h->second.access & 0x2)) return kErrorAccessDenied;
    if (!SpendWrite()) return kErrorAccessDenied;
    keys_[h->second.id][Upper(name)] = StoredValue{type, std::vector<std::uint8_t>(data, data + size)};
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::DeleteValue(RegKey key, const Text& name) {
    auto h = handles_.find(key);
    if (h == handles_.end()) return kErrorInvalidHandle;
    if (!(h->second.access & 0x2)) return kErrorAccessDenied;
    if (!SpendWrite()) return kErrorAccessDenied;
    return keys_[h->second.id].erase(Upper(name)) ? kErrorSuccess : kErrorFileNotFound;
}

std::int32_t MemoryRegistry::EnumValue(RegKey key, std::uint32_t index, Text& name) {
    auto h = handles_.find(key);
    if (h == handles_.end()) return kErrorInvalidHandle;
    if (listingFails) return kErrorAccessDenied;
    const auto& values = keys_[h->second.id];
    if (index >= values.size()) return kErrorNoMoreItems;
    name = std::next(values.begin(), index)->first;
    return kErrorSuccess;
}

}  // namespace hw::test
