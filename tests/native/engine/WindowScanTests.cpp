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

// Hidden windows count, Hidewell's own do not; captions are cut to 254 and read once, so a
// window that vanishes meanwhile leaves no blank in the list.
TEST(WindowScan, TakesOnlyMinimisedTitledUnownedWindows) {
    VanishingDesktop d;
    WindowHandle going = d.vanishing = d.Add(u"Going", true);  // last in Z order
    WindowHandle owner = d.Add(u"Owner", true);
    d.Add(u"Dialog", true, owner);
    d.Add(u"", true);
    d.Add(u"Open", false);
    WindowHandle hidden = d.Add(u"Hidden", true);
    d[hidden].visible = false;
    WindowHandle own = d.Add(u"Hidewell", true);
    d[own].own = true;
    // Windows that are no application windows on this desktop, as Windows 10 and 11 have them.
    d[d.Add(u"Palette", true)].exStyle = kWsExToolWindow;
    d[d.Add(u"Keyboard", true)].exStyle = kWsExNoActivate;
    d[d.Add(u"Other desktop", true)].cloaked = true;
    WindowHandle top = d.Add(Text(300, u'x'), true);
    std::vector<ScannedWindow> found{{7, u"stale"}};
    EXPECT_TRUE(ScanMinimisedWindows(d, found));
    Found listed;
    for (const ScannedWindow& w : found) listed.emplace_back(w.window, w.caption);
    EXPECT_EQ(listed, (Found{{top, Text(254, u'x')}, {hidden, u"Hidden"}, {owner, u"Owner"}, {going, u"Going"}}));
}

}  // namespace
}  // namespace hw
