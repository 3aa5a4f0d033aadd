#include "fakes/TableCaseMapping.h"

namespace hw::test {

namespace {

// Lower case of a pair block where upper and lower case alternate: the upper case letter
// sits at the even code when upperEven is true.
bool InPairBlock(char16_t c, char16_t from, char16_t to, bool upperEven) {
    return c >= from && c <= to && ((c % 2 == 0) != upperEven);
}

char16_t UpperGreek(char16_t c) {
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;
    switch (c) {
    case 0x3AC: return 0x386;
    case 0x3AD: return 0x388;
    case 0x3AE: return 0x389;
    case 0x3AF: return 0x38A;
    case 0x3C2: return 0x3A3;  // final sigma
    case 0x3CC: return 0x38C;
    case 0x3CD: return 0x38E;
    case 0x3CE: return 0x38F;
    case 0x3D0: return 0x392;
    case 0x3D1: return 0x398;
    case 0x3D5: return 0x3A6;
    case 0x3D6: return 0x3A0;
    case 0x3F0: return 0x39A;
    case 0x3F1: return 0x3A1;
    case 0x3F5: return 0x395;
    default: break;
    }
    if (InPairBlock(c, 0x3D8, 0x3EF, true)) return c - 1;
    return c;
}

char16_t UpperCyrillic(char16_t c) {
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if (c == 0x4CF) return 0x4C0;
    if (InPairBlock(c, 0x460, 0x481, true) || InPairBlock(c, 0x48A, 0x4BF, true) ||
        InPairBlock(c, 0x4C1, 0x4CE, false) || InPairBlock(c, 0x4D0, 0x52F, true))
        return c - 1;
    return c;
}

char16_t UpperLatin(char16_t c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
    case 0xB5: return 0x39C;   // micro sign
    case 0xFF: return 0x178;
    case 0x131: return u'I';   // dotless i
    case 0x17F: return u'S';   // long s
    default: break;
    }
    if (InPairBlock(c, 0x100, 0x12F, true) || InPairBlock(c, 0x132, 0x137, true) ||
        InPairBlock(c, 0x139, 0x148, false) || InPairBlock(c, 0x14A, 0x177, true) ||
        InPairBlock(c, 0x179, 0x17E, false))
        return c - 1;
    return c;
}

}  // namespace

char16_t TableCaseMapping::Upper(char16_t c) {
    if (c < 0x80) return (c >= u'a' && c <= u'z') ? c - 0x20 : c;
    if (c < 0x180) return UpperLatin(c);
    if (c >= 0x370 && c < 0x400) return UpperGreek(c);
    if (c >= 0x400 && c < 0x530) return UpperCyrillic(c);
    return c;
}

Text TableCaseMapping::Upper(const Text& text) const {
    Text upper(text);
    for (char16_t& c : upper) c = Upper(c);
    return upper;
}

}  // namespace hw::test
