#include <gtest/gtest.h>

#include "common/Paths.h"

namespace hw {
namespace {

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
