#include <gtest/gtest.h>

#include <tuple>

#include "fakes/FakeIcons.h"
#include "ui/IconPicture.h"
#include "ui/IconTools.h"

namespace hw {
namespace {

using test::FakeIcons;

TEST(IconReference, ParseAndFormat) {
    const std::tuple<const char16_t*, int, const char16_t*> parsed[] = {
        {u"000:C:\\WINDOWS\\EXPLORER.EXE", 0, u"C:\\WINDOWS\\EXPLORER.EXE"},
        {u"012:C:\\X\\Y.DLL", 12, u"C:\\X\\Y.DLL"},
        {u" 7x:a.ico", 7, u"a.ico"}, {u"abc:a.ico", 0, u"a.ico"}, {u"-01:a.ico", 0, u"a.ico"}, {u"01", 1, u""},
    };
    for (auto [reference, index, path] : parsed) {
        IconReference r = ParseIconReference(reference);
        EXPECT_EQ(r.index, index);
        EXPECT_EQ(r.path, path);
    }
    EXPECT_EQ(FormatIconReference(12, u"C:\\A.EXE"), u"012:C:\\A.EXE");
    EXPECT_EQ(FormatIconReference(999, u"a"), u"999:a");
    EXPECT_EQ(FormatIconReference(1000, u"a"), u"");
    EXPECT_EQ(DefaultIconReference(u"C:\\WINDOWS"), u"000:C:\\WINDOWS\\explorer.exe");
    EXPECT_EQ(IconPositionCaption(3, 12), u"&Icon: 3:12");
    EXPECT_EQ(IconPositionCaption(1, 0), u"&Icon: 0:0");
}

TEST(IconReference, ExtractsOnlyIconsTheFileHolds) {
    FakeIcons icons;
    icons.files[u"C:\\A.DLL"] = 3;
    EXPECT_NE(ExtractReferencedIcon(icons, u"002:C:\\A.DLL"), 0u);
    EXPECT_EQ(ExtractReferencedIcon(icons, u"003:C:\\A.DLL"), 0u);
    EXPECT_EQ(ExtractReferencedIcon(icons, u"000:C:\\NONE.TXT"), 0u);
    EXPECT_EQ(icons.live.size(), 1u);
}

TEST(IconPicture, DestroysEachIconExactlyOnce) {
    FakeIcons icons;
    icons.files[u"a.ico"] = 2;
    {
        IconPicture first(icons, icons.ExtractIconAt(u"a.ico", 0));
        IconHandle h = first.Handle();
        first.Reset(h);
        EXPECT_EQ(icons.live.count(h), 1u);
        first.Reset(icons.ExtractIconAt(u"a.ico", 1));
        EXPECT_EQ(icons.live.count(h), 0u);
        IconPicture second(std::move(first));
        IconPicture third(icons);
        third = std::move(second);
        EXPECT_EQ(icons.live.size(), 1u);
    }
    EXPECT_TRUE(icons.live.empty());
    EXPECT_EQ(icons.badDestroys, 0);
}

}  // namespace
}  // namespace hw
