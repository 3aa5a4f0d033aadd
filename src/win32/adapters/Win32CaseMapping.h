#pragma once
// Windows' own upper case: LCMapStringEx with the invariant locale.
#include "platform/CaseMapping.h"

namespace hw {

class Win32CaseMapping : public CaseMapping {
public:
    Text Upper(const Text& text) const override;
};

}  // namespace hw
