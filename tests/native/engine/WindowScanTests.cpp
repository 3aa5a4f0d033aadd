#include <gtest/gtest.h>

#include "engine/WindowScan.h"
#include "fakes/FakeDesktop.h"

namespace hw {
namespace {

using Found = std::vector<std::pair<WindowHandle, Text>>;

// Closes one window right after its caption was read, as if it vanished mid-scan.
struct VanishingDesktop : test::FakeDesktop {
    Text GetText(WindowHandle h, int maxCount) override {
        Text t = FakeDesktop::GetText(h, maxCount);
        if (h == vanishing) Close(h);
        return t;
    }
    WindowHandle vanishing = 0;
};

// Elements 1..n hold the windows found; every other element is blank.
void ExpectListed(const ScanLists& lists, std::size_t size, const Found& found) {
    ScanLists expected{std::vector<Text>(size), std::vector<WindowHandle>(size)};
    for (std::size_t i = 0; i < found.size(); ++i) std::tie(expected.Handles[i + 1], expected.Titles[i + 1]) = found[i];
    EXPECT_EQ(lists.Handles, expected.Handles);
    EXPECT_EQ(lists.Titles, expected.Titles);
}

// Hidden windows count; captions are cut to 254 and read once, so a window that
// vanishes meanwhile leaves no blank in the list.
TEST(WindowScan, TakesOnlyMinimisedTitledUnownedWindows) {
    VanishingDesktop d;
    WindowHandle going = d.vanishing = d.Add(u"Going", true);  // last in Z order
    WindowHandle owner = d.Add(u"Owner", true);
    d.Add(u"Dialog", true, owner);
    d.Add(u"", true);
    d.Add(u"Open", false);
    WindowHandle hidden = d.Add(u"Hidden", true);
    d[hidden].visible = false;
    WindowHandle top = d.Add(Text(300, u'x'), true);
    ScanLists lists{{u"stale"}, {7}};
    EXPECT_TRUE(ScanMinimisedWindows(d, lists));
    ExpectListed(lists, 101, {{top, Text(254, u'x')}, {hidden, u"Hidden"}, {owner, u"Owner"}, {going, u"Going"}});
}

TEST(WindowScan, GrowsInStepsOfTenKeepingZOrder) {
    test::FakeDesktop d;
    Found zOrder;
    for (int i = 0; i < 150; ++i) {
        Text caption(i % 7 + 1, char16_t(u'a' + i % 26));
        zOrder.insert(zOrder.begin(), {d.Add(caption, true), caption});
    }
    const std::pair<std::size_t, std::size_t> countAndSize[] = {{0, 101}, {100, 101}, {101, 112}, {112, 123}, {150, 156}};
    for (auto [count, size] : countAndSize) {
        for (std::size_t i = 0; i < zOrder.size(); ++i) d[zOrder[i].first].iconic = i < count;
        ScanLists lists;
        ScanMinimisedWindows(d, lists);
        ExpectListed(lists, size, Found(zOrder.begin(), zOrder.begin() + count));
    }
}

}  // namespace
}  // namespace hw
