#include <gtest/gtest.h>

#include "common/MenuText.h"
#include "common/Paths.h"

namespace hw {
namespace {

Text Repeat(const Text& piece, int times) {
    Text out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(MenuItemText, DoublesAmpersandsAndShortensLongCaptionsNeverCuttingASurrogatePair) {
    const Text sixty = Repeat(u"0123456789", 6);
    const Text long61 = sixty + u"X";
    const std::pair<Text, Text> cases[] = {  // caption, menu text
        {u"Tom & Jerry", u"Tom && Jerry"},
        {u"&&&", u"&&&&&&"},
        {u"", u""},
        {sixty, sixty},
        // 30 characters, the ellipsis, the last 29.
        {long61, sixty.substr(0, 30) + u"\u2026" + long61.substr(61 - 29)},
        // The "&" counts as one character and is doubled after shortening.
        {Repeat(u"&", 61), Repeat(u"&&", 30) + u"\u2026" + Repeat(u"&&", 29)},
    };
    for (const auto& [caption, menu] : cases) EXPECT_EQ(MenuItemText(caption), menu) << caption.size();

    // A surrogate pair is never cut.
    const Text smile = u"\U0001F600";  // one character, two code units
    // 70 characters, each a pair: shortened to 30 pairs, the ellipsis and 29 pairs.
    Text pairs = Repeat(smile, 70);
    EXPECT_EQ(MenuItemText(pairs), Repeat(smile, 30) + u"\u2026" + Repeat(smile, 29));
    // Pairs at the cuts of a mixed caption stay whole; 60 characters are not shortened.
    EXPECT_EQ(MenuItemText(Repeat(u"a" + smile, 30)), Repeat(u"a" + smile, 30));
    Text mixed = Repeat(u"a" + smile, 40);  // 80 characters
    Text shown = MenuItemText(mixed);
    EXPECT_EQ(shown, Repeat(u"a" + smile, 15) + u"\u2026" + smile + Repeat(u"a" + smile, 14));
    // A lone surrogate is kept as it is, as one character.
    EXPECT_EQ(MenuItemText(u"a\xD800" u"b"), u"a\xD800" u"b");
}

TEST(Paths, TakeApartAtLastColonOrBackslash) {
    const std::tuple<const char16_t*, const char16_t*, const char16_t*> cases[] = {  // path, folder, name
        {u"C:\\A\\B\\C.EXE", u"C:\\A\\B\\", u"C.EXE"},
        {u"C:NOTE.TXT", u"C:", u"NOTE.TXT"},
        {u"NOTEPAD.EXE", u"NOTEPAD.EXE", u""},
        {u"C:\\DIR\\", u"C:\\DIR\\", u""},
        {u"C:/DIR/X.ICO", u"C:", u"/DIR/X.ICO"},
        {u"", u"", u""},
    };
    for (auto [path, folder, name] : cases) {
        EXPECT_EQ(GetPath(path), folder);
        EXPECT_EQ(GetFileName(path), name);
        EXPECT_EQ(SplitPath(path), Text(folder) + u"|" + name);
    }
    EXPECT_EQ(JoinPath(u"C:\\", u"Y.DLL"), u"C:\\Y.DLL");
}

}  // namespace
}  // namespace hw
