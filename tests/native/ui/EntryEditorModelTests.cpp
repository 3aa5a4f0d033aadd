#include <gtest/gtest.h>

#include "ui/EntryEditorModel.h"

namespace hw {
namespace {

EntryEditorModel Opened(EditorMode mode, const Text& title, const Text& reference) {
    EntryEditorModel m;
    m.Open({mode, title, reference, {}});
    return m;
}

TEST(EntryEditor, OpensWithTheCheckBoxAndIconFieldOfTheEntry) {
    EntryEditorModel created = Opened(EditorMode::New, u"", u"");
    EXPECT_TRUE(created.ShowIcon());
    EXPECT_EQ(created.Caption(), u"New");
    EXPECT_EQ(created.Help(), HelpContext::NewEntry);

    EntryEditorModel withIcon = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    EXPECT_TRUE(withIcon.ShowIcon());
    EXPECT_EQ(withIcon.IconText(), u"C:\\X\\Y.DLL");
    EXPECT_EQ(withIcon.Preview(), u"005:C:\\X\\Y.DLL");
    EXPECT_EQ(withIcon.Help(), HelpContext::EditEntry);

    EXPECT_FALSE(Opened(EditorMode::Edit, u"*PAD*", u"").ShowIcon());
}

TEST(EntryEditor, IconFieldAndBrowseRebuildTheReferenceOnlyWhenChanged) {
    EntryEditorModel m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    // Tabbing through the field, or Enter in it, keeps the icon chosen before.
    m.OnIconLeave();
    m.OnIconEnter();
    EXPECT_EQ(m.IconReference(), u"005:C:\\X\\Y.DLL");
    m.SetIconText(u"C:\\X\\Y.DL");
    m.SetIconText(u"C:\\X\\Y.DLL");  // typed back as it was
    m.OnIconLeave();
    EXPECT_EQ(m.IconReference(), u"005:C:\\X\\Y.DLL");
    EXPECT_EQ(m.OnOk({}).message, u"");
    EXPECT_EQ(m.Result().iconReference, u"005:C:\\X\\Y.DLL");

    m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    m.SetIconText(u"");
    EXPECT_EQ(m.Preview(), u"005:C:\\X\\Y.DLL");  // still there until a key goes into the empty field
    m.SetIconText(u"D:\\A.ICO");
    EXPECT_EQ(m.Preview(), u"");
    m.OnIconEnter();
    EXPECT_EQ(m.IconReference(), u"000:D:\\A.ICO");
    EXPECT_EQ(m.Preview(), u"000:D:\\A.ICO");
    EXPECT_FALSE(m.Finished());  // Enter does not close the dialog
    // Paths are kept whole, however long.
    Text longPath = u"C:\\" + Text(300, u'x') + u".ico";
    m.SetIconText(longPath);
    m.OnIconLeave();
    EXPECT_EQ(m.IconReference(), u"000:" + longPath);

    // Browsing starts at Explorer; cancelling the picker keeps what was there.
    m = Opened(EditorMode::New, u"", u"");
    EXPECT_EQ(m.BeginBrowse(u"C:\\WINDOWS"), u"000:C:\\WINDOWS\\explorer.exe");
    m.EndBrowse(std::nullopt);
    EXPECT_EQ(m.IconReference(), u"");

    EXPECT_EQ(m.BeginBrowse(u"C:\\WINDOWS"), u"000:C:\\WINDOWS\\explorer.exe");
    m.EndBrowse(u"005:C:\\LIB\\SHELL.DLL");
    EXPECT_EQ(m.IconReference(), u"005:C:\\LIB\\SHELL.DLL");
    EXPECT_EQ(m.IconText(), u"C:\\LIB\\SHELL.DLL");
    EXPECT_EQ(m.Preview(), u"005:C:\\LIB\\SHELL.DLL");

    // With a reference in place, cancelling the picker keeps it.
    EXPECT_EQ(m.BeginBrowse(u"C:\\WINDOWS"), u"005:C:\\LIB\\SHELL.DLL");
    m.EndBrowse(std::nullopt);
    EXPECT_EQ(m.IconReference(), u"005:C:\\LIB\\SHELL.DLL");
}

TEST(EntryEditor, DropTakesIconSourcesOnly) {
    const std::pair<const char16_t*, bool> names[] = {
        {u"C:\\A\\B.ICO", true},     {u"C:\\x.dll.old\\readme.txt", true}, {u"C:\\Prog.Exe", true},
        {u"C:\\A\\notes.txt", false}, {u"C:\\exe\\dll", false},
    };
    for (auto [name, taken] : names) {
        EntryEditorModel m = Opened(EditorMode::Edit, u"*PAD*", u"");
        EXPECT_EQ(m.OnDrop(name), taken) << std::string(name, name + std::char_traits<char16_t>::length(name));
        EXPECT_EQ(m.ShowIcon(), taken);
        EXPECT_EQ(m.IconReference(), taken ? u"000:" + Text(name) : Text());
    }
}

TEST(EntryEditor, OkRefusesWhatCanNeverMatchAsksAboutWarningsAndDropsTheIconWhenUnchecked) {
    EntryEditorModel m = Opened(EditorMode::New, u"", u"");
    EXPECT_EQ(m.OnOk({}).message, kNeedTitleMessage);
    m.SetTitle(u"[Z-A]*");
    const Text refusal = u"This title has a range from Z to A and can never match a window.";
    EXPECT_EQ(m.OnOk({refusal, u"", u""}).message, refusal);
    EXPECT_FALSE(m.Finished());
    m.SetTitle(u"*");
    EntryEditorModel::OkReply reply = m.OnOk({u"", u"Matches 2 open windows: a, b", u"This title matches every window."});
    EXPECT_TRUE(reply.question);
    EXPECT_EQ(reply.message, u"This title matches every window.\n\nKeep this title?");
    EXPECT_FALSE(m.Finished());  // No keeps the dialog open
    m.KeepTitle();
    EXPECT_EQ(m.Result().titlePattern, u"*");
    // Ticked with no file chosen: the window's own icon, which the editor shows as such.
    EXPECT_EQ(m.Result().iconReference, kWindowIconReference);
    EXPECT_EQ(Opened(EditorMode::Edit, u"*", kWindowIconReference).IconText(), u"");
    EXPECT_TRUE(Opened(EditorMode::Edit, u"*", kWindowIconReference).ShowIcon());
    EXPECT_TRUE(Opened(EditorMode::Edit, u"*", u"").IconReference().empty()) << "stored: no icon stays no icon";
    EXPECT_TRUE(m.Result().ok);

    m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    m.SetShowIcon(false);
    EXPECT_EQ(m.OnOk({u"", u"Matches no open window.", u""}).message, u"");
    EXPECT_EQ(m.Result().titlePattern, u"*PAD*");
    EXPECT_EQ(m.Result().iconReference, u"");

    m = Opened(EditorMode::Edit, u"*PAD*", u"005:C:\\X\\Y.DLL");
    m.SetTitle(u"*PAD");
    m.OnCancel();
    EXPECT_TRUE(m.Finished());
    EXPECT_FALSE(m.Result().ok);
    EXPECT_EQ(m.Result().titlePattern, u"");
}

}  // namespace
}  // namespace hw
