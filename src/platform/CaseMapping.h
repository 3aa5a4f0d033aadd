#pragma once
// Upper case as the platform defines it, for every script, independent of the user's language.
#include "platform/Types.h"

namespace hw {

class CaseMapping {
public:
    virtual ~CaseMapping() = default;
    // The text upper-cased code unit by code unit: same length, letters without an upper
    // case unchanged.
    virtual Text Upper(const Text& text) const = 0;
};

}  // namespace hw
