#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIcons.h"
#include "ui/IconPickerModel.h"

namespace hw {
namespace {

class IconPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.folders[u"C:\\"] = {{u"WINDOWS", u"Tools"}, {}};
        fs.folders[u"C:\\WINDOWS"] = {{u"system"}, {u"notes.txt", u"Explorer.EXE", u"a.ico", u"[1].exe", u"1.exe"}};
        fs.folders[u"C:\\Tools"] = {{}, {u"Пуск.dll"}};
        icons.files[u"C:\\WINDOWS\\Explorer.EXE"] = 5;
        icons.files[u"C:\\WINDOWS\\[1].exe"] = 2;
        icons.files[u"C:\\Tools\\Пуск.dll"] = 12;
    }
    test::FakeFileSystem fs;
    test::FakeIcons icons;
    IconPickerModel picker{fs, icons};
};

TEST(IconPickerPaths, ResolvesTypedPaths) {
    const std::tuple<const char16_t*, const char16_t*> cases[] = {
        {u"", u"C:\\A\\B"},           {u"..", u"C:\\A"},         {u"..\\..\\..", u"C:\\"},
        {u"D:\\X\\.\\Y\\", u"D:\\X\\Y"}, {u"\\Z", u"C:\\Z"},      {u"D:", u"D:\\"},
        {u"C:Q", u"C:\\A\\B\\Q"},     {u"\\\\srv\\share\\..", u"\\\\srv\\share\\"},
    };
    int k = 0;
    for (auto [typed, resolved] : cases) EXPECT_EQ(ResolvePath(u"C:\\A\\B", typed), resolved) << k++;
}

// An entry with an icon opens at it, listing icon files only; one without opens where the last
// icon of this run was chosen, or at the default reference when that folder is gone.
TEST_F(IconPickerTest, OpensAtTheEntrysIconOrWhereTheLastOneWasChosen) {
    picker.Open(u"009:C:\\WINDOWS\\explorer.exe");  // index beyond the last icon, other case
    EXPECT_EQ(picker.Folder(), u"C:\\WINDOWS");
    EXPECT_EQ(picker.Files(), (std::vector<Text>{u"1.exe", u"a.ico", u"Explorer.EXE", u"[1].exe"}));
    EXPECT_EQ(picker.Files()[picker.FileSelection()], u"Explorer.EXE");
    EXPECT_EQ(picker.DriveIndex(), 0);
    EXPECT_EQ(picker.IconCaption(), u"&Icon: 5:5");
    EXPECT_EQ(picker.FolderRows()[picker.CurrentFolderRow()].label, u"WINDOWS");
    ASSERT_TRUE(picker.Preview());
    EXPECT_EQ(picker.Preview()->index, 4);

    const Text fallback = u"000:C:\\WINDOWS\\Explorer.EXE";
    picker.Open(PickerArgs{u"", u"", fallback});
    picker.SetName(u"C:\\Tools\\Пуск.dll");
    picker.EnterInName();
    picker.Select();
    EXPECT_EQ(picker.ChosenFolder(), u"C:\\Tools");

    picker.Open(PickerArgs{u"", picker.ChosenFolder(), fallback});
    EXPECT_EQ(picker.Folder(), u"C:\\Tools");
    EXPECT_EQ(picker.FileSelection(), -1);
    EXPECT_FALSE(picker.Preview());
    EXPECT_FALSE(picker.Finished());
    EXPECT_EQ(picker.ChosenFolder(), u"");

    // The name is matched literally: brackets are no wild cards.
    picker.Open(PickerArgs{u"001:C:\\WINDOWS\\[1].EXE", u"C:\\Tools", fallback});
    EXPECT_EQ(picker.Files()[picker.FileSelection()], u"[1].exe");
    EXPECT_EQ(picker.IconCaption(), u"&Icon: 2:2");

    picker.Open(PickerArgs{u"", u"C:\\Gone", fallback});
    EXPECT_EQ(picker.Folder(), u"C:\\WINDOWS");
    EXPECT_EQ(picker.Files()[picker.FileSelection()], u"Explorer.EXE");
    EXPECT_FALSE(picker.TakeMessage());
}

TEST_F(IconPickerTest, ParentStopsAtTheRootEmptyNameIsNoFileAndIconsAreCounted) {
    picker.Open(u"000:C:\\WINDOWS\\Explorer.EXE");
    picker.GoToParent();
    EXPECT_EQ(picker.Folder(), u"C:\\");
    picker.SetName(u"x");
    picker.GoToParent();
    EXPECT_EQ(picker.Folder(), u"C:\\");
    EXPECT_EQ(picker.Name(), u"");
    picker.Select();
    EXPECT_EQ(picker.TakeMessage(), Text(u"File does not exist"));
    EXPECT_FALSE(picker.Finished());
    picker.Cancel();
    EXPECT_TRUE(picker.Finished());
    EXPECT_FALSE(picker.Result());

    // A file without icons shows none; the last icon has a three-digit reference.
    picker.Open(u"000:C:\\WINDOWS\\Explorer.EXE");
    picker.PickFile(1);  // a.ico, not a real icon file
    EXPECT_EQ(picker.IconCaption(), u"&Icon: 0:0");
    EXPECT_FALSE(picker.Preview());
    picker.PickFile(2);
    picker.Scroll(picker.ScrollMax());
    EXPECT_EQ(picker.IconCaption(), u"&Icon: 5:5");
    picker.Select();
    EXPECT_EQ(picker.Result(), Text(u"004:C:\\WINDOWS\\Explorer.EXE"));
}

TEST_F(IconPickerTest, TypedPathMovesThereAndUnreadablePlacesAreReported) {
    picker.Open(u"002:C:\\WINDOWS\\Explorer.EXE");
    picker.SetName(u"C:\\Tools\\Пуск.dll");
    picker.EnterInName();
    EXPECT_EQ(picker.Folder(), u"C:\\Tools");
    EXPECT_EQ(picker.Name(), u"Пуск.dll");
    EXPECT_EQ(picker.IconCaption(), u"&Icon: 3:12");  // the scroll position is kept
    EXPECT_EQ(picker.FileSelection(), -1);

    picker.Open(u"000:Пуск.dll");  // no folder: the current one
    EXPECT_EQ(picker.TakeMessage(), std::nullopt);
    EXPECT_EQ(picker.IconCaption(), u"&Icon: 1:12");
    picker.SetName(u"E:\\Gone\\x.exe");
    picker.EnterInName();
    EXPECT_EQ(picker.TakeMessage(), Text(u"The device is not ready."));
    picker.ChooseDrive(1);  // D: cannot be read
    EXPECT_TRUE(picker.TakeMessage());
    EXPECT_EQ(picker.Folder(), u"C:\\Tools");
    EXPECT_EQ(picker.DriveIndex(), 0);

    // After a typed path the first double click on a file only picks it.
    picker.DoubleClickFile(0);
    EXPECT_FALSE(picker.Finished());
    EXPECT_EQ(picker.IconCaption(), u"&Icon: 1:12");
    picker.DoubleClickFile(0);
    EXPECT_EQ(picker.Result(), Text(u"000:C:\\Tools\\Пуск.dll"));
}

}  // namespace
}  // namespace hw
