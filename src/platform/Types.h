#pragma once
// Plain types that cross between the portable subsystems and the platform adapters.
#include <compare>
#include <cstdint>
#include <functional>
#include <string>

namespace hw {

// A platform handle of one kind (Tag): a number, 0 being "none", that converts to and from the
// number only explicitly, so handles of different kinds cannot be swapped.
template <typename Tag>
class Handle {
public:
    constexpr Handle() = default;
    constexpr explicit Handle(std::uint64_t value) : value_(value) {}

    constexpr std::uint64_t Value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }

    friend constexpr bool operator==(Handle, Handle) = default;
    friend constexpr auto operator<=>(Handle, Handle) = default;
    // Written as its number (test failures, logs); the stream is any that takes a number.
    template <typename Stream>
    friend Stream& operator<<(Stream& out, Handle handle) {
        return out << handle.value_;
    }

private:
    std::uint64_t value_ = 0;
};

using WindowHandle = Handle<struct WindowTag>;
using IconHandle = Handle<struct IconTag>;
using MenuHandle = Handle<struct MenuTag>;

// All text is UTF-16, so lengths and cuts mean what Windows means.
using Text = std::u16string;

}  // namespace hw

template <typename Tag>
struct std::hash<hw::Handle<Tag>> {
    std::size_t operator()(hw::Handle<Tag> handle) const noexcept { return std::hash<std::uint64_t>{}(handle.Value()); }
};
