#include <gtest/gtest.h>

#include "win32/adapters/Win32CaseMapping.h"

namespace hw {
namespace {

// Windows' upper case reaches the scripts a hand-made table would miss, and keeps the length.
TEST(Win32CaseMapping, UpperCasesEveryScript) {
    struct Case {
        const char16_t* text;
        const char16_t* upper;
    };
    constexpr Case kCases[] = {
        {u"untitled - notepad", u"UNTITLED - NOTEPAD"},
        {u"\u00e9t\u00e9 \u00ff", u"\u00c9T\u00c9 \u0178"},        // Latin-1
        {u"\u0142\u00f3d\u017a", u"\u0141\u00d3D\u0179"},          // Latin Extended-A
        {u"\u01c6\u0180\u0253", u"\u01c4\u0243\u0181"},            // Latin Extended-B
        {u"\u03b1\u03c1\u03ac", u"\u0391\u03a1\u0386"},            // Greek
        {u"\u0436\u0451", u"\u0416\u0401"},                        // Cyrillic
        {u"\u0561\u0562", u"\u0531\u0532"},                        // Armenian
        {u"\uff41\uff5a", u"\uff21\uff3a"},                        // full-width
        {u"\u00df 1#*", u"\u00df 1#*"},                            // no single upper case
        {u"", u""},
    };
    Win32CaseMapping mapping;
    for (const Case& c : kCases) EXPECT_EQ(mapping.Upper(c.text), Text(c.upper)) << "case " << (&c - kCases);
}

}  // namespace
}  // namespace hw
