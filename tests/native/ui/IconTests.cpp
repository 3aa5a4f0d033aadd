#include <gtest/gtest.h>

#include "fakes/FakeIcons.h"
#include "ui/IconFile.h"
#include "ui/IconPicture.h"
#include "ui/IconTools.h"

namespace hw {
namespace {

TEST(IconReference, ParseAndFormat) {
    const std::tuple<const char16_t*, int, const char16_t*> parsed[] = {
        {u"012:C:\\X\\Y.DLL", 12, u"C:\\X\\Y.DLL"}, {u" 7x:a.ico", 7, u"a.ico"}, {u"abc:a.ico", 0, u"a.ico"},
        {u"-01:a.ico", 0, u"a.ico"},                {u"01", 1, u""},
    };
    for (auto [reference, index, path] : parsed) {
        IconReference r = ParseIconReference(reference);
        EXPECT_EQ(std::tie(r.index, r.path), std::make_tuple(index, Text(path)));
    }
    EXPECT_EQ(DefaultIconReference(u"C:\\WINDOWS"), u"000:C:\\WINDOWS\\explorer.exe");
    EXPECT_EQ(IconPositionCaption(1, 0), u"&Icon: 0:0");
}

TEST(IconPicture, HoldsReferencedIconsAndDestroysEachOnce) {
    test::FakeIcons icons;
    icons.files[u"C:\\A.DLL"] = 3;
    for (const char16_t* none : {u"003:C:\\A.DLL", u"000:C:\\X.TXT"}) EXPECT_FALSE(ExtractReferencedIcon(icons, none));
    {
        IconPicture first(icons, ExtractReferencedIcon(icons, u"002:C:\\A.DLL"));
        ASSERT_TRUE(first);
        first.Reset(first.Handle());  // the same icon again: kept
        first.Reset(icons.ExtractIconAt(u"C:\\A.DLL", 1));
        IconPicture second(std::move(first));
        IconPicture third(icons, icons.ExtractIconAt(u"C:\\A.DLL", 0));
        third = std::move(second);
        EXPECT_EQ(icons.live.size(), 1u);
    }
    EXPECT_TRUE(icons.live.empty());
    EXPECT_EQ(icons.badDestroys, 0);
}

std::uint32_t At32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(IconFile, WritesOneImageWithMaskBottomUp) {
    // 3 wide, 2 high, top-left transparent, no alpha in the colours.
    IconImage image{3, 2, {0x0, 0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF}, {true, false, false, false, false, false}};
    std::vector<std::uint8_t> file = EncodeIconFile(image);
    ASSERT_EQ(file.size(), 22u + 40 + 3 * 2 * 4 + 2 * 4);
    EXPECT_EQ(At32(file, 0), 0x10000u);       // reserved, type icon
    EXPECT_EQ(file[6] | file[7] << 8, 0x203);  // width 3, height 2
    EXPECT_EQ(At32(file, 14), file.size() - 22);
    EXPECT_EQ(At32(file, 18), 22u);
    EXPECT_EQ(At32(file, 22 + 8), 4u);        // header height: colour rows and mask rows
    EXPECT_EQ(At32(file, 62), 0xFF778899u);   // the bottom row comes first, made opaque
    EXPECT_EQ(At32(file, 62 + 12), 0u);       // the transparent pixel
    EXPECT_EQ(file[62 + 24 + 4], 0x80);       // its mask bit, in the second mask row
    EXPECT_TRUE(EncodeIconFile({0, 0, {}, {}}).empty());
    EXPECT_TRUE(EncodeIconFile({2, 2, {1, 2, 3}, {false, false, false}}).empty());
}

}  // namespace
}  // namespace hw
