#include <gtest/gtest.h>

#include "fakes/FakeIcons.h"
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
    for (const char16_t* none : {u"003:C:\\A.DLL", u"000:C:\\X.TXT"}) EXPECT_EQ(ExtractReferencedIcon(icons, none), 0u);
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

}  // namespace
}  // namespace hw
