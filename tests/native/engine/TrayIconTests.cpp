#include <gtest/gtest.h>

#include "engine/TrayIcon.h"
#include "fakes/FakeShell.h"

namespace hw::test {
namespace {

TEST(TrayIcon, AddsOnlyWithReceiverAndIconThenChangesOneFieldAtATime) {
    FakeNotifyArea shell;
    {
        TrayIcon icon(shell);
        icon.SetTip(Text(u"Tip") + u'\0');
        EXPECT_EQ(icon.Tip(), Text(u"Tip") + u'\0' + Text(60, u' '));  // the tip field: 64 characters, padded
        icon.SetReceiver(0x700);
        EXPECT_FALSE(icon.Show());
        icon.Readd();  // not shown: nothing
        EXPECT_TRUE(shell.calls.empty());

        icon.SetIcon(0x42);
        EXPECT_TRUE(icon.Show());
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].action, kNimAdd);
        EXPECT_EQ(shell.calls[0].record.uFlags, 7u);
        EXPECT_EQ(FakeNotifyArea::ShownTip(shell.icons.at(0)), u"Tip");

        icon.SetTip(Text(70, u'x'));
        EXPECT_EQ(shell.calls.back().action, kNimModify);
        EXPECT_EQ(shell.calls.back().record.uFlags, static_cast<std::uint32_t>(kNifTip));
        EXPECT_EQ(icon.Tip(), Text(64, u'x'));
        icon.SetIcon(0x43);
        EXPECT_EQ(shell.calls.back().record.uFlags, static_cast<std::uint32_t>(kNifIcon));
        EXPECT_EQ(shell.icons.at(0).hIcon, 0x43u);

        // A notice of Hidewell's own accord waits for the user's quiet time to end.
        EXPECT_TRUE(icon.ShowBalloon(u"Hidewell", u"Notice"));
        EXPECT_EQ(shell.calls.back().record.uFlags, static_cast<std::uint32_t>(kNifInfo));
        EXPECT_TRUE(shell.calls.back().record.respectQuietTime);

        shell.icons.clear();  // the taskbar was re-created
        icon.Readd();
        EXPECT_NE(shell.Find(0x700), nullptr);
        icon.Remove();
        EXPECT_FALSE(icon.ShowBalloon(u"Hidewell", u"Notice"));
        std::size_t calls = shell.calls.size();
        icon.SetTip(u"Later");  // only stored while not shown
        EXPECT_EQ(shell.calls.size(), calls);
        icon.Remove();  // deletes whether shown or not
        EXPECT_EQ(shell.calls.back().action, kNimDelete);
        icon.Show();
    }
    EXPECT_EQ(shell.Find(0x700), nullptr) << "gone with its owner";
}

}  // namespace
}  // namespace hw::test
