#pragma once
// A simulated platform case mapping: a hand-written table for Latin-1, Latin Extended-A,
// Greek and Cyrillic; other code units stay as they are.
#include "platform/CaseMapping.h"

namespace hw::test {

class TableCaseMapping : public CaseMapping {
public:
    Text Upper(const Text& text) const override;
    static char16_t Upper(char16_t c);
};

}  // namespace hw::test
