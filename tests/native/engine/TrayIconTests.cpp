#include <gtest/gtest.h>

#include "engine/clsTrayIcon.h"
#include "fakes/FakeShell.h"

namespace hw::test {
namespace {

class TrayIcon : public ::testing::Test {
protected:
    FakeNotifyArea shell;
    clsTrayIcon icon{shell};
};

TEST_F(TrayIcon, AddsOnlyWithReceiverAndIconThenChangesOneFieldAtATime) {
    icon.TrayToolTip(Text(u"Tip") + u'\0');
    icon.ObjectToReceiveEvent(0x700);
    EXPECT_FALSE(icon.ShowIcon());
    EXPECT_TRUE(shell.calls.empty());

    icon.IconToShow(0x42);
    EXPECT_TRUE(icon.ShowIcon());
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].action, kNimAdd);
    EXPECT_EQ(shell.calls[0].record.uFlags, 7u);
    EXPECT_EQ(FakeNotifyArea::ShownTip(shell.icons.at(0)), u"Tip");

    icon.TrayToolTip(u"New");
    EXPECT_EQ(shell.calls.back().action, kNimModify);
    EXPECT_EQ(shell.calls.back().record.uFlags, static_cast<std::uint32_t>(kNifTip));
    icon.IconToShow(0x43);
    EXPECT_EQ(shell.calls.back().record.uFlags, static_cast<std::uint32_t>(kNifIcon));
    EXPECT_EQ(shell.icons.at(0).hIcon, 0x43u);

    icon.RemoveIcon();
    std::size_t calls = shell.calls.size();
    icon.TrayToolTip(u"Later");  // only stored while not shown
    EXPECT_EQ(shell.calls.size(), calls);
    icon.RemoveIcon();  // deletes whether shown or not
    EXPECT_EQ(shell.calls.back().action, kNimDelete);
}

TEST_F(TrayIcon, TipFieldIsSixtyFourCharactersCutAndPadded) {
    EXPECT_EQ(icon.TrayToolTip(), u"Hello World" + Text(53, u' '));
    icon.TrayToolTip(Text(70, u'x'));
    EXPECT_EQ(icon.TrayToolTip(), Text(64, u'x'));
    icon.TrayToolTip(Text(u"ab") + u'\0');
    EXPECT_EQ(icon.TrayToolTip(), Text(u"ab") + u'\0' + Text(61, u' '));
}

TEST_F(TrayIcon, DestructionAndReaddFollowTheShownState) {
    {
        clsTrayIcon shown(shell);
        shown.ObjectToReceiveEvent(0x701);
        shown.IconToShow(0x42);
        shown.Readd();  // not shown: nothing
        EXPECT_TRUE(shell.icons.empty());
        shown.ShowIcon();
        shell.icons.clear();  // the taskbar was re-created
        shown.Readd();
        EXPECT_NE(shell.Find(0x701), nullptr);
    }
    EXPECT_EQ(shell.Find(0x701), nullptr);
}

TEST_F(TrayIcon, DecodesMouseMessagesAndRefusesNestedDecoding) {
    const std::pair<int, int> table[] = {{513, 1}, {514, 2}, {515, 3}, {516, 4}, {517, 5}, {518, 6}, {512, -1}, {0, -1}};
    for (auto [message, code] : table) EXPECT_EQ(icon.TrayEvent(message), code) << message;

    int nested = -9, handled = 0;
    icon.Dispatch(517, [&](std::int16_t) {
        ++handled;
        nested = icon.Dispatch(517, [&](std::int16_t) { ++handled; });
    });
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(icon.TrayEvent(513), 1);  // the flag is cleared afterwards
}

}  // namespace
}  // namespace hw::test
