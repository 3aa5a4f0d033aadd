#include "settings/RegistryStore.h"

#include "common/NumericParse.h"

namespace hw {

namespace {

std::int32_t WriteText(Registry& reg, RegKey key, const Text& name, const Text& text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return reg.SetValueEx(key, name, kRegSz, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

std::int32_t WriteDword(Registry& reg, RegKey key, const Text& name, std::uint32_t n) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                                   static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
    return reg.SetValueEx(key, name, kRegDword, bytes, sizeof bytes);
}

}  // namespace

RegistryKey::RegistryKey(Registry& reg, RegKey root, const Text& path, std::uint32_t access) : reg_(reg) {
    RegKey key;
    if (reg_.OpenKeyEx(root, path, access, key) == kErrorSuccess) key_ = key;
}

RegistryKey::~RegistryKey() {
    if (key_) reg_.CloseKey(key_);
}

RegistryValue RegistryKey::Read(const Text& name) {
    RegistryValue value;
    if (key_) ReadValueFromOpenKey(reg_, key_, name, value);
    return value;
}

std::int32_t RegistryKey::Write(const Text& name, const RegistryValue& value, std::uint32_t type) {
    return key_ ? WriteValueToOpenKey(reg_, key_, name, type, value) : kErrorInvalidHandle;
}

std::int32_t RegistryKey::Remove(const Text& name) {
    return key_ ? reg_.DeleteValue(key_, name) : kErrorInvalidHandle;
}

std::optional<std::vector<Text>> RegistryKey::ValueNames() {
    if (!key_) return std::nullopt;
    std::vector<Text> names;
    for (std::uint32_t i = 0;; ++i) {
        Text name;
        std::int32_t status = reg_.EnumValue(key_, i, name);
        if (status == kErrorNoMoreItems) return names;
        if (status != kErrorSuccess) return std::nullopt;
        names.push_back(std::move(name));
    }
}

std::int32_t CreateKey(Registry& reg, RegKey root, const Text& path, KeyLife life) {
    RegKey key;
    const std::uint32_t options = life == KeyLife::Volatile ? kRegOptionVolatile : kRegOptionNonVolatile;
    const std::int32_t status = reg.CreateKeyEx(root, path, options, kKeyAccess, key);
    if (status == kErrorSuccess) reg.CloseKey(key);
    return status;
}

std::int32_t WriteValue(Registry& reg, RegKey root, const Text& path, const Text& name, const RegistryValue& value,
                        std::uint32_t type) {
    return RegistryKey(reg, root, path).Write(name, value, type);
}

RegistryValue ReadValue(Registry& reg, RegKey root, const Text& path, const Text& name) {
    return RegistryKey(reg, root, path, kKeyQueryValue).Read(name);
}

std::int32_t RemoveValue(Registry& reg, RegKey root, const Text& path, const Text& name) {
    return RegistryKey(reg, root, path).Remove(name);
}

std::int32_t WriteValueToOpenKey(Registry& reg, RegKey key, const Text& name, std::uint32_t type,
                                 const RegistryValue& value) {
    if (type == kRegSz) return WriteText(reg, key, name, value.ToText());
    if (type != kRegDword) return kErrorSuccess;
    std::optional<std::int32_t> n = ParseInt32(value.ToText());
    if (!n) return kErrorInvalidParameter;
    return WriteDword(reg, key, name, static_cast<std::uint32_t>(*n));
}

std::int32_t ReadValueFromOpenKey(Registry& reg, RegKey key, const Text& name, RegistryValue& value) {
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    std::int32_t status = reg.QueryValueEx(key, name, &type, nullptr, &size);
    if (status != kErrorSuccess) return status;

    if (type == kRegSz) {
        std::vector<std::uint8_t> bytes(size);
        status = reg.QueryValueEx(key, name, nullptr, bytes.data(), &size);
        if (status != kErrorSuccess) {
            value = RegistryValue();
            return status;
        }
        Text text(size / 2, u'\0');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        value = RegistryValue(std::move(text));
        return status;
    }
    if (type == kRegDword) {
        std::uint8_t bytes[4] = {};
        size = sizeof bytes;
        status = reg.QueryValueEx(key, name, nullptr, bytes, &size);
        if (status == kErrorSuccess) {
            std::uint32_t n = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t{bytes[3]} << 24);
            value = RegistryValue(static_cast<std::int32_t>(n));
        }
        return status;
    }
    return -1;
}

}  // namespace hw
