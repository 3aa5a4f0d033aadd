#include <gtest/gtest.h>

#include "engine/WindowScan.h"
#include "fakes/FakeDesktop.h"

namespace hw {
namespace {

using test::FakeDesktop;

// Elements 1..n are the given windows; every other element is blank.
void ExpectListed(const ScanLists& lists, const std::vector<WindowHandle>& handles, FakeDesktop& desktop) {
    ASSERT_EQ(lists.Titles.size(), lists.Handles.size());
    for (std::size_t i = 0; i < lists.Titles.size(); ++i) {
        bool found = i >= 1 && i <= handles.size();
        EXPECT_EQ(lists.Handles[i], found ? handles[i - 1] : 0) << i;
        EXPECT_EQ(lists.Titles[i], found ? desktop[handles[i - 1]].caption : Text()) << i;
    }
}

TEST(WindowScan, TakesOnlyMinimisedTitledUnownedWindows) {
    FakeDesktop d;
    WindowHandle owner = d.Add(u"Owner", true);
    d.Add(u"Dialog", true, owner);
    d.Add(u"", true);
    d.Add(u"Open", false);
    WindowHandle hidden = d.Add(u"Hidden", true);
    d[hidden].visible = false;
    WindowHandle top = d.Add(u"Top", true);

    ScanLists lists{{u"stale"}, {7}};
    EXPECT_TRUE(ScanMinimisedWindows(d, lists));
    EXPECT_EQ(lists.Titles.size(), 101u);
    ExpectListed(lists, {top, hidden, owner}, d);
}

TEST(WindowScan, GrowsInStepsOfTenKeepingZOrder) {
    FakeDesktop d;
    std::vector<WindowHandle> zOrder;
    for (int i = 0; i < 150; ++i) zOrder.insert(zOrder.begin(), d.Add(Text(i % 7 + 1, char16_t(u'a' + i % 26)), true));
    const std::pair<std::size_t, std::size_t> countAndSize[] = {{0, 101}, {100, 101}, {101, 112}, {112, 123}, {150, 156}};
    for (auto [count, size] : countAndSize) {
        for (std::size_t i = 0; i < zOrder.size(); ++i) d[zOrder[i]].iconic = i < count;
        ScanLists lists;
        ScanMinimisedWindows(d, lists);
        EXPECT_EQ(lists.Titles.size(), size) << count;
        ExpectListed(lists, std::vector<WindowHandle>(zOrder.begin(), zOrder.begin() + count), d);
    }
}

// A window that closes right after its caption was read.
class VanishingDesktop : public FakeDesktop {
public:
    Text GetText(WindowHandle h, int maxCount) override {
        Text t = FakeDesktop::GetText(h, maxCount);
        if (h == vanishing) Close(h);
        return t;
    }
    WindowHandle vanishing = 0;
};

TEST(WindowScan, CaptionsAreCutAndReadOnce) {
    VanishingDesktop d;
    d.Add(Text(300, u'x'), true);
    d.vanishing = d.Add(u"Going", true);
    ScanLists lists;
    ScanMinimisedWindows(d, lists);
    EXPECT_EQ(lists.Titles[1], u"Going");
    d.vanishing = 0;
    ScanMinimisedWindows(d, lists);
    EXPECT_EQ(lists.Titles[1], Text(254, u'x'));
}

// Windows 1, 2, ... n, all minimised and titled, without storing them.
class CrowdedDesktop : public FakeDesktop {
public:
    explicit CrowdedDesktop(WindowHandle n) : n_(n) {}
    WindowHandle FirstTopLevel() override { return 1; }
    WindowHandle NextWindow(WindowHandle h) override { return h < n_ ? h + 1 : 0; }
    bool IsIconic(WindowHandle) override { return true; }
    Text GetText(WindowHandle, int) override { return u"W"; }
    WindowHandle ParentOrOwner(WindowHandle) override { return 0; }

private:
    WindowHandle n_;
};

TEST(WindowScan, StopsAtTheLargestCount) {
    for (WindowHandle n : {WindowHandle(kScanMaxCount), WindowHandle(kScanMaxCount + 5)}) {
        CrowdedDesktop d(n);
        ScanLists lists;
        EXPECT_EQ(ScanMinimisedWindows(d, lists), n == kScanMaxCount) << n;
        EXPECT_EQ(lists.Handles[kScanMaxCount], WindowHandle(kScanMaxCount));
        EXPECT_TRUE(lists.Titles[kScanMaxCount + 1].empty());
    }
}

}  // namespace
}  // namespace hw
