#include <gtest/gtest.h>

#include "ui/IconFile.h"

namespace hw {
namespace {

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
