#include <gtest/gtest.h>

#include "common/Paths.h"

namespace hw {
namespace {

struct PathCase {
    const char16_t* path;
    const char16_t* folder;
    const char16_t* name;
    const char16_t* split;
};

TEST(Paths, TakeApartAtLastColonOrBackslash) {
    const PathCase cases[] = {
        {u"C:\\A\\B\\C.EXE", u"C:\\A\\B\\", u"C.EXE", u"C:\\A\\B\\|C.EXE"},
        {u"C:\\WINDOWS\\NOTEPAD.EXE", u"C:\\WINDOWS\\", u"NOTEPAD.EXE", u"C:\\WINDOWS\\|NOTEPAD.EXE"},
        {u"C:NOTE.TXT", u"C:", u"NOTE.TXT", u"C:|NOTE.TXT"},
        {u"NOTEPAD.EXE", u"NOTEPAD.EXE", u"", u"NOTEPAD.EXE|"},
        {u"C:\\DIR\\", u"C:\\DIR\\", u"", u"C:\\DIR\\|"},
        {u"C:/DIR/X.ICO", u"C:", u"/DIR/X.ICO", u"C:|/DIR/X.ICO"},
        {u"", u"", u"", u"|"},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(GetPath(c.path), c.folder);
        EXPECT_EQ(GetFileName(c.path), c.name);
        EXPECT_EQ(SplitPath(c.path), c.split);
    }
}

TEST(Paths, JoinPutsOneBackslash) { EXPECT_EQ(JoinPath(u"C:\\", u"Y.DLL"), u"C:\\Y.DLL"); }

}  // namespace
}  // namespace hw
