#pragma once
// The value handed in and out of the registry layer: empty, text or a 32-bit integer.
#include <cstdint>
#include <variant>

#include "platform/Types.h"

namespace hw {

class RegistryValue {
public:
    RegistryValue() = default;
    RegistryValue(Text text) : v_(std::move(text)) {}
    RegistryValue(const char16_t* text) : v_(Text(text)) {}
    RegistryValue(std::int32_t n) : v_(n) {}

    // Empty means nothing was read: a missing value, or one of a type the layer skips.
    bool IsEmpty() const { return std::holds_alternative<std::monostate>(v_); }

    // An integer gives its decimal digits, empty gives the empty text.
    Text ToText() const;

    bool operator==(const RegistryValue&) const = default;

private:
    std::variant<std::monostate, Text, std::int32_t> v_;
};

}  // namespace hw
