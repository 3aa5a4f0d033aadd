#pragma once
// Numbers in stored text: leading blanks, an optional sign, digits and an optional
// decimal fraction up to the first other character, rounded to the nearest integer
// (halves to the even neighbour). The empty text and text without leading digits are 0.
#include <cstdint>
#include <optional>

#include "platform/Types.h"

namespace hw {

// nullopt when the rounded number does not fit a signed 16-bit integer.
std::optional<std::int16_t> ParseInt16(const Text& text);

// nullopt when the rounded number does not fit a signed 32-bit integer.
std::optional<std::int32_t> ParseInt32(const Text& text);

// True when digits follow the leading blanks and the sign, so the text holds a number.
bool HasLeadingNumber(const Text& text);

// Decimal digits, with a minus sign when negative.
Text DecimalText(std::int64_t n);

}  // namespace hw
