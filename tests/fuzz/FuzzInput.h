#pragma once
// Turns fuzzer bytes into texts and numbers. Bytes below 0x80 are themselves; higher bytes
// become letters of Latin-1, Greek and Cyrillic in both cases, so that case folding is
// exercised without wasting most inputs on code units nobody types.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/Types.h"

namespace hw::fuzz {

// Stops the run with a finding; the fuzzer keeps the input that caused it.
inline void Check(bool ok) {
    if (!ok) std::abort();
}

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}

    bool Empty() const { return p_ == end_; }

    std::uint8_t Byte() { return p_ == end_ ? 0 : *p_++; }

    std::uint64_t Number(int bytes) {
        std::uint64_t n = 0;
        for (int i = 0; i < bytes; ++i) n = n << 8 | Byte();
        return n;
    }

    // Characters up to the next 0xFF byte (or the end), at most maxChars of them.
    Text Chars(std::size_t maxChars) {
        Text t;
        while (p_ != end_ && *p_ != 0xFF && t.size() < maxChars) t += Map(*p_++);
        if (p_ != end_ && *p_ == 0xFF) ++p_;
        return t;
    }

    // Raw UTF-16 code units from pairs of bytes, up to the next 0xFFFF unit.
    Text Units(std::size_t maxChars) {
        Text t;
        while (end_ - p_ >= 2 && t.size() < maxChars) {
            char16_t c = static_cast<char16_t>(p_[0] | p_[1] << 8);
            p_ += 2;
            if (c == 0xFFFF) break;
            t += c;
        }
        return t;
    }

    // What is left, as raw bytes.
    const std::uint8_t* Rest(std::size_t& size) {
        size = static_cast<std::size_t>(end_ - p_);
        const std::uint8_t* rest = p_;
        p_ = end_;
        return rest;
    }

private:
    static char16_t Map(std::uint8_t b) {
        if (b < 0x80) return b;
        if (b < 0xC0) return static_cast<char16_t>(0xC0 + (b - 0x80));   // À..ÿ
        if (b < 0xE0) return static_cast<char16_t>(0x391 + (b - 0xC0));  // Greek capitals
        if (b < 0xF0) return static_cast<char16_t>(0x3B1 + (b - 0xE0));  // Greek small
        return static_cast<char16_t>(0x410 + (b - 0xF0) * 3);             // Cyrillic
    }

    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

}  // namespace hw::fuzz
