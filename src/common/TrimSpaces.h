#pragma once
// Text without the spaces at its start and end, as stored and shown names are read.
#include "platform/Types.h"

namespace hw {

inline Text TrimSpaces(const Text& text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == Text::npos) return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace hw
